// The loader a device runs while its firmware is replaced: it takes a
// firmware image in blocks and starts it when the device leaves the loader.
#pragma once

#include <cstddef>
#include <optional>

#include "sim/DeviceMemory.h"
#include "sim/ImageReceiver.h"

namespace orvane::sim {

class FirmwareLoader {
 public:
  /// Takes one firmware block (0xBD). A start block, accepted or not, also
  /// forgets a whole image received before. The check must refuse an image
  /// without a stand-in header.
  BlockReceiver::Result Take(const CommandFrame& command, size_t capacity,
                             const ImageReceiver::HeaderCheck& check,
                             bool start_may_carry_data = false);
  /// Forgets everything received: the device enters its loader anew.
  void Reset();
  /// Whether a whole image has been received and not yet started.
  bool HasImage() const { return image_.has_value(); }
  /// The device leaves its loader: into the whole image received, with the
  /// revision its header carries, else back into the firmware it had.
  void Start(FirmwareSlot& firmware);

 private:
  ImageReceiver receiver_;
  /// A whole image received and not yet started.
  std::optional<Bytes> image_;
};

}  // namespace orvane::sim
