#include "link/TOvMsgResp.h"

namespace orvane {
namespace {

constexpr size_t kEmptyMarkOffset = 9;
constexpr uint8_t kEmptyMark = 0xFF;

}  // namespace

TOvMsgResp::TOvMsgResp(std::span<const uint8_t> frame) {
  Parse(frame);
  const std::span<const uint8_t> body = WithoutCrc(frame);
  if (body.size() > kRecordOffset) {
    record_.assign(body.begin() + kRecordOffset, body.end());
  }
  hasMessage_ = Carries(frame, kEmptyMarkOffset) && frame[kEmptyMarkOffset] != kEmptyMark;
}

uint16_t TOvMsgResp::WireNumber() const {
  if (!hasMessage_) {
    return 0;
  }
  return static_cast<uint16_t>(record_[0] << 8 | record_[1]);
}

bool TOvMsgResp::Fits(std::span<const uint8_t> frame) {
  return Carries(frame, kEmptyMarkOffset);
}

}  // namespace orvane
