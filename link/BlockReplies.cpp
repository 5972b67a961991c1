#include "link/BlockReplies.h"

#include <algorithm>

#include "link/Protocol.h"

namespace orvane {
namespace {

constexpr size_t kCountOffset = 7;
constexpr size_t kDataOffset = 8;

}  // namespace

TOvBlockResp::TOvBlockResp(std::span<const uint8_t> frame) : frame_(frame.begin(), frame.end()) {
  Parse(frame);
}

bool TOvBlockResp::IsLastBlock() const {
  return (Flags() & protocol::kLastBlockFlag) != 0;
}

std::span<const uint8_t> TOvBlockResp::Data() const {
  // Bounded by the frame even for a reply the factory did not check.
  const std::span<const uint8_t> body = WithoutCrc(frame_);
  if (body.size() <= kDataOffset) {
    return {};
  }
  const size_t count = ByteAt(frame_, kCountOffset);
  return body.subspan(kDataOffset, std::min(count, body.size() - kDataOffset));
}

bool TOvBlockResp::Fits(std::span<const uint8_t> frame) {
  if (!Carries(frame, kCountOffset)) {
    return false;
  }
  const size_t count = ByteAt(frame, kCountOffset);
  return count == 0 || Carries(frame, kDataOffset + count - 1);
}

}  // namespace orvane
