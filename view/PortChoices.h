// The ports a panel operation can use, as the Port menu and the progress
// dialog offer them: COM1 to COM4, the serial ports present that no COM
// name stands for, and the simulated panel.
#pragma once

#include <string>
#include <vector>

#include "link/PortNames.h"

namespace orvane {

struct PortChoice {
  /// The value stored as "Port": "COM1".."COM4", a device path, or
  /// SimulatedPanelPort().
  std::string port;
  /// What the system says about a device; empty for the others.
  std::string description;
  bool simulated = false;
};

/// "Simulated panel": the stored "Port" of the simulated panel, which has no
/// device of its own (the program starts it and opens its link).
std::string SimulatedPanelPort();
bool IsSimulatedPanelPort(const std::string& port);

/// COM1..COM4, then every present port that no COM name stands for (USB
/// adapters), then the simulated panel.
std::vector<PortChoice> PortChoices(const std::vector<SerialPortEntry>& present);

}  // namespace orvane
