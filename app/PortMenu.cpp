#include "app/PortMenu.h"

#include "base/Settings.h"
#include "base/StringTable.h"

namespace orvane {

std::vector<PortMenuEntry> PortMenuEntries(const std::vector<SerialPortEntry>& present) {
  std::vector<PortMenuEntry> entries;
  const std::vector<std::string> comNames = ComPortNames();
  for (size_t i = 0; i < comNames.size(); ++i) {
    PortMenuEntry entry;
    entry.port = comNames[i];
    entry.caption = "COM&" + std::to_string(i + 1);
    entry.commandId = kFirstComPortCommand + static_cast<int>(i);
    entries.push_back(std::move(entry));
  }
  for (const SerialPortEntry& port : present) {
    // A device a COM name stands for is already there under that name.
    if (port.name != port.device) {
      continue;
    }
    PortMenuEntry entry;
    entry.port = port.device;
    entry.caption =
        port.description.empty() ? port.device : port.device + "  (" + port.description + ")";
    entries.push_back(std::move(entry));
  }
  PortMenuEntry simulated;
  simulated.caption = LoadString(strings::kSimulatedPanel);
  simulated.enabled = false;
  entries.push_back(std::move(simulated));
  return entries;
}

bool IsCheckedPort(const PortMenuEntry& entry, const Settings& settings) {
  return !entry.port.empty() && entry.port == settings.Port();
}

void ChoosePort(const PortMenuEntry& entry, Settings& settings) {
  if (!entry.enabled || entry.port.empty()) {
    return;
  }
  settings.SetPort(entry.port);
}

}  // namespace orvane
