// The block transfer rule: how an image or a long record travels to the
// device in slices of at most 50 bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "link/TOvXResp.h"

namespace orvane {

class TOvXComm;

enum class BlockKind { Start, Data, End };

/// One start command (phase 1, sequence 0), then data commands of exactly
/// 50 bytes (phase 0, sequence 1, 2, ... as an 8-bit value that wraps),
/// then one end command (phase 2, the next sequence number) with the 0 to
/// 49 bytes left. The start command carries no data, except where
/// startCarriesData says it carries bytes 0 to 49 (the multiplexer's
/// firmware; the image must then hold at least 50 bytes).
struct BlockPlan {
  uint8_t code = 0;
  bool startCarriesData = false;
};

struct BlockHooks {
  /// Asked before each block; false stops the transfer there (the caller
  /// has dealt with the cancel). None: every block goes.
  std::function<bool(BlockKind)> proceed;
  /// Judges each reply; false ends the transfer (the judge has reported
  /// it).
  std::function<bool(std::unique_ptr<TOvXResp>)> accept;
  /// Told after each accepted block: its kind, the image bytes it carried
  /// and the image bytes sent so far.
  std::function<void(BlockKind, size_t blockBytes, size_t sentBytes)> accepted;
};

enum class BlockResult { Sent, Refused, Stopped };

/// Sends the image by the rule above, stopping at the first refused reply
/// or when proceed says so.
BlockResult SendBlocks(TOvXComm& link, const BlockPlan& plan, const std::vector<uint8_t>& image,
                       const BlockHooks& hooks);

}  // namespace orvane
