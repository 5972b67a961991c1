// The base of every reply from a panel or a multiplexer.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace orvane {

/// A reply keeps the five header bytes of its frame (start byte, length byte,
/// the two address bytes, the message code) and whatever its class decodes.
/// Replies are made by the response factory, owned by the caller, and never
/// refer to the link's receive buffer: each copies what it keeps, so a reply
/// stays valid after the next Transact.
class TOvXResp {
 public:
  TOvXResp() = default;
  virtual ~TOvXResp() = default;

  /// Copies the header bytes; a byte the frame lacks reads as 0.
  virtual void Parse(std::span<const uint8_t> frame);

  uint8_t StartByte() const { return header_[0]; }
  uint8_t LengthByte() const { return header_[1]; }
  uint8_t AddressByte1() const { return header_[2]; }
  uint8_t AddressByte2() const { return header_[3]; }
  uint8_t MessageCode() const { return header_[4]; }

 protected:
  /// The bytes of a frame that carry header and payload: everything but the
  /// two CRC bytes at its end.
  static std::span<const uint8_t> WithoutCrc(std::span<const uint8_t> frame);
  /// Whether the frame carries a byte at this offset in front of its CRC.
  static bool Carries(std::span<const uint8_t> frame, size_t offset);
  /// A byte of the frame, 0 for an offset past its end.
  static uint8_t ByteAt(std::span<const uint8_t> frame, size_t offset);
  static uint16_t BigEndian16(std::span<const uint8_t> frame, size_t offset);
  static uint32_t BigEndian32(std::span<const uint8_t> frame, size_t offset);
  static uint16_t LittleEndian16(std::span<const uint8_t> frame, size_t offset);
  static uint32_t LittleEndian32(std::span<const uint8_t> frame, size_t offset);

 private:
  std::array<uint8_t, 5> header_{};
};

}  // namespace orvane
