// Calden's memory map (DL05 style). The map string holds the V-memory word
// an address lives in, as the binary value of its octal address (V2000 is
// 0x0400), so that discrete points land on their image registers: X20 is
// V40401 bit 0.
//
// Map string (5 bytes): 0 unit, 1-2 V-memory word (high byte first), 3 bit
// (255 none), 4 type code.
#include "plugins/Calden/Calden.h"

namespace orvane::calden {
namespace {

using namespace dlogic;

// Discrete points, sixteen to the word of their image registers.
constexpr MemoryArea Points(const char* name, unsigned char type, uint32_t last, bool readOnly,
                            uint32_t image, int digits) {
  return {name,  type,           0,     last, 0, readOnly, AreaKind::Discrete,
          false, Alignment::Any, image, 16,   0, 0,        digits};
}

// V-memory words, stored as themselves, with an optional "/" bit.
constexpr MemoryArea VMemory(uint32_t first, uint32_t last, bool readOnly) {
  return {"V", 2, first, last, 0, readOnly, AreaKind::Words, true, Alignment::Any, 0, 1, 0, 0, 5};
}

// The first area that holds an address wins, so 37000-37777 stays inside
// 10000-37777.
constexpr MemoryArea kAreas[] = {
    Points("X", 0, 01777, kReadWrite, 040400, 4),
    Points("Y", 1, 01777, kReadWrite, 040500, 4),
    Points("C", 3, 03777, kReadWrite, 040600, 4),
    Points("SP", 4, 0777, kReadOnly, 041200, 3),
    Points("T", 6, 0377, kReadOnly, 041100, 3),
    Points("CT", 5, 0377, kReadOnly, 041140, 3),
    Points("S", 7, 01777, kReadWrite, 041000, 4),
    Points("GX", 8, 03777, kReadWrite, 040000, 4),
    Points("GY", 9, 03777, kReadWrite, 040200, 4),
    VMemory(040400, 040477, kReadWrite),
    VMemory(040500, 040577, kReadWrite),
    VMemory(040600, 040777, kReadWrite),
    VMemory(041200, 041237, kReadWrite),
    VMemory(041000, 041077, kReadWrite),
    VMemory(040000, 040177, kReadWrite),
    VMemory(040200, 040377, kReadWrite),
    VMemory(0, 0377, kReadWrite),
    VMemory(01000, 01177, kReadWrite),
    VMemory(01200, 07577, kReadWrite),
    VMemory(010000, 037777, kReadWrite),
    VMemory(037000, 037777, kReadWrite),
    VMemory(041100, 041117, kReadOnly),
    VMemory(041140, 041157, kReadOnly),
    VMemory(0700, 0777, kReadOnly),
    VMemory(07600, 07777, kReadOnly),
};

// Unit, V-memory word, bit.
constexpr plugin::MapField kOrder[] = {{0, 1}, {1, 2}, {3, 1}};

}  // namespace

const dlogic::DirectLogicDialect& Dialect() {
  static const dlogic::DirectLogicDialect dialect{
      .areas = kAreas,
      .unit = dlogic::DirectNetUnit(3),
      .map = {.length = 5, .unit = 0, .group = -1, .value = 1, .bit = 3, .type = 4, .size = -1},
      .order = kOrder,
  };
  return dialect;
}

}  // namespace orvane::calden
