#include "sim/BlockTransfer.h"

#include <algorithm>

namespace orvane::sim {
namespace {

namespace p = protocol;

constexpr size_t kSequenceOffset = 5;
constexpr size_t kPhaseOffset = 6;
constexpr size_t kCountOffset = 7;
constexpr size_t kDataOffset = 8;
/// L of a block write without its data.
constexpr size_t kBlockWriteOverhead = 9;
/// L of a block read request.
constexpr uint8_t kBlockReadLength = 8;

}  // namespace

bool IsStartBlock(const CommandFrame& command) {
  return command.At(kPhaseOffset) == p::kPhaseStart;
}

BlockReceiver::Result BlockReceiver::Refuse(uint8_t error) {
  Abandon();
  return Result{error, false};
}

void BlockReceiver::Abandon() {
  active_ = false;
  received_.clear();
  expectedSequence_ = 0;
}

Bytes BlockReceiver::TakeStream() {
  Bytes stream = std::move(received_);
  Abandon();
  return stream;
}

BlockReceiver::Result BlockReceiver::Take(const CommandFrame& command, size_t capacity,
                                          bool start_may_carry_data) {
  const size_t count = command.At(kCountOffset);
  if (command.Length() < kBlockWriteOverhead || command.Length() != count + kBlockWriteOverhead ||
      command.Frame().size() != command.Length() + 1u) {
    return Refuse(codes::kInvalidMessageLength);
  }
  const uint8_t sequence = command.At(kSequenceOffset);
  const uint8_t phase = command.At(kPhaseOffset);
  const std::span<const uint8_t> data = command.Frame().subspan(kDataOffset, count);

  switch (phase) {
    case p::kPhaseStart:
      if (sequence != 0 || (count != 0 && !start_may_carry_data) || count > p::kMaxBlockData) {
        return Refuse(codes::kInvalidLoadFormat);
      }
      Abandon();
      active_ = true;
      expectedSequence_ = 1;
      break;
    case p::kPhaseContinue:
      if (!active_) {
        return Refuse(codes::kStartLoadNotRequested);
      }
      if (sequence != expectedSequence_ || count != p::kMaxBlockData) {
        return Refuse(codes::kInvalidLoadFormat);
      }
      ++expectedSequence_;  // 255 wraps to 0
      break;
    case p::kPhaseLast:
      if (!active_) {
        return Refuse(codes::kStartLoadNotRequested);
      }
      if (sequence != expectedSequence_ || count >= p::kMaxBlockData) {
        return Refuse(codes::kInvalidLoadFormat);
      }
      break;
    default:
      return Refuse(codes::kInvalidLoadFormat);
  }
  if (received_.size() + count > capacity) {
    return Refuse(codes::kInsufficientSpace);
  }
  received_.insert(received_.end(), data.begin(), data.end());
  if (phase == p::kPhaseLast) {
    active_ = false;
    return Result{codes::kOk, true};
  }
  return Result{codes::kOk, false};
}

Bytes BlockReceiver::TakeInto(const CommandFrame& command, size_t capacity, Bytes& stored) {
  return TakeInto(command, capacity, nullptr, stored);
}

Bytes BlockReceiver::TakeInto(const CommandFrame& command, size_t capacity,
                              const StreamCheck& check, Bytes& stored) {
  const Result result = Take(command, capacity);
  if (!result.completed) {
    return StandardReply(result.error);
  }
  Bytes stream = TakeStream();
  const uint8_t error = check ? check(stream) : codes::kOk;
  if (error == codes::kOk) {
    stored = std::move(stream);
  }
  return StandardReply(error);
}

void BlockSender::Reset() {
  stream_.clear();
  offset_ = 0;
  expectedSequence_ = 0;
  active_ = false;
}

Bytes BlockSender::NextBlock(uint8_t reply_code) {
  const size_t count = std::min(p::kMaxBlockData, stream_.size() - offset_);
  const std::span<const uint8_t> data(stream_.data() + offset_, count);
  offset_ += count;
  const bool last = offset_ >= stream_.size();
  Bytes reply = BlockReply(reply_code, last, data);
  if (last) {
    Reset();
  }
  return reply;
}

Bytes BlockSender::Take(const CommandFrame& command, const Bytes& stream) {
  if (command.Length() != kBlockReadLength) {
    Reset();
    return StandardReply(codes::kInvalidMessageLength);
  }
  const uint8_t sequence = command.At(kSequenceOffset);
  switch (command.At(kPhaseOffset)) {
    case p::kPhaseStart:
      if (sequence != 0) {
        Reset();
        return StandardReply(codes::kInvalidLoadFormat);
      }
      stream_ = stream;
      offset_ = 0;
      expectedSequence_ = 1;
      active_ = true;
      return NextBlock(command.Code());
    case p::kPhaseContinue:
      if (!active_) {
        return StandardReply(codes::kStartDumpNotRequested);
      }
      if (sequence != expectedSequence_) {
        Reset();
        return StandardReply(codes::kInvalidLoadFormat);
      }
      ++expectedSequence_;  // 255 wraps to 0
      return NextBlock(command.Code());
    default:
      Reset();
      return StandardReply(codes::kInvalidLoadFormat);
  }
}

}  // namespace orvane::sim
