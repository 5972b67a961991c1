#include "plchost/PlcDriver.h"

#include <cstring>

#include "base/StringTable.h"
#include "plchost/PlcDataTypes.h"

namespace orvane {

int DriverDataTypeCode(int tagDataType) {
  switch (tagDataType) {
    case 0:
      return plc::BCD_INT_16;
    case 1:
      return plc::UNSIGNED_INT_16;
    case 2:
      return plc::BCD_INT_32;
    case 3:
      return plc::UNSIGNED_INT_32;
    default:
      return tagDataType;
  }
}

void PlcDriver::Attach(const SharedLibrary* library) {
  library_ = library;
  if (!DriverName().empty()) {
    if (auto setType = Export<PlcSetApplicationTypeFn>(PLC_SYM_SET_APP_TYPE)) {
      setType(2);
    }
  }
}

void PlcDriver::Show(int stringId, Icon icon) const {
  if (ui_ != nullptr && !quiet_) {
    ui_->Show(LoadString(stringId), icon);
  }
}

std::string PlcDriver::DriverName() const {
  const auto* name = Export<const char*>(PLC_SYM_NAME);
  if (name == nullptr) {
    return {};
  }
  // The export is a fixed array; never read past it.
  return std::string(name, strnlen(name, PLC_NAME_CAPACITY));
}

bool PlcDriver::ValidateSyntax(DriverAddress& address, const std::string& text, int wantedAccess,
                               int tagDataType) {
  return ValidateRaw(address, text, RawValidation{wantedAccess, DriverDataTypeCode(tagDataType)});
}

bool PlcDriver::ValidateRaw(DriverAddress& address, const std::string& text,
                            const RawValidation& call) {
  auto validate = Export<PlcValidateFn>(PLC_SYM_VALIDATE);
  if (const auto silent = Export<PlcValidateFn>(PLC_SYM_VALIDATE_SILENT);
      quiet_ && silent != nullptr) {
    validate = silent;
  }
  const int mapLength = DriverDetails().mapLength;
  if (validate == nullptr || mapLength < 1 || mapLength > PLC_MAP_STRING_CAPACITY) {
    Show(strings::kP001, Icon::Exclamation);
    return false;
  }
  // Drivers that do not fill the Allen-Bradley fields leave them as given.
  DriverAddress result = address;
  PlcAddress record = result.Record();
  record.mapString = nullptr;
  if (validate(&record, text.c_str(), call.access, call.dataTypeCode, call.checkAccess ? 1 : 0,
               call.checkDataType ? 1 : 0) == 0) {
    return false;
  }
  if (record.mapString == nullptr) {
    Show(strings::kP001, Icon::Exclamation);
    return false;
  }
  result.map.fill(0);
  std::memcpy(result.map.data(), record.mapString, static_cast<size_t>(mapLength));
  result.mapLength = mapLength;
  // The buffer goes back to the allocator that made it. Without the export
  // it is kept: freeing it here could use the wrong runtime.
  if (auto release = Export<PlcReleaseMapStringFn>(PLC_SYM_RELEASE_MAP)) {
    release(record.mapString);
  }
  result.TakeFields(record);
  address = result;
  return true;
}

bool PlcDriver::ValidateAddress(DriverAddress& address, const std::string& text, int wantedAccess,
                                int tagDataType) {
  DriverAddress result = address;
  if (!ValidateSyntax(result, text, wantedAccess, tagDataType)) {
    return false;
  }
  if (result.isBit == 1) {
    Show(strings::kZ007, Icon::Stop);
    return false;
  }
  if (!plc::AccessSuits(result.access, wantedAccess)) {
    Show(strings::kT002, Icon::Stop);
    return false;
  }
  address = result;
  return true;
}

std::string PlcDriver::AddressText(const DriverAddress& address) const {
  const auto rebuild = Export<PlcRebuildFn>(PLC_SYM_REBUILD);
  if (rebuild == nullptr) {
    return {};
  }
  DriverAddress copy = address;
  PlcAddress record = copy.Record();
  char text[PLC_ADDRESS_TEXT_CAPACITY] = {};
  char reserved[PLC_ADDRESS_TEXT_CAPACITY] = {};
  if (rebuild(&record, text, reserved) == 0) {
    return {};
  }
  return std::string(text, strnlen(text, sizeof text));
}

PlcDetailsInfo PlcDriver::DriverDetails() const {
  PlcDetailsInfo details{};
  if (auto fill = Export<PlcDetailsFn>(PLC_SYM_DETAILS)) {
    fill(&details);
    // Whatever the driver wrote, every text ends inside its field.
    details.name[sizeof details.name - 1] = '\0';
    details.driverImage[sizeof details.driverImage - 1] = '\0';
    details.maker[sizeof details.maker - 1] = '\0';
    details.model[sizeof details.model - 1] = '\0';
    details.protocol[sizeof details.protocol - 1] = '\0';
    details.helpFile[sizeof details.helpFile - 1] = '\0';
  }
  return details;
}

bool PlcDriver::CreateDefaultAttributes(const std::string& path) const {
  const auto create = Export<PlcPathFn>(PLC_SYM_CREATE_DEFAULT_ATR);
  return create != nullptr && create(path.c_str()) != 0;
}

bool PlcDriver::EditAttributes(const std::string& path) const {
  auto launch = Export<PlcPathFn>(PLC_SYM_LAUNCH_ORVANE);
  if (launch == nullptr) {
    launch = Export<PlcPathFn>(PLC_SYM_LAUNCH);
  }
  return launch != nullptr && launch(path.c_str()) != 0;
}

int PlcDriver::CompareAddresses(const DriverAddress& a, const DriverAddress& b) const {
  const auto compare = Export<PlcCompareFn>(PLC_SYM_COMPARE);
  if (compare == nullptr) {
    Show(strings::kP008, Icon::Exclamation);
    return 0;
  }
  return compare(a.map.data(), b.map.data());
}

bool PlcDriver::TellApplicationType(int type) const {
  const auto setType = Export<PlcSetApplicationTypeFn>(PLC_SYM_SET_APP_TYPE);
  if (setType == nullptr) {
    Show(strings::kP009, Icon::Exclamation);
    return false;
  }
  setType(type);
  return true;
}

}  // namespace orvane
