#include "plugins/common/kit/ContractOperations.h"

#include <cstring>

#include "plugins/common/kit/AttributeFile.h"
#include "plugins/common/kit/DriverState.h"

namespace orvane::plugin {
namespace {

// Copies text into a fixed field, cut to fit, always terminated.
template <size_t N>
void CopyText(char (&field)[N], const char* text) {
  std::strncpy(field, text != nullptr ? text : "", N - 1);
  field[N - 1] = '\0';
}

std::string PathText(const char* path) {
  return path != nullptr ? path : "";
}

}  // namespace

std::string BuildDriverName(const DriverIdentity& identity) {
  return std::string(identity.maker) + " " + identity.model + " " + identity.protocol +
         identity.revisionSuffix;
}

bool ValidateAddress(PlcAddress* out, const AddressRequest& request) {
  if (out == nullptr) {
    return false;
  }
  CCorvel corvel = OperationCorvel();
  AddressRequest checked = request;
  if (checked.text == nullptr) {
    checked.text = "";
  }
  return ThisDriver().grammar.Validate(corvel, checked, *out);
}

bool ValidateAddressSilently(PlcAddress* out, const AddressRequest& request) {
  const MessagesOff off;
  return ValidateAddress(out, request);
}

bool RebuildAddress(PlcAddress* address, char* text) {
  // A record without a map string has nothing to rebuild.
  if (address == nullptr || address->mapString == nullptr || text == nullptr) {
    return false;
  }
  CCorvel corvel = OperationCorvel();
  std::string rebuilt;
  if (!ThisDriver().grammar.Rebuild(corvel, *address, rebuilt)) {
    return false;
  }
  std::strncpy(text, rebuilt.c_str(), PLC_ADDRESS_TEXT_CAPACITY - 1);
  text[PLC_ADDRESS_TEXT_CAPACITY - 1] = '\0';
  return true;
}

bool RebuildAddressSilently(PlcAddress* address, char* text) {
  const MessagesOff off;
  return RebuildAddress(address, text);
}

int CompareAddresses(const unsigned char* a, const unsigned char* b) {
  // A missing map string sorts before any other.
  if (a == nullptr || b == nullptr) {
    return a == b ? 0 : (a == nullptr ? -1 : 1);
  }
  return ThisDriver().grammar.Compare(a, b);
}

void FillDetails(const char* name, PlcDetailsInfo* out) {
  if (out == nullptr) {
    return;
  }
  const DriverIdentity& identity = ThisDriver().identity;
  CopyText(out->name, name);
  CopyText(out->driverImage, identity.driverImage);
  out->manufacturerCode = identity.manufacturerCode;
  out->modelCode = identity.modelCode;
  out->protocolCode = identity.protocolCode;
  CopyText(out->maker, identity.maker);
  CopyText(out->model, identity.model);
  CopyText(out->protocol, identity.protocol);
  CopyText(out->helpFile, CurrentState().helpFile.c_str());
  out->mainHelpContext = identity.mainHelpContext;
  out->dialogHelpContext = identity.dialogHelpContext;
  out->mapLength = identity.map.length;
  out->bitOffset = identity.map.bitOffset;
  out->wordOffset = identity.map.wordOffset;
  out->characteristicC = identity.map.characteristicC;
  out->typeOffset = identity.map.typeOffset;
  out->characteristicE = identity.map.characteristicE;
  out->characteristicF = identity.map.characteristicF;
  out->characteristicG = identity.map.characteristicG;
}

bool CreateDefaultAttributes(const char* path) {
  CCorvel corvel = OperationCorvel();
  return CreateDefaultAttributeFile(corvel, ThisDriver(), PathText(path));
}

bool AttributesExist(const char* path) {
  return AttributeFileExists(PathText(path));
}

bool AttributesMatch(const char* path) {
  return AttributeFileMatches(PathText(path), ThisDriver().identity);
}

}  // namespace orvane::plugin
