// Naming the registers of a panel's tag list as a user would: by the PLC
// address text, turned into the panel's map string through the driver of
// the PLC whose driver image the panel holds, or as "#N", entry N of the
// list.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "sim/DeviceMemory.h"
#include "sim/TagList.h"

namespace orvane::sim {

class PanelAddressBook {
 public:
  /// Finds the driver for the PLC codes of the panel's stand-in driver
  /// image among the installed drivers; without one only "#N" names work.
  explicit PanelAddressBook(const PanelMemory& memory);
  ~PanelAddressBook();
  PanelAddressBook(const PanelAddressBook&) = delete;
  PanelAddressBook& operator=(const PanelAddressBook&) = delete;

  bool HasDriver() const;
  std::string DriverName() const;

  /// The 1-based entries a register name gives (every entry of the same
  /// address); empty with error saying why.
  std::vector<uint16_t> Resolve(const std::string& name, const TagList& tags,
                                std::string& error) const;
  /// The address text of an entry through the driver; empty without one.
  std::string AddressText(const TagEntry& entry) const;

 private:
  struct Driver;
  std::unique_ptr<Driver> driver_;
  std::string why_;  // why there is no driver
};

/// "NAME=VALUE" split at the last '='; false when there is none.
bool SplitAssignment(const std::string& text, std::string& name, std::string& value);

/// A register value: decimal as the value of the entry's type, or "0x.." as
/// the register's bits.
struct RegisterValueText {
  uint32_t number = 0;
  bool bits = false;
};
bool ParseRegisterValue(const std::string& text, RegisterValueText& value);

}  // namespace orvane::sim
