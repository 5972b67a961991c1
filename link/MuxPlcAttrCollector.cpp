#include "link/MuxPlcAttrCollector.h"

#include "link/BlockReplies.h"

namespace orvane {
namespace {

constexpr size_t kLengthFieldSize = 2;
// The longest stream a 16-bit length can describe, with its length field.
constexpr size_t kMaxStream = 0xFFFF + kLengthFieldSize;

}  // namespace

MuxPlcAttrCollector::Status MuxPlcAttrCollector::Add(std::span<const uint8_t> data,
                                                     bool lastBlock) {
  if (status_ != Status::Collecting) {
    return status_;
  }
  stream_.insert(stream_.end(), data.begin(), data.end());
  if (stream_.size() > kMaxStream) {
    status_ = Status::Truncated;
  } else if (lastBlock) {
    Finish();
  }
  return status_;
}

MuxPlcAttrCollector::Status MuxPlcAttrCollector::Add(const TOvBlockResp& reply) {
  return Add(reply.Data(), reply.IsLastBlock());
}

void MuxPlcAttrCollector::Finish() {
  status_ = Status::Truncated;
  if (stream_.size() < kLengthFieldSize) {
    return;
  }
  const size_t wireLength = static_cast<size_t>(stream_[1]) << 8 | stream_[0];
  if (wireLength < 2 * kLengthFieldSize) {
    return;
  }
  const size_t blockLength = wireLength - kLengthFieldSize;
  const size_t rest = blockLength - kLengthFieldSize;
  if (stream_.size() - kLengthFieldSize < rest) {
    return;
  }
  block_.reserve(blockLength);
  block_.push_back(static_cast<uint8_t>(blockLength & 0xFF));
  block_.push_back(static_cast<uint8_t>(blockLength >> 8));
  block_.insert(block_.end(), stream_.begin() + kLengthFieldSize,
                stream_.begin() + static_cast<std::ptrdiff_t>(kLengthFieldSize + rest));
  status_ = Status::Complete;
}

}  // namespace orvane
