#include "link/TOvWriteMsgCmd.h"

#include <algorithm>
#include <optional>

#include "link/MessageText.h"
#include "link/RecordBytes.h"
#include "project/TOvMessage.h"

namespace orvane {
namespace {

namespace r = records;

constexpr size_t kSetPointTextLength = 16;

constexpr uint8_t kFlagVariableDecimalPoint = 0x02;
constexpr uint8_t kFlagReadOnly = 0x04;
constexpr uint8_t kFlagWriteOnly = 0x08;
constexpr uint8_t kFlagLeadingZeros1 = 0x10;

// Item 1's password byte: who holds the password the operator must enter.
uint8_t PasswordByte(const TOvReadWriteTag& item) {
  if (!item.passwordProtected) {
    return 0;
  }
  return item.passwordIsLocal ? 1 : 2;
}

uint16_t DecimalPointRegisterIndex(const TOvReadWriteTag& item) {
  return item.variableDecimalPoint ? r::WireTagIndex(item.decimalPointRegister.tagIndex) : 0xFFFF;
}

}  // namespace

TOvWriteMsgCmd::TOvWriteMsgCmd(const TOvMessage& message, int32_t firstMessageNumber, bool setPoint,
                               bool blank)
    : TOvXCmd(protocol::kWriteMessage),
      message_(message),
      firstMessageNumber_(firstMessageNumber),
      setPoint_(setPoint),
      blank_(blank) {}

bool TOvWriteMsgCmd::FillPayload(FrameBuffer frame) {
  if (blank_) {
    FillBlank(frame);
    return true;
  }
  if (setPoint_) {
    FillSetPoint(frame);
    return true;
  }
  return FillStandard(frame);
}

bool TOvWriteMsgCmd::FillStandard(FrameBuffer frame) const {
  const std::optional<std::array<uint8_t, kMessageTextLength>> text = EncodeMessageText(message_);
  if (!text) {
    return false;
  }
  const TOvReadWriteTag& item1 = message_.item1;
  frame[protocol::kLengthOffset] = kStandardLength;
  r::PutBigEndian16(frame, 5,
                    static_cast<uint16_t>(WireMessageNumber(message_.number, firstMessageNumber_)));
  std::copy(text->begin(), text->end(), frame.begin() + 7);
  frame[27] = static_cast<uint8_t>(message_.isFolder);
  frame[28] = static_cast<uint8_t>(message_.depth);
  r::PutBigEndian16(frame, 29, r::WireTagIndex(item1.tagIndex));
  r::PutBigEndian16(frame, 31, r::WireTagIndex(message_.item2.tagIndex));
  r::PutBigEndian16(frame, 33, r::WireTagIndex(message_.item3.tagIndex));
  frame[35] = PasswordByte(item1);
  frame[36] = item1.limitsEnabled ? 1 : 0;
  r::PutBigEndian32(frame, 37, item1.maximum);
  r::PutBigEndian32(frame, 41, item1.minimum);
  r::PutBigEndian16(frame, 45, DecimalPointRegisterIndex(item1));
  frame[47] = MessageFlags(message_);
  return true;
}

void TOvWriteMsgCmd::FillSetPoint(FrameBuffer frame) const {
  const TOvReadWriteTag& item1 = message_.item1;
  frame[protocol::kLengthOffset] = kSetPointLength;
  r::PutBigEndian16(frame, 5, static_cast<uint16_t>(message_.number));
  std::fill_n(frame.begin() + 7, kSetPointTextLength, static_cast<uint8_t>(' '));
  std::copy_n(message_.text.begin(), std::min(message_.text.size(), kSetPointTextLength),
              frame.begin() + 7);
  frame[23] = 0xFF;
  frame[24] = 0x00;
  r::PutBigEndian16(frame, 25, r::WireTagIndex(item1.tagIndex));
  frame[27] = item1.fixedDecimalPoint == kNoDecimalPoint
                  ? 0
                  : static_cast<uint8_t>(item1.fixedDecimalPoint & 0xFF);
  frame[28] = item1.limitsEnabled ? 1 : 0;
  r::PutBigEndian32(frame, 29, item1.maximum);
  r::PutBigEndian32(frame, 33, item1.minimum);
  r::PutBigEndian16(frame, 37, DecimalPointRegisterIndex(item1));
  frame[39] = MessageFlags(message_);
}

void TOvWriteMsgCmd::FillBlank(FrameBuffer frame) const {
  const uint8_t length = setPoint_ ? kSetPointLength : kStandardLength;
  frame[protocol::kLengthOffset] = length;
  r::PutBigEndian16(frame, 5, static_cast<uint16_t>(message_.number));
  // Everything after the number up to the CRC (at L - 1).
  std::fill(frame.begin() + 7, frame.begin() + (length - 1), static_cast<uint8_t>(0xFF));
}

uint8_t MessageFlags(const TOvMessage& message) {
  uint8_t flags = 0;
  if (message.item1.variableDecimalPoint) {
    flags |= kFlagVariableDecimalPoint;
  }
  if (message.item1.accessType == kAccessReadOnly) {
    flags |= kFlagReadOnly;
  } else if (message.item1.accessType == kAccessWriteOnly) {
    flags |= kFlagWriteOnly;
  }
  for (size_t item = 0; item < message.leadingZeros.size(); ++item) {
    if (message.leadingZeros[item]) {
      flags |= static_cast<uint8_t>(kFlagLeadingZeros1 << item);
    }
  }
  return flags;
}

}  // namespace orvane
