// Fallon's memory map: DirectLOGIC names on the Modbus references the Koyo
// CPUs answer at. Each area maps onto a run of references in one group
// (0 coils, 1 discrete inputs, 2 input registers, 3 holding registers); the
// map string holds the reference counted from its group's numbering base
// (0, 10000, 30000, 40000 or 400000), so X0, input 12049, is 2049.
//
// Map string (6 bytes): 0 unit (255 none), 1 group, 2-3 reference (high
// byte first), 4 bit (0 for a discrete point, 255 for a register), 5 type
// code.
#include "plugins/Fallon/Fallon.h"

namespace orvane::fallon {
namespace {

using namespace dlogic;

enum Group : unsigned char { kCoils = 0, kInputs = 1, kInputRegisters = 2, kHoldingRegisters = 3 };

// One reference per point.
constexpr MemoryArea Points(const char* name, unsigned char type, uint32_t last, bool readOnly,
                            uint32_t reference, unsigned char group, int digits) {
  return {name,  type,           0,         last, 0,     readOnly, AreaKind::Discrete,
          false, Alignment::Any, reference, 1,    group, 0,        digits};
}

// The image registers of the points, addressed bit by bit: V40400/0 is X0.
constexpr MemoryArea ImageBits(uint32_t first, uint32_t last, bool readOnly, uint32_t reference,
                               unsigned char group) {
  return {"V",       2, first, last, first, readOnly, AreaKind::BitsOfWords, true, Alignment::Any,
          reference, 1, group, 0,    5};
}

// V-memory words, one reference each.
constexpr MemoryArea Words(uint32_t first, uint32_t last, bool readOnly, uint32_t reference,
                           unsigned char group) {
  return {"V",       2, first, last, first, readOnly, AreaKind::Words, false, Alignment::Any,
          reference, 1, group, 0,    5};
}

constexpr MemoryArea kAreas[] = {
    Points("X", 0, 01777, kReadOnly, 2049, kInputs, 4),
    Points("Y", 1, 01777, kReadWrite, 2049, kCoils, 4),
    Points("C", 3, 03777, kReadWrite, 3073, kCoils, 4),
    Points("SP", 4, 0777, kReadOnly, 3073, kInputs, 3),
    Points("T", 6, 0377, kReadWrite, 6145, kCoils, 3),
    Points("CT", 5, 0377, kReadWrite, 6401, kCoils, 3),
    Points("S", 7, 01777, kReadWrite, 5121, kCoils, 4),
    Points("GX", 8, 03777, kReadOnly, 1, kInputs, 4),
    Points("GY", 9, 03777, kReadWrite, 1, kCoils, 4),
    ImageBits(040400, 040477, kReadOnly, 2049, kInputs),   // X
    ImageBits(040500, 040577, kReadWrite, 2049, kCoils),   // Y
    ImageBits(040600, 040777, kReadWrite, 3073, kCoils),   // C
    ImageBits(041100, 041117, kReadWrite, 6145, kCoils),   // T
    ImageBits(041140, 041157, kReadWrite, 6401, kCoils),   // CT
    ImageBits(041000, 041077, kReadWrite, 5121, kCoils),   // S
    ImageBits(040200, 040377, kReadWrite, 1, kCoils),      // GY
    ImageBits(041200, 041237, kReadOnly, 3073, kInputs),   // SP
    ImageBits(040000, 040177, kReadOnly, 1, kInputs),      // GX
    Words(0, 0377, kReadOnly, 1, kInputRegisters),         // 30001-30256
    Words(01000, 01177, kReadOnly, 513, kInputRegisters),  // 30513-30640
    Words(01200, 07577, kReadWrite, 641, kHoldingRegisters),
    // 40449-40512: one reference per word, like every other run.
    Words(0700, 0777, kReadWrite, 449, kHoldingRegisters),
    Words(07400, 07777, kReadWrite, 3841, kHoldingRegisters),
    Words(010000, 023416, kReadWrite, 4097, kHoldingRegisters),  // up to 49999
    // Six-digit numbering from here: 410000-416384.
    Words(023417, 037777, kReadWrite, 10000, kHoldingRegisters),
    Words(037000, 037777, kReadWrite, 15873, kHoldingRegisters),
};

// Unit, group, reference, bit.
constexpr plugin::MapField kOrder[] = {{0, 1}, {1, 1}, {2, 2}, {4, 1}};

}  // namespace

const dlogic::DirectLogicDialect& Dialect() {
  static const dlogic::DirectLogicDialect dialect{
      .areas = kAreas,
      .unit =
          plugin::StationRule{
              .longest = 3,
              .notation = DT_UNSIGNED_DECIMAL,
              .minimum = 1,
              .maximum = 247,
              .none = 255,
              .badLength = plugin::SharedError(plugin::kUnitError),
              .notANumber = plugin::SharedError(plugin::kUnitError),
              .outOfRange = plugin::SharedError(plugin::kUnitError),
          },
      .map = {.length = 6, .unit = 0, .group = 1, .value = 2, .bit = 4, .type = 5, .size = -1},
      .order = kOrder,
      .discreteBit = 0,
  };
  return dialect;
}

}  // namespace orvane::fallon
