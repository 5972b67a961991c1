// Map strings handed to the host. ValidatePlc allocates them here and the
// host gives them back through ReleaseMapString, so the same runtime frees
// what it allocated.
#pragma once

#include <cstddef>
#include <cstdint>

namespace orvane::plugin {

/// A new buffer holding a copy of length bytes.
unsigned char* AllocateMapString(const unsigned char* bytes, size_t length);

/// Frees a buffer from AllocateMapString; nullptr is ignored.
void FreeMapString(unsigned char* mapString);

/// Numbers inside a map string are stored high byte first.
inline void PutWord(unsigned char* bytes, uint16_t value) {
  bytes[0] = static_cast<unsigned char>(value >> 8);
  bytes[1] = static_cast<unsigned char>(value & 0xFF);
}

inline uint16_t GetWord(const unsigned char* bytes) {
  return static_cast<uint16_t>((bytes[0] << 8) | bytes[1]);
}

}  // namespace orvane::plugin
