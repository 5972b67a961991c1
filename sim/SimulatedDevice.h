// The interface every simulated device offers its line: one command frame
// in, at most one reply frame out.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "sim/DeviceProtocol.h"

namespace orvane::sim {

inline constexpr int kPanelBaudRate = 9600;
inline constexpr int kMultiplexerBaudRate = 38400;

class SimulatedDevice {
 public:
  virtual ~SimulatedDevice() = default;

  /// The reply to one command frame, or nothing when the device stays
  /// silent. The frame is complete, its CRC checked and its address bytes are
  /// 10 01; it stays valid only for the call.
  virtual std::optional<Bytes> Answer(std::span<const uint8_t> frame) = 0;

  /// The rate this kind of device listens at unless told otherwise: 9600 for
  /// a panel, 38400 for a multiplexer.
  virtual int DefaultBaudRate() const = 0;
};

}  // namespace orvane::sim
