#include "sim/DeviceProtocol.h"

#include "link/FrameBuilder.h"

namespace orvane::sim {

namespace p = protocol;

uint8_t CommandFrame::At(size_t offset) const {
  const size_t payloadEnd = frame_.size() >= 2 ? frame_.size() - 2 : 0;
  return offset < payloadEnd ? frame_[offset] : 0;
}

uint16_t CommandFrame::BigEndian16(size_t offset) const {
  return static_cast<uint16_t>(At(offset) << 8 | At(offset + 1));
}

std::span<const uint8_t> CommandFrame::Payload() const {
  if (frame_.size() < p::kPayloadOffset + 2) {
    return {};
  }
  return frame_.subspan(p::kPayloadOffset, frame_.size() - p::kPayloadOffset - 2);
}

Bytes StandardReply(uint8_t error_code) {
  const uint8_t payload[] = {0x00, error_code};
  return BuildFrame(p::kStandardReply, payload);
}

Bytes BlockReply(uint8_t code, bool last, std::span<const uint8_t> data) {
  Bytes payload = {0x00, static_cast<uint8_t>(last ? p::kLastBlockFlag : 0),
                   static_cast<uint8_t>(data.size())};
  payload.insert(payload.end(), data.begin(), data.end());
  return BuildFrame(code, payload);
}

Bytes RecordReply(uint8_t code, std::span<const uint8_t> payload) {
  return BuildFrame(code, payload);
}

}  // namespace orvane::sim
