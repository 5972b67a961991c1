#include "link/TOvXResp.h"

namespace orvane {

void TOvXResp::Parse(std::span<const uint8_t> frame) {
  for (size_t i = 0; i < header_.size(); ++i) {
    header_[i] = ByteAt(frame, i);
  }
}

std::span<const uint8_t> TOvXResp::WithoutCrc(std::span<const uint8_t> frame) {
  return frame.size() < 2 ? std::span<const uint8_t>() : frame.first(frame.size() - 2);
}

bool TOvXResp::Carries(std::span<const uint8_t> frame, size_t offset) {
  return offset < WithoutCrc(frame).size();
}

uint8_t TOvXResp::ByteAt(std::span<const uint8_t> frame, size_t offset) {
  return offset < frame.size() ? frame[offset] : 0;
}

uint16_t TOvXResp::BigEndian16(std::span<const uint8_t> frame, size_t offset) {
  return static_cast<uint16_t>(ByteAt(frame, offset) << 8 | ByteAt(frame, offset + 1));
}

uint32_t TOvXResp::BigEndian32(std::span<const uint8_t> frame, size_t offset) {
  return uint32_t{BigEndian16(frame, offset)} << 16 | BigEndian16(frame, offset + 2);
}

uint16_t TOvXResp::LittleEndian16(std::span<const uint8_t> frame, size_t offset) {
  return static_cast<uint16_t>(ByteAt(frame, offset + 1) << 8 | ByteAt(frame, offset));
}

uint32_t TOvXResp::LittleEndian32(std::span<const uint8_t> frame, size_t offset) {
  return uint32_t{LittleEndian16(frame, offset + 2)} << 16 | LittleEndian16(frame, offset);
}

}  // namespace orvane
