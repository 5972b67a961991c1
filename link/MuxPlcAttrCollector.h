// Rebuilds the multiplexer's PLC attribute block from the blocks of
// TOvReadMuxPlcAttrCmd replies.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace orvane {

class TOvBlockResp;

/// The stream begins with its length V (16 bits, low byte first): the block
/// as written with its raised length field, plus its checksum. The block
/// comes back as V - 2 bytes: its own length field V - 2, then the V - 4
/// bytes that follow the stream's length in the first block and the later
/// blocks. Bytes past them (the stream's checksum) are not part of the
/// block; a stream that ends before them, or announces V below 4, is
/// truncated.
class MuxPlcAttrCollector {
 public:
  enum class Status {
    Collecting,  // more blocks to come
    Complete,    // Block() holds the rebuilt block
    Truncated,   // the stream ended before the bytes its length announces
  };

  /// Appends one block's data; lastBlock is the reply's last-block flag.
  /// A stream that grows past anything a 16-bit length can announce is
  /// truncated at once (a device that never sets the flag cannot keep the
  /// read going). After Complete or Truncated further blocks change nothing.
  Status Add(std::span<const uint8_t> data, bool lastBlock);
  /// The same with a block reply.
  Status Add(const TOvBlockResp& reply);

  Status CurrentStatus() const { return status_; }
  /// The rebuilt block, once Complete; the caller appends it to the
  /// project's 32-byte identity header.
  const std::vector<uint8_t>& Block() const { return block_; }

 private:
  void Finish();

  std::vector<uint8_t> stream_;
  std::vector<uint8_t> block_;
  Status status_ = Status::Collecting;
};

}  // namespace orvane
