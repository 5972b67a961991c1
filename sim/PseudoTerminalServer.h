// Serving a device line on a pseudo-terminal: the program opens the slave
// side as it would open a serial port; the simulator sits on the master
// side, reads the line settings the program set from there, and answers at
// its own rate only.
#pragma once

#include <chrono>
#include <functional>
#include <string>

#include "link/SerialPort.h"
#include "sim/DeviceLine.h"

namespace orvane::sim {

struct PseudoTerminalOptions {
  /// A symbolic link to make to the slave side (replacing an old link, never
  /// a file); empty for none.
  std::string linkPath;
  /// Pace every byte in and out at its real time on the line: 10 bit times
  /// at the device's baud rate.
  bool paceLineRate = false;
};

/// What else the server attends to while it answers the line.
struct ServeHooks {
  /// A descriptor to watch (standard input), -1 for none, and what to do
  /// when it is readable; onInput returns false to stop serving.
  int inputFd = -1;
  std::function<bool()> onInput;
  /// After the device has answered what arrived.
  std::function<void()> afterTraffic;
};

class PseudoTerminalServer {
 public:
  explicit PseudoTerminalServer(DeviceLine& line);
  /// Closes the pseudo-terminal and removes the link.
  ~PseudoTerminalServer();
  PseudoTerminalServer(const PseudoTerminalServer&) = delete;
  PseudoTerminalServer& operator=(const PseudoTerminalServer&) = delete;

  /// Opens the pair (the slave side raw, at the device's rate) and makes
  /// the link; false with error saying why.
  bool Open(const PseudoTerminalOptions& options, std::string& error);

  /// The slave device, for example /dev/pts/4.
  const std::string& SlavePath() const { return slavePath_; }
  /// What the program should open: the link when there is one.
  std::string PortPath() const;

  /// Answers the line until stop_fd becomes readable. idle is called once
  /// whenever the line has been quiet for idle_ms after some traffic.
  void Serve(int stop_fd, const std::function<void()>& idle, int idle_ms = 200,
             const ServeHooks& hooks = {});

  /// The settings the program's side of the line is at now, as the master
  /// side reports them.
  LineSettings SenderSettings() const;

 private:
  /// Sends one reply once its delay has passed after arrived; false when a
  /// stop came first.
  bool Send(const Transmission& reply, std::chrono::steady_clock::time_point arrived, int stop_fd);

  DeviceLine& line_;
  PseudoTerminalOptions options_;
  int master_ = -1;
  int slave_ = -1;  // held open so the master never sees the line hang up
  std::string slavePath_;
  bool linkMade_ = false;
};

/// The baud rate of a termios speed constant (B9600 -> 9600), 0 when
/// unknown.
int BaudRateOfSpeed(unsigned speed);
/// The termios speed constant of a baud rate, 0 when there is none.
unsigned SpeedOfBaudRate(int baud_rate);

}  // namespace orvane::sim
