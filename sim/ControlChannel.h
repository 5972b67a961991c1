// orvane-panelsim --control: a program (the desktop program's virtual panel
// window) drives the virtual panel through line commands on standard input
// and reads one JSON line for each on standard output, and a state line
// whenever the display changes by itself (after the panel's memory was
// written, say).
//
//   set NAME=VALUE     a register: an address of the panel's PLC or #N
//   press KEY          release KEY         click KEY (press and release)
//   state              the state now
//   quit               end the program
//
// Answers: {"reply":"set","ok":true,"state":{...}} or
// {"reply":"set","ok":false,"error":"..."}; pushed lines:
// {"event":"state","state":{...}}. The state is the --render JSON object.
#pragma once

#include <functional>
#include <string>

#include "sim/LivePanel.h"

namespace orvane::sim {

class ControlChannel {
 public:
  /// write takes every line to send, line break included.
  ControlChannel(const SimulatedPanel& panel, std::function<void(const std::string&)> write);
  ~ControlChannel();

  /// One command line (without its line break); false after quit.
  bool Handle(const std::string& line);
  /// Takes what has arrived on the panel's line: a state line when the
  /// display changed.
  void Refresh();
  /// Bytes read from the input: whole lines are handled; false after quit.
  bool Take(const std::string& bytes);

  VirtualPanel& Panel() { return panel_.Panel(); }
  std::string StateJson() const { return panel_.StateJson(); }

 private:
  void Reply(const std::string& command, const std::string& error);

  std::function<void(const std::string&)> write_;
  LivePanel panel_;
  std::string lastState_;
  std::string pending_;
};

}  // namespace orvane::sim
