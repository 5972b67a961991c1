// The device's end of the serial line: it collects command frames from the
// bytes that arrive, ignores what arrives at other line settings than its
// own, hands each frame to the device, and turns the device's reply into
// what goes back on the line, with the faults of its fault plan.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "link/FrameReceiver.h"
#include "link/SerialPort.h"
#include "sim/Faults.h"
#include "sim/SimulatedDevice.h"

namespace orvane::sim {

/// One reply going out: the bytes (stray bytes first, then the frame) and
/// how long after the command they leave.
struct Transmission {
  Bytes bytes;
  uint32_t delay_ms = 0;
};

/// Not thread-safe: the pseudo-terminal server and the in-process port each
/// drive one line from one thread at a time.
class DeviceLine {
 public:
  using Log = std::function<void(const std::string& line)>;

  explicit DeviceLine(std::unique_ptr<SimulatedDevice> device);

  SimulatedDevice& Device() { return *device_; }
  const SimulatedDevice& Device() const { return *device_; }

  /// The rate the device listens and answers at (its default until set).
  int BaudRate() const { return baudRate_; }
  void SetBaudRate(int baud_rate) { baudRate_ = baud_rate; }

  const FaultPlan& Faults() const { return faults_; }
  /// Counting for the faults goes on from where it is.
  void SetFaults(const FaultPlan& faults) { faults_ = faults; }

  /// Receives a line of text for every frame in and out and every event
  /// (ignored bytes, silence, faults); -v prints them.
  void SetLog(Log log) { log_ = std::move(log); }

  /// Takes bytes sent while the sender's side of the line had these
  /// settings. Bytes sent at another baud rate, or with other than 8 data
  /// bits and no parity, reach the device as noise: they are dropped along
  /// with any frame begun before them. Returns what the device sends back,
  /// one transmission per answered command.
  std::vector<Transmission> Receive(std::span<const uint8_t> bytes, const LineSettings& sender);

  /// Commands received and replies sent so far.
  int CommandCount() const { return commands_; }
  int ReplyCount() const { return replies_; }
  /// The unplug fault has cut the line: nothing gets through any more.
  bool Unplugged() const { return unplugged_; }

 private:
  std::optional<Transmission> HandleFrame(std::span<const uint8_t> frame);
  std::optional<Bytes> DeviceReply(std::span<const uint8_t> frame);
  void Note(const std::string& text) const;

  std::unique_ptr<SimulatedDevice> device_;
  int baudRate_ = 0;
  FaultPlan faults_;
  Log log_;
  FrameReceiver receiver_;
  int commands_ = 0;
  int replies_ = 0;
  bool unplugged_ = false;
  // The last command the device answered and its reply: the same frame
  // again, straight after, is the program's retry of a reply it did not get.
  Bytes lastCommand_;
  std::optional<Bytes> lastReply_;
};

/// "aa 06 10 01 12 b8 65".
std::string HexText(std::span<const uint8_t> bytes);

}  // namespace orvane::sim
