#include "link/FrameBuilder.h"

#include "link/Crc16.h"
#include "link/Protocol.h"

namespace orvane {

std::vector<uint8_t> BuildFrame(uint8_t code, std::span<const uint8_t> payload) {
  namespace p = protocol;
  if (payload.size() > 255u - p::kMinLength) {
    return {};
  }
  std::vector<uint8_t> frame = {p::kStartByte, static_cast<uint8_t>(payload.size() + p::kMinLength),
                                p::kAddressByte1, p::kAddressByte2, code};
  frame.insert(frame.end(), payload.begin(), payload.end());
  const uint16_t crc = CalcCrc16(std::span<const uint8_t>(frame).subspan(1));
  frame.push_back(static_cast<uint8_t>(crc & 0xFF));
  frame.push_back(static_cast<uint8_t>(crc >> 8));
  return frame;
}

}  // namespace orvane
