#include "sim/ImageReceiver.h"

namespace orvane::sim {

BlockReceiver::Result ImageReceiver::Take(const CommandFrame& command, size_t capacity,
                                          const HeaderCheck& check, bool start_may_carry_data) {
  if (IsStartBlock(command)) {
    headerChecked_ = false;
  }
  const BlockReceiver::Result result = receiver_.Take(command, capacity, start_may_carry_data);
  if (result.error != codes::kOk) {
    return result;
  }
  const Bytes& received = receiver_.Received();
  if (!headerChecked_ && (received.size() >= kStandInCheckedBytes || result.completed)) {
    headerChecked_ = true;
    if (const uint8_t error = check(ReadStandInHeader(received)); error != codes::kOk) {
      receiver_.Abandon();
      return BlockReceiver::Result{error, false};
    }
  }
  return result;
}

Bytes ImageReceiver::TakeInto(const CommandFrame& command, size_t capacity,
                              const HeaderCheck& check, Bytes& stored) {
  const BlockReceiver::Result result = Take(command, capacity, check);
  if (result.completed) {
    stored = TakeImage();
  }
  return StandardReply(result.error);
}

ImageReceiver::HeaderCheck DriverImageCheck(ImageKind wanted) {
  return [wanted](const std::optional<StandInHeader>& header) {
    return header && header->kind != wanted ? codes::kInvalidLoadFormat : codes::kOk;
  };
}

}  // namespace orvane::sim
