#include "link/SystemAttributeRecord.h"

#include "link/AttributeReplies.h"
#include "link/RecordBytes.h"
#include "project/TOvPanel.h"

namespace orvane {
namespace {

namespace r = records;

constexpr int kFlashBitDistance = 5;
constexpr uint16_t kBeeperBit = 0x8000;
constexpr uint8_t kOptionPlcMessageDelay = 0x01;
constexpr uint8_t kOptionCursorOnPlcMessage = 0x02;
constexpr uint16_t kEndOfLineRegisters = 0xFFFF;

}  // namespace

TOvWriteSysAttrCmd::TOvWriteSysAttrCmd(const TOvPanel& panel)
    : TOvXCmd(protocol::kWriteSystemAttributes), panel_(panel) {}

bool TOvWriteSysAttrCmd::FillPayload(FrameBuffer frame) {
  frame[protocol::kLengthOffset] = kLength;
  frame[5] = 0x00;
  r::PutBigEndian16(frame, 6, r::WireTagIndex(panel_.keysLeds.buttonWord.tagIndex));
  r::PutBigEndian16(frame, 8, r::WireTagIndex(panel_.keysLeds.ledWord.tagIndex));
  r::PutBigEndian16(frame, 10, r::WireTagIndex(panel_.annunciatorWord.tagIndex));
  r::PutBigEndian16(frame, 12, KeyLedWord(panel_.keysLeds, panel_.beeperEnabled));
  r::PutBigEndian16(frame, 14, r::WireTagIndex(panel_.passwordRegister.tagIndex));
  r::PutBigEndian32(frame, 16, panel_.localPassword);
  for (size_t line = 0; line < panel_.lineRegisters.size(); ++line) {
    r::PutBigEndian16(frame, 20 + 2 * line, r::WireTagIndex(panel_.lineRegisters[line].tagIndex));
  }
  for (size_t key = 0; key < panel_.keysLeds.buttonAction.size(); ++key) {
    frame[28 + key] = static_cast<uint8_t>(panel_.keysLeds.buttonAction[key]);
  }
  r::PutBigEndian16(frame, 33, static_cast<uint16_t>(panel_.firstMessageNumber));
  uint8_t options = 0;
  if (panel_.plcMessageDelay) {
    options |= kOptionPlcMessageDelay;
  }
  if (panel_.cursorOnPlcMessage) {
    options |= kOptionCursorOnPlcMessage;
  }
  frame[35] = options;
  return true;
}

uint16_t KeyLedWord(const TOvKeyLedConfig& keysLeds, bool beeperEnabled) {
  uint16_t word = beeperEnabled ? kBeeperBit : 0;
  for (size_t led = 0; led < keysLeds.ledMode.size(); ++led) {
    const auto ledBit = static_cast<uint16_t>(1u << led);
    const auto flashBit = static_cast<uint16_t>(1u << (led + kFlashBitDistance));
    if (keysLeds.ledMode[led] == kLedByButton) {
      word |= ledBit;
    } else if (keysLeds.ledMode[led] == kLedByButtonAndFlash) {
      word |= ledBit | flashBit;
    }
  }
  return word;
}

void ApplySystemAttributes(const TOvSysAttrResp& reply, TOvPanel& panel) {
  panel.keysLeds.buttonWord.tagIndex = reply.ButtonWordTag();
  panel.keysLeds.ledWord.tagIndex = reply.LedWordTag();
  panel.annunciatorWord.tagIndex = reply.AnnunciatorWordTag();
  panel.passwordRegister.tagIndex = reply.PasswordRegisterTag();

  const uint16_t word = reply.KeyLedWord();
  for (size_t led = 0; led < panel.keysLeds.ledMode.size(); ++led) {
    const bool ledBit = (word & (1u << led)) != 0;
    const bool flashBit = (word & (1u << (led + kFlashBitDistance))) != 0;
    if (ledBit) {
      panel.keysLeds.ledMode[led] = flashBit ? kLedByButtonAndFlash : kLedByButton;
    } else if (!flashBit) {
      panel.keysLeds.ledMode[led] = kLedByPlc;
    }
  }
  panel.beeperEnabled = (word & kBeeperBit) != 0;

  panel.localPassword = reply.LocalPassword();
  for (size_t line = 0; line < panel.lineRegisters.size(); ++line) {
    const uint16_t index = reply.LineRegisterTag(static_cast<int>(line));
    if (index == kEndOfLineRegisters) {
      break;
    }
    panel.lineRegisters[line].tagIndex = index;
  }
  for (size_t key = 0; key < panel.keysLeds.buttonAction.size(); ++key) {
    panel.keysLeds.buttonAction[key] = reply.ButtonAction(static_cast<int>(key));
  }
  panel.firstMessageNumber = reply.FirstMessageNumber();
  panel.plcMessageDelay = reply.PlcMessageDelay();
  panel.cursorOnPlcMessage = reply.CursorOnPlcMessage();
}

}  // namespace orvane
