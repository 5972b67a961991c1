// The panel's own reading of the message records it is sent: the text with
// its data item codes per digit position, the data item fields and the
// flags of a text panel's message, and the set point entry of the set point
// panel. A record the panel cannot accept is refused with the error code the
// panel answers with; an accepted record is stored as the panel writes it
// again from what it read, so what a read gives back is the panel's own
// understanding of the record.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "sim/DeviceProtocol.h"

namespace orvane::sim {

/// What one position of a message text holds.
enum class CellKind : uint8_t {
  Character,     // a character of the display's character set
  Digit,         // a digit of a data item
  DecimalPoint,  // data item 1's decimal point, placed by the PLC
};

struct TextCell {
  CellKind kind = CellKind::Character;
  uint8_t byte = 0x20;  // the byte as it came
  int item = 0;         // 1..3 for digits and the decimal point
  int position = 0;     // digit position counted from the units digit (0)
};

/// How a data item sits in a text.
struct ItemLayout {
  int digits = 0;     // digit positions, units to the highest
  bool wide = false;  // the 32-bit code range
  bool hasDecimalPointCell = false;
};

struct MessageText {
  std::vector<TextCell> cells;
  std::array<ItemLayout, 3> items{};
};

/// The options of data item 1 that both record kinds carry.
struct ItemOneOptions {
  bool limitsEnabled = false;
  uint32_t maximum = 0;
  uint32_t minimum = 0;
  bool variableDecimalPoint = false;
  uint16_t decimalPointTag = 0xFFFF;
  /// 0 read/write, 1 read only, 2 write only.
  uint8_t access = 0;
};

/// A text panel's message record (43 bytes: frame bytes 5..47 of the write).
struct TextMessageRecord {
  uint16_t number = 0;
  bool blank = false;
  Bytes textBytes;  // the 20 bytes as they came
  MessageText text;
  bool isFolder = false;
  uint8_t depth = 0;
  std::array<uint16_t, 3> tags{0xFFFF, 0xFFFF, 0xFFFF};
  /// 0 none, 1 the local password, 2 the PLC password register.
  uint8_t password = 0;
  ItemOneOptions item1;
  std::array<bool, 3> leadingZeros{};
};

/// A set point entry (35 bytes: frame bytes 5..39 of the write).
struct SetPointEntryRecord {
  uint16_t number = 0;
  bool blank = false;
  Bytes description;  // 16 bytes
  uint16_t tag = 0xFFFF;
  /// Digits after a fixed decimal point, 0 for none.
  uint8_t fixedDecimals = 0;
  ItemOneOptions value;
  /// The flags' leading-zero bits; the value shows its zeros with the first.
  std::array<bool, 3> leadingZeros{};
};

template <typename Record>
struct Decoded {
  Record record;
  uint8_t error = codes::kOk;
};

inline constexpr size_t kTextLength = 20;
inline constexpr size_t kDescriptionLength = 16;
inline constexpr size_t kTextMessageRecordSize = 43;
inline constexpr size_t kSetPointEntryRecordSize = 35;
/// The highest fixed decimal point an 8-digit value takes.
inline constexpr uint8_t kMaxFixedDecimals = 7;

/// Reads a message text: characters, and per digit position the code of its
/// data item (item 1 128..132 or 144..153, item 2 133..137 or 154..163,
/// item 3 138..142 or 164..173, the top code being the units digit). With a
/// PLC-controlled decimal point the later of two units codes of item 1 is
/// the point. Refused (code 24): control bytes, code 143, an item whose
/// digits mix both ranges, repeat a position or leave one out below its
/// highest.
Decoded<MessageText> DecodeText(std::span<const uint8_t> text, bool variable_decimal_point);
/// The bytes of a text again.
Bytes EncodeText(const MessageText& text);

Decoded<TextMessageRecord> DecodeTextMessage(std::span<const uint8_t> record);
Bytes EncodeTextMessage(const TextMessageRecord& record);

Decoded<SetPointEntryRecord> DecodeSetPointEntry(std::span<const uint8_t> record);
Bytes EncodeSetPointEntry(const SetPointEntryRecord& record);

}  // namespace orvane::sim
