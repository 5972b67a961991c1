#include "sim/MockPlc.h"

namespace orvane::sim {

uint32_t RegisterMask(RegisterType type) {
  return Is32Bit(type) ? 0xFFFFFFFFu : 0xFFFFu;
}

std::optional<uint32_t> RegisterBitsOf(RegisterType type, uint32_t value) {
  if (value > LargestValue(type)) {
    return std::nullopt;
  }
  if (!IsBcd(type)) {
    return value;
  }
  uint32_t bits = 0;
  for (int shift = 0; value != 0; shift += 4, value /= 10) {
    bits |= (value % 10) << shift;
  }
  return bits;
}

std::optional<uint32_t> ValueOfRegisterBits(RegisterType type, uint32_t bits) {
  bits &= RegisterMask(type);
  if (!IsBcd(type)) {
    return bits;
  }
  uint32_t value = 0;
  for (int shift = Is32Bit(type) ? 28 : 12; shift >= 0; shift -= 4) {
    const uint32_t digit = (bits >> shift) & 0xF;
    if (digit > 9) {
      return std::nullopt;
    }
    value = value * 10 + digit;
  }
  return value;
}

uint32_t MockPlc::Bits(const TagEntry& entry) const {
  const auto found = registers_.find(entry.address);
  return found == registers_.end() ? 0 : found->second & RegisterMask(entry.type);
}

void MockPlc::SetBits(const TagEntry& entry, uint32_t bits) {
  uint32_t& stored = registers_[entry.address];
  // A 16-bit write leaves the upper half of a register a 32-bit entry reads.
  const uint32_t mask = RegisterMask(entry.type);
  stored = (stored & ~mask) | (bits & mask);
}

std::optional<uint32_t> MockPlc::Value(const TagEntry& entry) const {
  return ValueOfRegisterBits(entry.type, Bits(entry));
}

}  // namespace orvane::sim
