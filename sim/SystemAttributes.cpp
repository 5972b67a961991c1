#include "sim/SystemAttributes.h"

#include <algorithm>

#include "sim/RecordFields.h"

namespace orvane::sim {
namespace {

// Key/LED word: bit k an LED lit by its key, bit k + 5 flashing as well;
// bit 15 the beeper; bits 10..14 unused.
constexpr int kFlashShift = 5;
constexpr uint16_t kBeeperBit = 0x8000;
constexpr uint16_t kUnusedKeyLedBits = 0x7C00;
constexpr uint8_t kDelayBit = 0x01;
constexpr uint8_t kCursorBit = 0x02;
/// One past 256 PLC messages: no local message can follow.
constexpr uint16_t kHighestFirstMessage = 257;

}  // namespace

Decoded<SystemAttributes> DecodeSystemAttributes(std::span<const uint8_t> record) {
  Decoded<SystemAttributes> result;
  SystemAttributes& a = result.record;
  if (record.size() != kSystemAttributeRecordSize) {
    result.error = codes::kInvalidMessageLength;
    return result;
  }
  bool valid = record[0] == 0x00;
  a.buttonWordTag = ReadBig16(record, 1);
  a.ledWordTag = ReadBig16(record, 3);
  a.annunciatorWordTag = ReadBig16(record, 5);
  const uint16_t keyLed = ReadBig16(record, 7);
  a.passwordRegisterTag = ReadBig16(record, 9);
  a.localPassword = ReadBig32(record, 11);
  for (size_t line = 0; line < kLineRegisterCount; ++line) {
    a.lineRegisterTags[line] = ReadBig16(record, 15 + 2 * line);
  }
  for (size_t key = 0; key < kFunctionKeyCount; ++key) {
    const uint8_t action = record[23 + key];
    valid = valid && action <= 2;
    a.keyActions[key] = static_cast<KeyAction>(action);
    const bool byButton = (keyLed & (1u << key)) != 0;
    const bool flash = (keyLed & (1u << (key + kFlashShift))) != 0;
    valid = valid && (byButton || !flash);
    a.ledModes[key] =
        byButton ? (flash ? LedMode::ByButtonFlash : LedMode::ByButton) : LedMode::ByPlc;
  }
  a.beeper = (keyLed & kBeeperBit) != 0;
  a.firstMessageNumber = ReadBig16(record, 28);
  const uint8_t options = record[30];
  a.plcMessageDelay = (options & kDelayBit) != 0;
  a.cursorOnPlcMessage = (options & kCursorBit) != 0;

  const uint16_t tags[] = {a.buttonWordTag,       a.ledWordTag,          a.annunciatorWordTag,
                           a.passwordRegisterTag, a.lineRegisterTags[0], a.lineRegisterTags[1],
                           a.lineRegisterTags[2], a.lineRegisterTags[3]};
  valid = valid && std::all_of(std::begin(tags), std::end(tags), ValidTagIndex) &&
          (keyLed & kUnusedKeyLedBits) == 0 && (options & ~(kDelayBit | kCursorBit)) == 0 &&
          (a.firstMessageNumber <= kHighestFirstMessage || a.firstMessageNumber == kNoTagIndex);
  if (!valid) {
    result.error = codes::kInvalidByte;
  }
  return result;
}

Bytes EncodeSystemAttributes(const SystemAttributes& a) {
  Bytes bytes{0x00};
  AppendBig16(bytes, a.buttonWordTag);
  AppendBig16(bytes, a.ledWordTag);
  AppendBig16(bytes, a.annunciatorWordTag);
  uint16_t keyLed = a.beeper ? kBeeperBit : 0;
  for (int key = 0; key < kFunctionKeyCount; ++key) {
    if (a.ledModes[key] != LedMode::ByPlc) {
      keyLed |= static_cast<uint16_t>(1u << key);
    }
    if (a.ledModes[key] == LedMode::ByButtonFlash) {
      keyLed |= static_cast<uint16_t>(1u << (key + kFlashShift));
    }
  }
  AppendBig16(bytes, keyLed);
  AppendBig16(bytes, a.passwordRegisterTag);
  AppendBig32(bytes, a.localPassword);
  for (const uint16_t tag : a.lineRegisterTags) {
    AppendBig16(bytes, tag);
  }
  for (const KeyAction action : a.keyActions) {
    bytes.push_back(static_cast<uint8_t>(action));
  }
  AppendBig16(bytes, a.firstMessageNumber);
  bytes.push_back(static_cast<uint8_t>((a.plcMessageDelay ? kDelayBit : 0) |
                                       (a.cursorOnPlcMessage ? kCursorBit : 0)));
  return bytes;
}

}  // namespace orvane::sim
