#include "link/BlockCommands.h"

#include <algorithm>

namespace orvane {

namespace p = protocol;

bool TOvBlockReadCmd::FillPayload(FrameBuffer frame) {
  frame[p::kLengthOffset] = 8;
  frame[5] = sequence_;
  frame[6] = phase_;
  return true;
}

bool TOvBlockWriteCmd::IsValidSlice() const {
  return start_ <= end_ && end_ <= stream_.size() && end_ - start_ <= p::kMaxBlockData;
}

bool TOvBlockWriteCmd::FillPayload(FrameBuffer frame) {
  if (!IsValidSlice()) {
    return false;
  }
  const uint32_t count = end_ - start_;
  frame[p::kLengthOffset] = static_cast<uint8_t>(count + 9);
  frame[5] = sequence_;
  frame[6] = phase_;
  frame[7] = static_cast<uint8_t>(count);
  std::copy(stream_.begin() + start_, stream_.begin() + end_, frame.begin() + 8);
  return true;
}

}  // namespace orvane
