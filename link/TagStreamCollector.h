// Collects the tag map stream from the blocks of TOvReadTagCmd replies and
// watches the limit on the number of tags.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace orvane {

class TOvBlockResp;

/// Tags a panel's list may hold when read back.
inline constexpr size_t kPanelTagListLimit = 300;
/// Tags the multiplexer's merged list may hold.
inline constexpr size_t kMuxTagListLimit = 1500;

/// The limit a read applies: the multiplexer's own list (the full form read
/// on a multi-panel system) may hold 1500 tags, a panel's list 300.
size_t TagListLimit(int32_t systemMode, bool fullForm);

/// Gathers the stream block by block. The first block begins with the
/// header (tag count high byte first, address length M); the entries
/// follow. The count, and after every block the entries collected so far
/// (bytes / (M + 3)), must stay within the limit; once either is above it
/// the read ends with "Error T006:  Error in reading PLC Addresses".
class TagStreamCollector {
 public:
  enum class Status {
    Collecting,  // more blocks to come
    Complete,    // the last block is in and the stream is whole
    TooMany,     // more tags than the limit: T006
    Truncated,   // the last block came before the header was whole
  };

  explicit TagStreamCollector(size_t limit) : limit_(limit) {}

  /// Appends one block's data; lastBlock is the reply's last-block flag.
  /// After TooMany or Truncated further blocks change nothing.
  Status Add(std::span<const uint8_t> data, bool lastBlock);
  /// The same with a block reply.
  Status Add(const TOvBlockResp& reply);

  Status CurrentStatus() const { return status_; }
  /// Header and entries as collected.
  const std::vector<uint8_t>& Stream() const { return stream_; }
  /// The header's tag count and address length (0 until the header is in).
  size_t Count() const;
  uint8_t AddressLength() const;

 private:
  bool HeaderIsIn() const;

  size_t limit_ = kPanelTagListLimit;
  std::vector<uint8_t> stream_;
  Status status_ = Status::Collecting;
};

}  // namespace orvane
