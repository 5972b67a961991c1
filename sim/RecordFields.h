// Field readers and writers the panel's record decoders share: numbers are
// high byte first, and a tag index field holds a 1-based entry of the tag
// list or 0xFFFF for none.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "sim/DeviceProtocol.h"

namespace orvane::sim {

/// No tag list entry.
inline constexpr uint16_t kNoTagIndex = 0xFFFF;

inline uint16_t ReadBig16(std::span<const uint8_t> bytes, size_t offset) {
  return static_cast<uint16_t>(bytes[offset] << 8 | bytes[offset + 1]);
}

inline uint32_t ReadBig32(std::span<const uint8_t> bytes, size_t offset) {
  return uint32_t{ReadBig16(bytes, offset)} << 16 | ReadBig16(bytes, offset + 2);
}

inline void AppendBig16(Bytes& bytes, uint16_t value) {
  bytes.push_back(static_cast<uint8_t>(value >> 8));
  bytes.push_back(static_cast<uint8_t>(value));
}

inline void AppendBig32(Bytes& bytes, uint32_t value) {
  AppendBig16(bytes, static_cast<uint16_t>(value >> 16));
  AppendBig16(bytes, static_cast<uint16_t>(value));
}

/// A tag index field: 0 names no entry of a 1-based list.
inline bool ValidTagIndex(uint16_t index) {
  return index != 0;
}

}  // namespace orvane::sim
