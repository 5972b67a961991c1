// DirectLOGIC memory areas as data: one row per contiguous range of one
// memory type, with everything the validator, the map string and the
// rebuild need. Addresses are octal, as the PLC numbers them (the tables
// write them as octal literals: 01777).
#pragma once

#include <cstdint>
#include <span>

namespace orvane::dlogic {

enum class AreaKind : uint8_t {
  Discrete,     // single points (inputs, outputs, relays, contacts)
  Words,        // registers
  BitsOfWords,  // the bits of image registers, each one reference
};

enum class Alignment : uint8_t { Any, Even, Odd };

/// One row, for the addresses first..last. The map value of an address is
///   Discrete, Words: base + (address - origin) / divisor; for discrete
///     points the remainder is the bit byte (the point within the value);
///   BitsOfWords:     base + (address - origin) * 16 + bit.
struct MemoryArea {
  const char* name;        // upper case
  unsigned char typeCode;  // stored in the map string
  uint32_t first;
  uint32_t last;
  uint32_t origin;  // the address the mapping counts from, at most first
  bool readOnly;
  AreaKind kind;
  bool slashBit;  // a "/" bit may follow (for BitsOfWords it must)
  Alignment alignment;
  uint32_t base;
  uint32_t divisor;
  unsigned char group;  // the reference group, where the map string has one
  char size;            // the size character, where the map string has one
  int digits;           // octal digits the rebuild writes
};

/// Where the fields of a driver's map string lie; -1 for a field it does
/// not have. The value is two bytes, high byte first.
struct MapLayout {
  int length;
  int unit;
  int group;
  int value;
  int bit;
  int type;
  int size;
};

inline constexpr unsigned char kNoBit = 255;

/// MemoryArea::readOnly.
inline constexpr bool kReadOnly = true;
inline constexpr bool kReadWrite = false;

}  // namespace orvane::dlogic
