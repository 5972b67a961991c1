// The exports of the plug-in contract, compiled into every plug-in module
// with C linkage and default visibility. Each forwards to the scaffolding,
// which serves the driver that the plug-in's ThisDriver() describes.
#include <string>

#include "plchost/PlcContract.h"
#include "plugins/common/kit/ContractOperations.h"
#include "plugins/common/kit/DriverState.h"
#include "plugins/common/kit/MapString.h"

using orvane::plugin::AddressRequest;

extern "C" {

PLC_EXPORT unsigned char Plc_Mfg_Code = 0;
PLC_EXPORT unsigned char Plc_Model_Code = 0;
PLC_EXPORT unsigned char Plc_Protocol_code = 0;
PLC_EXPORT char Plc_Name[PLC_NAME_CAPACITY] = {};

}  // extern "C"

namespace {

// Runs when the library is loaded: the identity data, the name and the
// driver's starting state.
struct LoadTimeSetup {
  LoadTimeSetup() {
    const orvane::plugin::DriverIdentity& identity = orvane::plugin::ThisDriver().identity;
    Plc_Mfg_Code = identity.manufacturerCode;
    Plc_Model_Code = identity.modelCode;
    Plc_Protocol_code = identity.protocolCode;
    const std::string name = orvane::plugin::BuildDriverName(identity);
    name.copy(Plc_Name, sizeof Plc_Name - 1);
    orvane::plugin::ResetState(identity);
  }
};

const LoadTimeSetup loadTimeSetup;

AddressRequest Request(const char* text, int32_t access, int32_t dataType, int32_t checkAccess,
                       int32_t checkDataType) {
  return AddressRequest{text, access, dataType, checkAccess != 0, checkDataType != 0};
}

PlcBool Result(bool value) {
  return value ? 1 : 0;
}

}  // namespace

extern "C" {

PLC_EXPORT PlcBool ValidatePlc(PlcAddress* out, const char* text, int32_t access, int32_t dataType,
                               int32_t checkAccess, int32_t checkDataType) {
  return Result(orvane::plugin::ValidateAddress(
      out, Request(text, access, dataType, checkAccess, checkDataType)));
}

PLC_EXPORT PlcBool ValidatePlcWithOutMsg(PlcAddress* out, const char* text, int32_t access,
                                         int32_t dataType, int32_t checkAccess,
                                         int32_t checkDataType) {
  return Result(orvane::plugin::ValidateAddressSilently(
      out, Request(text, access, dataType, checkAccess, checkDataType)));
}

PLC_EXPORT PlcBool ReBuildAddress(PlcAddress* address, char* text, char* /*reserved*/) {
  return Result(orvane::plugin::RebuildAddress(address, text));
}

PLC_EXPORT PlcBool ReBuildAddressWithOutMsg(PlcAddress* address, char* text, char* /*reserved*/) {
  return Result(orvane::plugin::RebuildAddressSilently(address, text));
}

PLC_EXPORT void PlcDetails(PlcDetailsInfo* out) {
  orvane::plugin::FillDetails(Plc_Name, out);
}

PLC_EXPORT PlcBool CreateAtrFileWithDefaultAttributes(const char* path) {
  return Result(orvane::plugin::CreateDefaultAttributes(path));
}

PLC_EXPORT PlcBool IsAtrFileExist(const char* path) {
  return Result(orvane::plugin::AttributesExist(path));
}

PLC_EXPORT PlcBool IsAtrFileMatchingWithPLCDll(const char* path) {
  return Result(orvane::plugin::AttributesMatch(path));
}

PLC_EXPORT PlcBool LaunchObject(const char* path) {
  return Result(orvane::plugin::LaunchAttributeDialog(path));
}

PLC_EXPORT PlcBool LaunchObjectOrvane(const char* path) {
  orvane::plugin::LaunchAttributeDialog(path);
  return 1;
}

PLC_EXPORT int32_t CompareMapStrings(const unsigned char* a, const unsigned char* b) {
  return orvane::plugin::CompareAddresses(a, b);
}

PLC_EXPORT void SetApplicationType(int32_t type) {
  orvane::plugin::ApplyApplicationType(orvane::plugin::ThisDriver().identity, type);
}

PLC_EXPORT void ReleaseMapString(unsigned char* mapString) {
  orvane::plugin::FreeMapString(mapString);
}

}  // extern "C"
