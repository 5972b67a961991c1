// A simulated device wired straight to the program's link inside one
// process: the simulator hands out SerialPort objects, so a TOvXComm (or
// anything that takes ports from the port factory) talks to the device
// without a pseudo-terminal and without waiting in real time.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "link/SerialPort.h"
#include "sim/DeviceLine.h"
#include "sim/SimulatedMultiplexer.h"
#include "sim/SimulatedPanel.h"

namespace orvane::sim {

/// Time on the simulated line is virtual: it advances only by what the line
/// would make the program wait. A read finds a byte at once when the byte
/// is due within the port's read time-out (multiplier + constant, as for a
/// one-byte read), and then the clock moves to when the byte arrived; with
/// no byte due in time the read fails at once and the clock moves on by the
/// whole time-out. A reply delayed by the delay fault is therefore on time
/// or late exactly as the port's current time-out decides, and a late reply
/// still arrives later, in front of the reply to the retry.
///
/// Like a real port, only one port is open at a time: a second Open fails.
/// The device, its memory and the fault plan may be looked at and changed
/// between operations; while a link runs on another thread, only the
/// functions below that say so are safe.
class InProcessSimulator {
 public:
  explicit InProcessSimulator(std::unique_ptr<SimulatedDevice> device);
  ~InProcessSimulator();
  InProcessSimulator(const InProcessSimulator&) = delete;
  InProcessSimulator& operator=(const InProcessSimulator&) = delete;

  /// A new, closed port on the simulated line (it may outlive the
  /// simulator; it then fails every call).
  std::unique_ptr<SerialPort> Connect();
  /// A factory for ScopedSerialPortFactory: every port it makes is on this
  /// line, whatever name it is opened with.
  SerialPortFactory PortFactory();

  // Safe from any thread.
  void SetFaults(const FaultPlan& faults);
  FaultPlan Faults() const;
  void SetBaudRate(int baud_rate);
  int BaudRate() const;
  /// Receives the line's log (every frame in and out, every fault).
  void SetLog(DeviceLine::Log log);
  /// Called on the port's thread, outside the simulator's lock, with the
  /// number of every command the device has received, once the write that
  /// brought it has been taken in (the place to cancel an operation at an
  /// exact exchange). None: nothing is called.
  void SetCommandHook(std::function<void(int command)> hook);
  int CommandCount() const;
  int ReplyCount() const;
  /// Virtual milliseconds the line has made its users wait.
  uint64_t Elapsed_ms() const;
  bool PortIsOpen() const;
  /// The name the last port was opened with.
  std::string OpenedName() const;

  SimulatedDevice& Device();
  /// The device as a panel or multiplexer; std::logic_error when it is not
  /// one.
  SimulatedPanel& Panel();
  SimulatedMultiplexer& Multiplexer();

 private:
  struct Shared;
  class Port;

  std::shared_ptr<Shared> shared_;
};

/// A simulator of one panel of the given settings.
std::unique_ptr<InProcessSimulator> MakePanelSimulator(const PanelSettings& settings);
/// A simulator of a multiplexer with panels on the given ports.
std::unique_ptr<InProcessSimulator> MakeMultiplexerSimulator(
    const std::vector<std::pair<int, PanelSettings>>& panels,
    const MultiplexerSettings& settings = {});

}  // namespace orvane::sim
