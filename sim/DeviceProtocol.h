// What the simulated devices share on the wire: the error codes they answer
// with, the command frame view and the reply frames they build.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "link/Protocol.h"

namespace orvane::sim {

using Bytes = std::vector<uint8_t>;

/// Error codes a device puts into byte 6 of a standard reply (the panel
/// error-code table).
namespace codes {
inline constexpr uint8_t kOk = 0;
inline constexpr uint8_t kInvalidMessageCode = 3;
inline constexpr uint8_t kStartLoadNotRequested = 4;
inline constexpr uint8_t kStartDumpNotRequested = 5;
inline constexpr uint8_t kInsufficientSpace = 6;
inline constexpr uint8_t kInvalidMessageNumber = 7;
inline constexpr uint8_t kInvalidMessageLength = 8;
inline constexpr uint8_t kFirmwareMismatch = 9;
inline constexpr uint8_t kInvalidLoadFormat = 11;
inline constexpr uint8_t kInvalidByte = 24;
}  // namespace codes

/// A received command frame (start byte to CRC, CRC already checked).
class CommandFrame {
 public:
  explicit CommandFrame(std::span<const uint8_t> frame) : frame_(frame) {}

  uint8_t Code() const { return At(protocol::kCodeOffset); }
  /// The length byte L.
  uint8_t Length() const { return At(protocol::kLengthOffset); }
  /// The byte at a frame offset; 0 past the payload (the CRC is not payload).
  uint8_t At(size_t offset) const;
  /// Big-endian 16-bit value at a frame offset.
  uint16_t BigEndian16(size_t offset) const;
  /// The payload: offset 5 up to the CRC.
  std::span<const uint8_t> Payload() const;
  std::span<const uint8_t> Frame() const { return frame_; }

 private:
  std::span<const uint8_t> frame_;
};

/// AA 08 10 01 00 00 <error> CRC: the standard reply, byte 5 kept 0.
Bytes StandardReply(uint8_t error_code);

/// AA, L, 10, 01, code, 0, flags (bit 1: last block), count, data, CRC: one
/// block of a read stream. At most 50 data bytes.
Bytes BlockReply(uint8_t code, bool last, std::span<const uint8_t> data);

/// AA, L, 10, 01, code, payload, CRC.
Bytes RecordReply(uint8_t code, std::span<const uint8_t> payload);

}  // namespace orvane::sim
