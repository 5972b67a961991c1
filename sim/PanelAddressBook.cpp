#include "sim/PanelAddressBook.h"

#include <algorithm>
#include <charconv>

#include "base/SharedLibrary.h"
#include "plchost/DriverAddress.h"
#include "plchost/DriverCatalog.h"
#include "plchost/PlcDriver.h"

namespace orvane::sim {
namespace {

// Tag list types to the data types a driver validates for.
int DataTypeOf(RegisterType type) {
  switch (type) {
    case RegisterType::Bcd16:
      return 0;
    case RegisterType::Binary16:
      return 1;
    case RegisterType::Bcd32:
      return 2;
    case RegisterType::Binary32:
      break;
  }
  return 3;
}

}  // namespace

struct PanelAddressBook::Driver {
  SharedLibrary library;
  PlcDriver plc;
};

PanelAddressBook::PanelAddressBook(const PanelMemory& memory) {
  const std::optional<StandInHeader> header = DriverHeader(memory.driverImage);
  if (!header || header->manufacturer == 0) {
    why_ = "the panel holds no PLC driver";
    return;
  }
  const DriverEntry found = DriverCatalog::FindDriverFile(header->manufacturer, header->plcModel);
  if (found.IsEmpty()) {
    why_ = "no installed driver for PLC " + std::to_string(header->manufacturer) + "/" +
           std::to_string(header->plcModel);
    return;
  }
  auto driver = std::make_unique<Driver>();
  if (!driver->library.Open(found.path)) {
    why_ = "cannot load " + found.path;
    return;
  }
  driver->plc.Attach(&driver->library);
  driver->plc.SetQuiet(true);
  driver_ = std::move(driver);
}

PanelAddressBook::~PanelAddressBook() = default;

bool PanelAddressBook::HasDriver() const {
  return driver_ != nullptr;
}

std::string PanelAddressBook::DriverName() const {
  return driver_ ? driver_->plc.DriverName() : std::string();
}

std::vector<uint16_t> PanelAddressBook::Resolve(const std::string& name, const TagList& tags,
                                                std::string& error) const {
  if (name.starts_with("#")) {
    uint16_t index = 0;
    const auto [end, fault] = std::from_chars(name.data() + 1, name.data() + name.size(), index);
    if (fault != std::errc() || end != name.data() + name.size() || tags.Entry(index) == nullptr) {
      error =
          name + ": the panel's tag list has entries #1 to #" + std::to_string(tags.entries.size());
      return {};
    }
    return {index};
  }
  if (!driver_) {
    error = name + ": " + why_ + "; name the register as #N, entry N of the tag list";
    return {};
  }
  // The driver's map string for the text, checked for each data type the
  // list reads (a driver may build another map string for a wider type).
  std::vector<uint16_t> found;
  bool valid = false;
  for (const RegisterType type :
       {RegisterType::Binary16, RegisterType::Bcd16, RegisterType::Binary32, RegisterType::Bcd32}) {
    DriverAddress address;
    if (!driver_->plc.ValidateSyntax(address, name, 0, DataTypeOf(type))) {
      continue;
    }
    valid = true;
    const Bytes map(address.map.begin(), address.map.begin() + address.mapLength);
    for (size_t i = 0; i < tags.entries.size(); ++i) {
      const uint16_t index = static_cast<uint16_t>(i + 1);
      if (tags.entries[i].address == map &&
          std::find(found.begin(), found.end(), index) == found.end()) {
        found.push_back(index);
      }
    }
  }
  if (!valid) {
    error = name + ": not an address of " + DriverName();
  } else if (found.empty()) {
    error = name + ": the panel does not use this register";
  }
  return found;
}

std::string PanelAddressBook::AddressText(const TagEntry& entry) const {
  if (!driver_ || entry.address.size() > PLC_MAP_STRING_CAPACITY) {
    return {};
  }
  DriverAddress address;
  std::copy(entry.address.begin(), entry.address.end(), address.map.begin());
  address.mapLength = static_cast<int>(entry.address.size());
  address.access = entry.access;
  address.valid = 1;
  return driver_->plc.AddressText(address);
}

bool SplitAssignment(const std::string& text, std::string& name, std::string& value) {
  const size_t equals = text.rfind('=');
  if (equals == std::string::npos || equals == 0) {
    return false;
  }
  name = text.substr(0, equals);
  value = text.substr(equals + 1);
  return true;
}

bool ParseRegisterValue(const std::string& text, RegisterValueText& value) {
  const bool hex = text.starts_with("0x") || text.starts_with("0X");
  const char* begin = text.data() + (hex ? 2 : 0);
  const char* end = text.data() + text.size();
  const auto [stop, fault] = std::from_chars(begin, end, value.number, hex ? 16 : 10);
  value.bits = hex;
  return begin != end && fault == std::errc() && stop == end;
}

}  // namespace orvane::sim
