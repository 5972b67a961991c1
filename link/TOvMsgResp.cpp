#include "link/TOvMsgResp.h"

#include <algorithm>

#include "link/MessageText.h"
#include "project/TOvPanel.h"

namespace orvane {
namespace {

constexpr size_t kEmptyMarkOffset = 9;
constexpr uint8_t kEmptyMark = 0xFF;
constexpr size_t kTextOffset = 9;
constexpr size_t kSetPointTextLength = 16;
// The flags byte ends each layout.
constexpr size_t kTextFlagsOffset = 49;
constexpr size_t kSetPointFlagsOffset = 41;

constexpr uint8_t kFlagVariableDecimalPoint = 0x02;
constexpr uint8_t kFlagLeadingZeros1 = 0x10;

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

int32_t AccessTypeOfFlags(uint8_t flags, int32_t otherwise) {
  const int32_t bits = (flags >> 2) & 0x03;
  return bits <= kAccessWriteOnly ? bits : otherwise;
}

}  // namespace

TOvMsgResp::TOvMsgResp(std::span<const uint8_t> frame, TOvPanel* panel) : message_(panel) {
  Parse(frame);
  const std::span<const uint8_t> body = WithoutCrc(frame);
  if (body.size() > kRecordOffset) {
    record_.assign(body.begin() + kRecordOffset, body.end());
  }
  hasMessage_ = Carries(frame, kEmptyMarkOffset) && frame[kEmptyMarkOffset] != kEmptyMark;
  if (!hasMessage_ || panel == nullptr) {
    return;
  }
  if (panel->IsSetPoint()) {
    DecodeSetPointRecord(frame);
  } else {
    DecodeTextRecord(frame);
  }
  decoded_ = true;
}

uint16_t TOvMsgResp::WireNumber() const {
  if (!hasMessage_) {
    return 0;
  }
  return static_cast<uint16_t>(record_[0] << 8 | record_[1]);
}

bool TOvMsgResp::Fits(std::span<const uint8_t> frame, const TOvPanel* panel) {
  if (!Carries(frame, kEmptyMarkOffset)) {
    return false;
  }
  if (panel == nullptr || frame[kEmptyMarkOffset] == kEmptyMark) {
    return true;
  }
  return Carries(frame, panel->IsSetPoint() ? kSetPointFlagsOffset : kTextFlagsOffset);
}

// Every field is read through the bounded helpers, so a frame the factory
// did not check reads as zeros past its end.
void TOvMsgResp::DecodeTextRecord(std::span<const uint8_t> frame) {
  const std::span<const uint8_t> body = WithoutCrc(frame);
  const std::span<const uint8_t> text = body.subspan(kTextOffset);
  const uint8_t flags = ByteAt(body, kTextFlagsOffset);
  const uint8_t password = ByteAt(body, 37);
  TOvReadWriteTag& item1 = message_.item1;

  message_.number = BigEndian16(body, 7);
  message_.isFolder = ByteAt(body, 29) != 0 ? 1 : 0;
  message_.text = DecodeMessageText(text, message_.isFolder != 0);
  message_.depth = ByteAt(body, 30);
  item1.tagIndex = BigEndian16(body, 31);
  message_.item2.tagIndex = BigEndian16(body, 33);
  message_.item3.tagIndex = BigEndian16(body, 35);
  item1.passwordProtected = password != 0;
  if (item1.passwordProtected) {
    item1.passwordIsLocal = password == 1;
  }
  item1.limitsEnabled = ByteAt(body, 38) == 1;
  item1.maximum = BigEndian32(body, 39);
  item1.minimum = BigEndian32(body, 43);
  item1.variableDecimalPoint = (flags & kFlagVariableDecimalPoint) != 0;
  if (item1.variableDecimalPoint) {
    item1.decimalPointRegister.tagIndex = BigEndian16(body, 47);
  }
  item1.accessType = AccessTypeOfFlags(flags, item1.accessType);
  for (size_t item = 0; item < message_.leadingZeros.size(); ++item) {
    message_.leadingZeros[item] = (flags & (kFlagLeadingZeros1 << item)) != 0;
  }
  item1.fixedDecimalPoint = kNoDecimalPoint;
}

void TOvMsgResp::DecodeSetPointRecord(std::span<const uint8_t> frame) {
  const std::span<const uint8_t> body = WithoutCrc(frame);
  const std::span<const uint8_t> text =
      body.subspan(kTextOffset).first(std::min(body.size() - kTextOffset, kSetPointTextLength));
  const uint8_t flags = ByteAt(body, kSetPointFlagsOffset);
  const uint8_t fixedDecimalPoint = ByteAt(body, 29);
  TOvReadWriteTag& item1 = message_.item1;

  message_.number = BigEndian16(body, 7);
  message_.text.assign(text.begin(), text.end());
  while (!message_.text.empty() && IsBlank(message_.text.back())) {
    message_.text.pop_back();
  }
  message_.isFolder = 0;
  message_.depth = 0;
  message_.isPlcMessage = 1;
  message_.setPointValue = true;
  item1.tagIndex = BigEndian16(body, 27);
  item1.fixedDecimalPoint = fixedDecimalPoint == 0 ? kNoDecimalPoint : fixedDecimalPoint;
  item1.limitsEnabled = ByteAt(body, 30) == 1;
  item1.maximum = BigEndian32(body, 31);
  item1.minimum = BigEndian32(body, 35);
  item1.decimalPointRegister.tagIndex = BigEndian16(body, 39);
  item1.variableDecimalPoint = (flags & kFlagVariableDecimalPoint) != 0;
  item1.accessType = AccessTypeOfFlags(flags, item1.accessType);
}

}  // namespace orvane
