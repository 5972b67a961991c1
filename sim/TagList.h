// The panel's own reading of the tag map stream: the count (high byte
// first), the address length, then per entry its access, data type code,
// word size and address (a map string, or behind a multiplexer the 16-bit
// little-endian position in the multiplexer's list).
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "sim/DeviceProtocol.h"
#include "sim/MessageRecords.h"

namespace orvane::sim {

/// The data a PLC register holds, as the panel reads it.
enum class RegisterType : uint8_t {
  Bcd16 = 8,
  Binary16 = 5,
  Bcd32 = 9,
  Binary32 = 6,
};

bool IsBcd(RegisterType type);
bool Is32Bit(RegisterType type);
/// The largest value a register of the type shows: 9999, 65535, 99999999,
/// 4294967295.
uint32_t LargestValue(RegisterType type);
/// "BCD 16", "Binary 16", "BCD 32", "Binary 32".
const char* RegisterTypeName(RegisterType type);

struct TagEntry {
  uint8_t access = 0;  // 0 read/write, 1 read only, 2 write only
  RegisterType type = RegisterType::Binary16;
  Bytes address;  // map string, or 2 bytes of position
};

struct TagList {
  uint8_t addressLength = 0;
  std::vector<TagEntry> entries;

  /// Entry index (1-based), or nullptr for 0xFFFF and indices past the end.
  const TagEntry* Entry(uint16_t index) const;
};

/// The most entries a panel's tag list holds, and the multiplexer's merged
/// list.
inline constexpr size_t kMaxTagEntries = 300;
inline constexpr size_t kMaxMultiplexerTagEntries = 1500;

/// Refused with code 8 for a stream shorter than its header or whose length
/// is not that of its entries; code 6 for more than max_entries; code 24 for
/// an address length of 0 (or other than 2 behind a multiplexer), an access
/// above 2, an unknown data type code, a word size that is not the type's.
Decoded<TagList> DecodeTagList(std::span<const uint8_t> stream, bool index_form,
                               size_t max_entries = kMaxTagEntries);
/// The stream check of a block write: the stream decoded and written again
/// as the device reads it, or the refusal.
uint8_t CheckTagStream(Bytes& stream, bool index_form, size_t max_entries);
Bytes EncodeTagList(const TagList& list);

}  // namespace orvane::sim
