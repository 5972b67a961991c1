// The PLC the virtual panel talks to: a register map keyed by the address a
// tag list entry holds, so entries that name the same address share one
// register whatever data type they read it as.
#pragma once

#include <cstdint>
#include <map>
#include <optional>

#include "sim/TagList.h"

namespace orvane::sim {

/// The register bits that hold a value of the type (BCD digits a nibble
/// each); nothing when the value is beyond what the type holds.
std::optional<uint32_t> RegisterBitsOf(RegisterType type, uint32_t value);
/// The value register bits hold for the type; nothing for BCD with a nibble
/// above 9.
std::optional<uint32_t> ValueOfRegisterBits(RegisterType type, uint32_t bits);
/// The bits a register of the type has: 16 or 32.
uint32_t RegisterMask(RegisterType type);

class MockPlc {
 public:
  /// The register's bits as an entry of the type reads them (the low 16 bits
  /// for a 16-bit entry); 0 for a register never set.
  uint32_t Bits(const TagEntry& entry) const;
  void SetBits(const TagEntry& entry, uint32_t bits);
  /// The value the register holds for the entry's type.
  std::optional<uint32_t> Value(const TagEntry& entry) const;

  const std::map<Bytes, uint32_t>& Registers() const { return registers_; }

 private:
  std::map<Bytes, uint32_t> registers_;
};

}  // namespace orvane::sim
