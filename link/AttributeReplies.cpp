#include "link/AttributeReplies.h"

#include <algorithm>

namespace orvane {
namespace {

constexpr size_t kLastSystemAttributeOffset = 35;

}  // namespace

TOvSysAttrResp::TOvSysAttrResp(std::span<const uint8_t> frame)
    : frame_(frame.begin(), frame.end()) {
  Parse(frame);
}

uint16_t TOvSysAttrResp::LineRegisterTag(int index) const {
  if (index < 0 || index >= kLineRegisterCount) {
    return 0xFFFF;
  }
  return BigEndian16(frame_, 20 + 2 * static_cast<size_t>(index));
}

uint8_t TOvSysAttrResp::ButtonAction(int index) const {
  if (index < 0 || index >= kButtonCount) {
    return 0;
  }
  return ByteAt(frame_, 28 + static_cast<size_t>(index));
}

bool TOvSysAttrResp::Fits(std::span<const uint8_t> frame) {
  return Carries(frame, kLastSystemAttributeOffset);
}

TOvPlcAttrResp::TOvPlcAttrResp(std::span<const uint8_t> frame, int system_mode) {
  Parse(frame);
  wireLength_ = LittleEndian16(frame, 5);
  if (wireLength_ < 4) {
    return;
  }
  const uint16_t blockLength = wireLength_ - 2;
  block_.push_back(static_cast<uint8_t>(blockLength & 0xFF));
  block_.push_back(static_cast<uint8_t>(blockLength >> 8));
  // Bounded by the frame even for a reply the factory did not check.
  const std::span<const uint8_t> body = WithoutCrc(frame);
  const size_t from = SourceOffset(system_mode);
  if (from < body.size()) {
    const std::span<const uint8_t> rest =
        body.subspan(from, std::min<size_t>(wireLength_ - 4u, body.size() - from));
    block_.insert(block_.end(), rest.begin(), rest.end());
  }
}

bool TOvPlcAttrResp::Fits(std::span<const uint8_t> frame, int system_mode) {
  if (!Carries(frame, 6)) {
    return false;
  }
  const size_t wireLength = LittleEndian16(frame, 5);
  if (wireLength < 4) {
    return false;
  }
  const size_t count = wireLength - 4;
  return count == 0 || Carries(frame, SourceOffset(system_mode) + count - 1);
}

}  // namespace orvane
