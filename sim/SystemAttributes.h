// The panel's own reading of the system attribute record (31 bytes: frame
// bytes 5..35 of the write): the tag list entries of the PLC words it reads
// and writes, the LED modes and the beeper, the keys' actions, the local
// password, the first local message and two display options.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "sim/DeviceProtocol.h"
#include "sim/MessageRecords.h"

namespace orvane::sim {

enum class LedMode : uint8_t { ByButton = 0, ByButtonFlash = 1, ByPlc = 2 };
enum class KeyAction : uint8_t { Momentary = 0, Alternate = 1, PanelSetPlcRelease = 2 };

inline constexpr int kFunctionKeyCount = 5;
inline constexpr int kLineRegisterCount = 4;
inline constexpr size_t kSystemAttributeRecordSize = 31;

struct SystemAttributes {
  uint16_t buttonWordTag = 0xFFFF;
  uint16_t ledWordTag = 0xFFFF;
  uint16_t annunciatorWordTag = 0xFFFF;
  std::array<LedMode, kFunctionKeyCount> ledModes{};
  bool beeper = false;
  uint16_t passwordRegisterTag = 0xFFFF;
  uint32_t localPassword = 0;
  std::array<uint16_t, kLineRegisterCount> lineRegisterTags{0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF};
  std::array<KeyAction, kFunctionKeyCount> keyActions{};
  /// The first local message's number on a text panel, the lowest entry on
  /// the set point panel; 0xFFFF for none.
  uint16_t firstMessageNumber = 0xFFFF;
  bool plcMessageDelay = false;
  bool cursorOnPlcMessage = false;
};

/// Refused with code 8 when not 31 bytes; with code 24 for a first byte
/// other than 0, a tag index 0, an LED with only its flash bit, key/LED word
/// bits 10..14, a key action above 2, a first message number above 257
/// (but 0xFFFF), option bits other than 0 and 1.
Decoded<SystemAttributes> DecodeSystemAttributes(std::span<const uint8_t> record);
Bytes EncodeSystemAttributes(const SystemAttributes& attributes);

}  // namespace orvane::sim
