// The command line of orvane-panelsim, read into what the program sets up.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "sim/Faults.h"
#include "sim/SimulatedDevice.h"
#include "sim/SimulatedMultiplexer.h"
#include "sim/SimulatedPanel.h"

namespace orvane::sim {

struct PanelSimOptions {
  bool help = false;
  /// No device on the command line: the state file says what it is (--dump).
  bool deviceFromState = false;
  bool multiplexer = false;
  PanelSettings panel;                               // the single panel, and the
                                                     // settings shared by panels
  std::vector<std::pair<int, PanelSettings>> ports;  // panels on multiplexer ports
  MultiplexerSettings multiplexerSettings;
  /// The rate the device answers at; 0 for its own default.
  int baudRate = 0;
  FaultPlan faults;
  std::string linkPath;
  std::string statePath;
  bool dump = false;
  /// --render: the display after the registers and keys, then exit.
  bool render = false;
  std::vector<std::string> registers;  // --register NAME=VALUE
  std::vector<std::string> keys;       // --press KEY
  bool json = false;
  /// --control: line commands on standard input, JSON lines on standard
  /// output, while the port is served.
  bool control = false;
  /// --display: the panel drawn in the terminal, typed keys pressing its
  /// keys, while the port is served.
  bool display = false;
  bool lineRate = false;
  bool verbose = false;
};

/// Reads the arguments (without the program name). A bad command line
/// throws cli::UsageError with the reason.
PanelSimOptions ParsePanelSimOptions(const std::vector<std::string>& args);

/// The device the options describe (not used when deviceFromState).
std::unique_ptr<SimulatedDevice> BuildDevice(const PanelSimOptions& options);

/// The --help text.
const char* PanelSimUsage();

}  // namespace orvane::sim
