#include "link/TOvXCmd.h"

#include "link/Crc16.h"

namespace orvane {

namespace p = protocol;

TOvXCmd::TOvXCmd(uint8_t code) {
  frame_[0] = p::kStartByte;
  frame_[1] = 0;
  frame_[2] = p::kAddressByte1;
  frame_[3] = p::kAddressByte2;
  frame_[4] = code;
}

std::span<const uint8_t> TOvXCmd::MakeFrame() {
  if (!FillPayload(FrameBuffer(frame_))) {
    return {};
  }
  const size_t length = frame_[p::kLengthOffset];
  if (length < p::kMinLength) {
    return {};
  }
  // L is one byte, so the CRC at L-1 and L always lies inside the buffer.
  const uint16_t crc = CalcCrc16(std::span<const uint8_t>(frame_).subspan(1, length - 2));
  frame_[length - 1] = static_cast<uint8_t>(crc & 0xFF);
  frame_[length] = static_cast<uint8_t>(crc >> 8);
  return std::span<const uint8_t>(frame_).first(length + 1);
}

bool TOvNoPayloadCmd::FillPayload(FrameBuffer frame) {
  frame[p::kLengthOffset] = p::kMinLength;
  return true;
}

}  // namespace orvane
