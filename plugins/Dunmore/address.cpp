// Dunmore's memory map (DL330/DL340). The map string holds the reference
// the panel asks the PLC for: eight discrete points to a reference, and the
// 8-bit registers, which a 16-bit value takes in pairs from an even address.
//
// Map string (6 bytes): 0 unit, 1-2 reference (high byte first), 3 bit or
// point (255 none), 4 type code, 5 the size character: ASCII "3" for points
// and bit-capable registers, "1" for the other registers.
#include "plugins/Dunmore/Dunmore.h"

namespace orvane::dunmore {
namespace {

using namespace dlogic;

constexpr char kPoints = '3';
constexpr char kRegisters = '1';

// Discrete points: reference = address / 8 + 1, the point address mod 8.
constexpr MemoryArea Points(const char* name, unsigned char type, uint32_t first, uint32_t last,
                            bool readOnly, int digits) {
  return {name,  type,           first, last, 0, readOnly, AreaKind::Discrete,
          false, Alignment::Any, 1,     8,    0, kPoints,  digits};
}

// Registers that take a "/" bit: reference = address + 1.
constexpr MemoryArea BitRegisters(uint32_t first, uint32_t last, Alignment alignment) {
  return {"R",  4,         first, last, 0, kReadWrite, AreaKind::Words,
          true, alignment, 1,     1,    0, kPoints,    3};
}

// Registers without bits: reference = base + (address - first) / step.
constexpr MemoryArea Registers(const char* name, uint32_t first, uint32_t last, bool readOnly,
                               uint32_t base, uint32_t step) {
  return {name,
          4,
          first,
          last,
          first,
          readOnly,
          AreaKind::Words,
          false,
          step == 2 ? Alignment::Even : Alignment::Any,
          base,
          step,
          0,
          kRegisters,
          3};
}

constexpr MemoryArea kAreas[] = {
    Points("IO", 0, 0, 0157, kReadWrite, 3),
    Points("IO", 0, 0700, 0767, kReadWrite, 3),
    Points("C", 1, 0160, 0373, kReadWrite, 4),
    Points("C", 1, 01000, 01067, kReadWrite, 4),
    Points("C", 1, 0374, 0377, kReadOnly, 4),
    Points("C", 1, 0770, 0777, kReadOnly, 4),
    Points("C", 1, 01070, 01077, kReadOnly, 4),
    Points("T", 3, 0600, 0677, kReadOnly, 3),
    Points("SR", 2, 0400, 0577, kReadOnly, 3),
    Points("CT", 5, 0600, 0677, kReadOnly, 3),
    BitRegisters(0, 015, Alignment::Even),
    BitRegisters(016, 037, Alignment::Even),
    BitRegisters(070, 076, Alignment::Even),
    BitRegisters(0100, 0106, Alignment::Even),
    // The last register of each run stands alone, so it may be odd.
    BitRegisters(037, 037, Alignment::Any),
    BitRegisters(077, 077, Alignment::Any),
    BitRegisters(0107, 0107, Alignment::Any),
    Registers("R", 0600, 0677, kReadWrite, 1, 1),
    Registers("R", 0400, 0563, kReadWrite, 65, 2),
    Registers("R", 0700, 0767, kReadWrite, 129, 2),
    Registers("R", 0574, 0577, kReadOnly, 127, 2),
    Registers("R", 0770, 0777, kReadOnly, 157, 2),
    // Timer and counter accumulators are the registers R600-R677.
    Registers("TCA", 0600, 0677, kReadWrite, 1, 1),
    Registers("CTA", 0600, 0677, kReadWrite, 1, 1),
};

// Unit, reference, type code, then the point or bit and the size, so that
// the eight points of one reference and R0 / R600 stay apart.
constexpr plugin::MapField kOrder[] = {{0, 1}, {1, 2}, {4, 1}, {3, 1}, {5, 1}};

}  // namespace

const dlogic::DirectLogicDialect& Dialect() {
  static const dlogic::DirectLogicDialect dialect{
      .areas = kAreas,
      .unit = dlogic::DirectNetUnit(2),
      .map = {.length = 6, .unit = 0, .group = -1, .value = 1, .bit = 3, .type = 4, .size = 5},
      .order = kOrder,
  };
  return dialect;
}

}  // namespace orvane::dunmore
