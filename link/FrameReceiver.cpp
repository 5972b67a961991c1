#include "link/FrameReceiver.h"

#include <algorithm>

#include "link/Crc16.h"

namespace orvane {

namespace p = protocol;

FrameReceiver::FrameReceiver(int length_limit, int stray_budget)
    : lengthLimit_(std::clamp<int>(length_limit, p::kMinLength, p::kCommandBufferSize)),
      strayBudget_(stray_budget),
      budget_(stray_budget) {}

void FrameReceiver::Reset() {
  state_ = State::Hunt;
  budget_ = strayBudget_;
  stored_ = 0;
  remaining_ = 0;
  error_ = 0;
  complete_ = false;
}

FrameReceiver::Status FrameReceiver::Fail(int error) {
  error_ = error;
  state_ = State::Done;
  return Status::Failed;
}

FrameReceiver::Status FrameReceiver::Feed(uint8_t byte) {
  switch (state_) {
    case State::Hunt:
      if (byte == p::kStartByte) {
        buffer_[0] = byte;
        stored_ = 1;
        state_ = State::Length;
        return Status::NeedMore;
      }
      if (budget_ == 0) {
        return Fail(p::kLinkTimeout);
      }
      if (budget_ > 0) {
        --budget_;
      }
      return Status::NeedMore;

    case State::Length:
      // A length below 6 cannot hold the header and the CRC (0 and 1 would
      // not even leave a body to count down), so it is as invalid as one
      // that is too long.
      if (byte < p::kMinLength || byte >= lengthLimit_) {
        return Fail(p::kLinkInvalidLength);
      }
      buffer_[1] = byte;
      stored_ = 2;
      remaining_ = byte - 1u;
      state_ = State::Body;
      return Status::NeedMore;

    case State::Body: {
      buffer_[stored_++] = byte;
      if (--remaining_ != 0) {
        return Status::NeedMore;
      }
      const size_t length = buffer_[1];
      const uint16_t crc = CalcCrc16(std::span<const uint8_t>(buffer_).subspan(1, length - 2));
      if (buffer_[length - 1] != (crc & 0xFF) || buffer_[length] != (crc >> 8)) {
        return Fail(p::kLinkChecksum);
      }
      state_ = State::Done;
      complete_ = true;
      return Status::Complete;
    }

    case State::Done:
      break;
  }
  return complete_ ? Status::Complete : Status::Failed;
}

std::span<const uint8_t> FrameReceiver::Frame() const {
  if (!complete_) {
    return {};
  }
  return std::span<const uint8_t>(buffer_).first(stored_);
}

}  // namespace orvane
