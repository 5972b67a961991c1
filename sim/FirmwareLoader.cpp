#include "sim/FirmwareLoader.h"

namespace orvane::sim {

BlockReceiver::Result FirmwareLoader::Take(const CommandFrame& command, size_t capacity,
                                           const ImageReceiver::HeaderCheck& check,
                                           bool start_may_carry_data) {
  if (IsStartBlock(command)) {
    image_.reset();
  }
  const BlockReceiver::Result result =
      receiver_.Take(command, capacity, check, start_may_carry_data);
  if (result.completed) {
    image_ = receiver_.TakeImage();
  }
  return result;
}

void FirmwareLoader::Reset() {
  image_.reset();
  receiver_.Abandon();
}

void FirmwareLoader::Start(FirmwareSlot& firmware) {
  if (image_) {
    if (const std::optional<StandInHeader> header = ReadStandInHeader(*image_)) {
      firmware.letter = header->firmwareLetter;
      firmware.number = header->firmwareNumber;
    }
    firmware.image = std::move(*image_);
    image_.reset();
  }
  receiver_.Abandon();
}

}  // namespace orvane::sim
