// Field helpers shared by the panel record encoders: numbers go out high
// byte first unless a field says otherwise, and a tag index that names no
// tag table entry goes out as 0xFFFF.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace orvane::records {

/// The tag index field value of an address: its tagIndex when that fits 16
/// bits, else 0xFFFF (an address without a place in the tag table holds -1
/// or 0xFFFF, and both mean "none" to the panel).
inline uint16_t WireTagIndex(int32_t tagIndex) {
  if (tagIndex < 0 || tagIndex > 0xFFFF) {
    return 0xFFFF;
  }
  return static_cast<uint16_t>(tagIndex);
}

inline void PutBigEndian16(std::span<uint8_t> out, size_t offset, uint16_t value) {
  out[offset] = static_cast<uint8_t>(value >> 8);
  out[offset + 1] = static_cast<uint8_t>(value & 0xFF);
}

inline void PutBigEndian32(std::span<uint8_t> out, size_t offset, uint32_t value) {
  PutBigEndian16(out, offset, static_cast<uint16_t>(value >> 16));
  PutBigEndian16(out, offset + 2, static_cast<uint16_t>(value & 0xFFFF));
}

inline void PutLittleEndian16(std::span<uint8_t> out, size_t offset, uint16_t value) {
  out[offset] = static_cast<uint8_t>(value & 0xFF);
  out[offset + 1] = static_cast<uint8_t>(value >> 8);
}

}  // namespace orvane::records
