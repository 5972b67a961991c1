// How a device takes a driver or firmware image: the blocks of the block
// protocol, with the image judged by its stand-in header as soon as the
// bytes that hold the header have come.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>

#include "sim/BlockTransfer.h"
#include "sim/StandInImage.h"

namespace orvane::sim {

/// Receives one image in blocks. Its header is judged once an image: at the
/// block that completes the first 22 bytes, or at the end block of an image
/// too short for them (it then has no header). An image the check refuses
/// is dropped, so the blocks after it get code 4.
class ImageReceiver {
 public:
  /// codes::kOk to take an image with this header (none: the image is no
  /// stand-in), else the code to refuse it with.
  using HeaderCheck = std::function<uint8_t(const std::optional<StandInHeader>& header)>;

  /// Takes one block (BlockReceiver::Take), then judges the header.
  BlockReceiver::Result Take(const CommandFrame& command, size_t capacity, const HeaderCheck& check,
                             bool start_may_carry_data = false);
  /// Takes one block of an image that replaces stored once it is complete;
  /// the standard reply to the block.
  Bytes TakeInto(const CommandFrame& command, size_t capacity, const HeaderCheck& check,
                 Bytes& stored);
  /// Hands out the completed image and forgets it.
  Bytes TakeImage() { return receiver_.TakeStream(); }
  /// Drops the unfinished image.
  void Abandon() { receiver_.Abandon(); }

 private:
  BlockReceiver receiver_;
  bool headerChecked_ = false;
};

/// The check of a driver image: a stand-in of another kind than the one
/// wanted is refused with code 11; an image that is no stand-in is taken as
/// it comes.
ImageReceiver::HeaderCheck DriverImageCheck(ImageKind wanted);

}  // namespace orvane::sim
