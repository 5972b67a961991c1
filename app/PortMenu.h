// The main frame's Port menu: the serial port the panel operations use.
#pragma once

#include <string>
#include <vector>

#include "link/PortNames.h"

namespace orvane {

class Settings;

struct PortMenuEntry {
  std::string caption;
  /// The value stored as "Port" when the entry is chosen (for the
  /// simulated panel its name, SimulatedPanelPort()).
  std::string port;
  bool enabled = true;
  bool simulated = false;
  /// The command id of COM1..COM4 (32811..32814); 0 for the others.
  int commandId = 0;
};

inline constexpr int kFirstComPortCommand = 32811;
inline constexpr int kComPortCount = 4;

/// "COM&1" to "COM&4", then every serial port present on the machine that
/// no COM name stands for (its device and description: USB adapters), then
/// "Simulated panel" (enabled when the program has its simulator).
std::vector<PortMenuEntry> PortMenuEntries(const std::vector<SerialPortEntry>& present,
                                           bool simulatedAvailable);

/// The entry carries the check mark exactly when it is the stored port.
bool IsCheckedPort(const PortMenuEntry& entry, const Settings& settings);

/// Stores the entry's port as "Port"; a port that cannot be stored is left
/// (the menu then shows the port stored before).
void ChoosePort(const PortMenuEntry& entry, Settings& settings);

}  // namespace orvane
