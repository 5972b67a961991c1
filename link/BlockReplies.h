// Replies that carry one block of a record stream: the tag map stream and
// the multiplexer's PLC attribute stream.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "link/TOvXResp.h"

namespace orvane {

/// Offset 6 holds the flags (bit 1: last block), offset 7 the number of data
/// bytes, the data follow from offset 8. Byte 5 is not interpreted. The reply
/// keeps its own copy of the frame.
class TOvBlockResp : public TOvXResp {
 public:
  explicit TOvBlockResp(std::span<const uint8_t> frame);

  uint8_t Flags() const { return ByteAt(frame_, 6); }
  bool IsLastBlock() const;
  /// The data bytes of this block.
  std::span<const uint8_t> Data() const;
  /// The whole reply frame, start byte to CRC.
  std::span<const uint8_t> Frame() const { return frame_; }

  /// Whether the frame holds the flags, the count and as many data bytes as
  /// the count says; a frame that does not is refused by the factory.
  static bool Fits(std::span<const uint8_t> frame);

 private:
  std::vector<uint8_t> frame_;
};

/// Reply code 0xB6: a block of the tag map stream.
class TOvTagResp : public TOvBlockResp {
 public:
  using TOvBlockResp::TOvBlockResp;
};

/// Reply code 0x2A: a block of the multiplexer's PLC attribute stream.
class TOvMuxPlcAttrResp : public TOvBlockResp {
 public:
  using TOvBlockResp::TOvBlockResp;
};

}  // namespace orvane
