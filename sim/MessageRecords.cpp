#include "sim/MessageRecords.h"

#include <algorithm>

#include "sim/DeviceMemory.h"
#include "sim/RecordFields.h"

namespace orvane::sim {
namespace {

constexpr uint8_t kBlankByte = 0xFF;

// The codes of a data item's digits: five narrow ones (16-bit data) from
// 128, ten wide ones (32-bit data) from 144; the top code of a range is the
// units digit.
constexpr int kNarrowFirst = 128;
constexpr int kNarrowPerItem = 5;
constexpr int kUnusedCode = 143;
constexpr int kWideFirst = 144;
constexpr int kWidePerItem = 10;
constexpr int kWideLast = kWideFirst + 3 * kWidePerItem - 1;

int TopCode(int item, bool wide) {
  return wide ? kWideFirst + kWidePerItem * item - 1 : kNarrowFirst + kNarrowPerItem * item - 1;
}

// Flags byte of both record kinds.
constexpr uint8_t kFlagReserved = 0x81;
constexpr uint8_t kFlagVariablePoint = 0x02;
constexpr int kAccessShift = 2;
constexpr uint8_t kAccessMask = 0x03;
constexpr uint8_t kAccessUndefined = 3;
constexpr int kLeadingZeroShift = 4;

bool IsBlank(std::span<const uint8_t> record) {
  return std::all_of(record.begin() + 2, record.end(), [](uint8_t b) { return b == kBlankByte; });
}

// The flags: the decimal point, the access and the leading zeros; false
// for a reserved bit or an access of 3.
bool ReadFlags(uint8_t flags, ItemOneOptions& options, std::array<bool, 3>& leading_zeros) {
  if ((flags & kFlagReserved) != 0) {
    return false;
  }
  options.variableDecimalPoint = (flags & kFlagVariablePoint) != 0;
  options.access = (flags >> kAccessShift) & kAccessMask;
  for (int item = 0; item < 3; ++item) {
    leading_zeros[item] = (flags & (1 << (kLeadingZeroShift + item))) != 0;
  }
  return options.access != kAccessUndefined;
}

uint8_t WriteFlags(const ItemOneOptions& options, const std::array<bool, 3>& leading_zeros) {
  uint8_t flags = options.variableDecimalPoint ? kFlagVariablePoint : 0;
  flags |= static_cast<uint8_t>(options.access << kAccessShift);
  for (int item = 0; item < 3; ++item) {
    if (leading_zeros[item]) {
      flags |= static_cast<uint8_t>(1 << (kLeadingZeroShift + item));
    }
  }
  return flags;
}

// Limits: a 0/1 byte, and a minimum not above the maximum when they are on.
bool ReadLimits(std::span<const uint8_t> record, size_t limits_at, size_t maximum_at,
                ItemOneOptions& options) {
  const uint8_t limits = record[limits_at];
  options.limitsEnabled = limits == 1;
  options.maximum = ReadBig32(record, maximum_at);
  options.minimum = ReadBig32(record, maximum_at + 4);
  return limits <= 1 && (!options.limitsEnabled || options.minimum <= options.maximum);
}

// The decimal point register only with the PLC-controlled point.
bool ReadDecimalPointTag(std::span<const uint8_t> record, size_t offset, ItemOneOptions& options) {
  options.decimalPointTag = ReadBig16(record, offset);
  // Without a register the PLC places no point: the panel shows none.
  return ValidTagIndex(options.decimalPointTag) &&
         (options.variableDecimalPoint || options.decimalPointTag == kNoTagIndex);
}

// Text bytes the display shows: printable characters and the upper half of
// its character set; no control bytes.
bool IsDisplayCharacter(uint8_t byte) {
  return byte >= 0x20 && byte != 0x7F;
}

Bytes BlankRecord(uint16_t number, size_t size) {
  Bytes bytes;
  AppendBig16(bytes, number);
  bytes.resize(size, kBlankByte);
  return bytes;
}

bool ValidNumber(uint16_t number) {
  return number >= kFirstMessageNumber && number <= kLastMessageNumber;
}

}  // namespace

Decoded<MessageText> DecodeText(std::span<const uint8_t> text, bool variable_decimal_point) {
  Decoded<MessageText> result;
  MessageText& decoded = result.record;
  std::array<std::array<int, kWidePerItem>, 3> seen{};
  std::array<bool, 3> narrowSeen{};
  std::array<bool, 3> wideSeen{};
  for (const uint8_t byte : text) {
    TextCell cell;
    cell.byte = byte;
    const int code = byte;
    if (code == kUnusedCode || !IsDisplayCharacter(byte)) {
      result.error = codes::kInvalidByte;
      return result;
    }
    const bool narrow = code >= kNarrowFirst && code < kUnusedCode;
    const bool wide = code >= kWideFirst && code <= kWideLast;
    if (narrow || wide) {
      const int item = narrow ? (code - kNarrowFirst) / kNarrowPerItem + 1
                              : (code - kWideFirst) / kWidePerItem + 1;
      cell.kind = CellKind::Digit;
      cell.item = item;
      cell.position = TopCode(item, wide) - code;
      (wide ? wideSeen : narrowSeen)[item - 1] = true;
      ItemLayout& layout = decoded.items[item - 1];
      layout.wide = wide;
      int& count = seen[item - 1][cell.position];
      if (count > 0) {
        // The units code twice: the second one is item 1's decimal point,
        // when the PLC places it.
        const bool point = item == 1 && cell.position == 0 && variable_decimal_point &&
                           !layout.hasDecimalPointCell;
        if (!point) {
          result.error = codes::kInvalidByte;
          return result;
        }
        cell.kind = CellKind::DecimalPoint;
        layout.hasDecimalPointCell = true;
      } else {
        ++layout.digits;
      }
      ++count;
    }
    decoded.cells.push_back(cell);
  }
  for (int item = 0; item < 3; ++item) {
    const ItemLayout& layout = decoded.items[item];
    // One range per item, and every position from the units to the highest.
    const bool mixed = narrowSeen[item] && wideSeen[item];
    const bool gaps = std::any_of(seen[item].begin(), seen[item].begin() + layout.digits,
                                  [](int count) { return count == 0; });
    if (mixed || gaps) {
      result.error = codes::kInvalidByte;
      return result;
    }
  }
  return result;
}

Bytes EncodeText(const MessageText& text) {
  Bytes bytes;
  for (const TextCell& cell : text.cells) {
    switch (cell.kind) {
      case CellKind::Character:
        bytes.push_back(cell.byte);
        break;
      case CellKind::Digit:
        bytes.push_back(static_cast<uint8_t>(TopCode(cell.item, text.items[cell.item - 1].wide) -
                                             cell.position));
        break;
      case CellKind::DecimalPoint:
        bytes.push_back(static_cast<uint8_t>(TopCode(1, text.items[0].wide)));
        break;
    }
  }
  return bytes;
}

Decoded<TextMessageRecord> DecodeTextMessage(std::span<const uint8_t> record) {
  Decoded<TextMessageRecord> result;
  TextMessageRecord& message = result.record;
  auto refuse = [&result](uint8_t error) {
    result.error = error;
    return result;
  };
  if (record.size() != kTextMessageRecordSize) {
    return refuse(codes::kInvalidMessageLength);
  }
  message.number = ReadBig16(record, 0);
  if (!ValidNumber(message.number)) {
    return refuse(codes::kInvalidMessageNumber);
  }
  if (IsBlank(record)) {
    message.blank = true;
    return result;
  }
  const std::span<const uint8_t> text = record.subspan(2, kTextLength);
  message.textBytes.assign(text.begin(), text.end());
  const uint8_t isFolder = record[22];
  message.isFolder = isFolder == 1;
  message.depth = record[23];
  for (size_t item = 0; item < 3; ++item) {
    message.tags[item] = ReadBig16(record, 24 + 2 * item);
  }
  message.password = record[30];
  const bool fieldsValid = isFolder <= 1 && message.password <= 2 &&
                           std::all_of(message.tags.begin(), message.tags.end(), ValidTagIndex) &&
                           ReadFlags(record[42], message.item1, message.leadingZeros) &&
                           ReadLimits(record, 31, 32, message.item1) &&
                           ReadDecimalPointTag(record, 40, message.item1) &&
                           // A first text byte of 0xFF would read back as an empty number.
                           text[0] != kBlankByte;
  if (!fieldsValid) {
    return refuse(codes::kInvalidByte);
  }
  Decoded<MessageText> decodedText = DecodeText(text, message.item1.variableDecimalPoint);
  if (decodedText.error != codes::kOk) {
    return refuse(decodedText.error);
  }
  message.text = std::move(decodedText.record);
  return result;
}

Bytes EncodeTextMessage(const TextMessageRecord& message) {
  if (message.blank) {
    return BlankRecord(message.number, kTextMessageRecordSize);
  }
  Bytes bytes;
  AppendBig16(bytes, message.number);
  const Bytes text = EncodeText(message.text);
  bytes.insert(bytes.end(), text.begin(), text.end());
  bytes.push_back(message.isFolder ? 1 : 0);
  bytes.push_back(message.depth);
  for (const uint16_t tag : message.tags) {
    AppendBig16(bytes, tag);
  }
  bytes.push_back(message.password);
  bytes.push_back(message.item1.limitsEnabled ? 1 : 0);
  AppendBig32(bytes, message.item1.maximum);
  AppendBig32(bytes, message.item1.minimum);
  AppendBig16(bytes, message.item1.decimalPointTag);
  bytes.push_back(WriteFlags(message.item1, message.leadingZeros));
  return bytes;
}

Decoded<SetPointEntryRecord> DecodeSetPointEntry(std::span<const uint8_t> record) {
  Decoded<SetPointEntryRecord> result;
  SetPointEntryRecord& entry = result.record;
  auto refuse = [&result](uint8_t error) {
    result.error = error;
    return result;
  };
  if (record.size() != kSetPointEntryRecordSize) {
    return refuse(codes::kInvalidMessageLength);
  }
  entry.number = ReadBig16(record, 0);
  if (!ValidNumber(entry.number)) {
    return refuse(codes::kInvalidMessageNumber);
  }
  if (IsBlank(record)) {
    entry.blank = true;
    return result;
  }
  const std::span<const uint8_t> description = record.subspan(2, kDescriptionLength);
  entry.description.assign(description.begin(), description.end());
  entry.tag = ReadBig16(record, 20);
  entry.fixedDecimals = record[22];
  const bool fieldsValid =
      record[18] == 0xFF && record[19] == 0x00 && ValidTagIndex(entry.tag) &&
      entry.fixedDecimals <= kMaxFixedDecimals && description[0] != kBlankByte &&
      std::all_of(description.begin(), description.end(), IsDisplayCharacter) &&
      ReadFlags(record[34], entry.value, entry.leadingZeros) &&
      ReadLimits(record, 23, 24, entry.value) && ReadDecimalPointTag(record, 32, entry.value);
  if (!fieldsValid) {
    return refuse(codes::kInvalidByte);
  }
  return result;
}

Bytes EncodeSetPointEntry(const SetPointEntryRecord& entry) {
  if (entry.blank) {
    return BlankRecord(entry.number, kSetPointEntryRecordSize);
  }
  Bytes bytes;
  AppendBig16(bytes, entry.number);
  bytes.insert(bytes.end(), entry.description.begin(), entry.description.end());
  bytes.push_back(0xFF);
  bytes.push_back(0x00);
  AppendBig16(bytes, entry.tag);
  bytes.push_back(entry.fixedDecimals);
  bytes.push_back(entry.value.limitsEnabled ? 1 : 0);
  AppendBig32(bytes, entry.value.maximum);
  AppendBig32(bytes, entry.value.minimum);
  AppendBig16(bytes, entry.value.decimalPointTag);
  bytes.push_back(WriteFlags(entry.value, entry.leadingZeros));
  return bytes;
}

}  // namespace orvane::sim
