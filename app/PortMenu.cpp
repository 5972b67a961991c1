#include "app/PortMenu.h"

#include "base/Settings.h"
#include "view/PortChoices.h"

namespace orvane {

std::vector<PortMenuEntry> PortMenuEntries(const std::vector<SerialPortEntry>& present,
                                           bool simulatedAvailable) {
  std::vector<PortMenuEntry> entries;
  int comIndex = 0;
  for (const PortChoice& choice : PortChoices(present)) {
    PortMenuEntry entry;
    entry.port = choice.port;
    if (choice.simulated) {
      entry.caption = choice.port;
      entry.simulated = true;
      entry.enabled = simulatedAvailable;
    } else if (comIndex < kComPortCount) {
      // COM1..COM4 come first, each with its command and its digit as the
      // menu's shortcut.
      ++comIndex;
      entry.caption = "COM&" + std::to_string(comIndex);
      entry.commandId = kFirstComPortCommand + comIndex - 1;
    } else {
      entry.caption =
          choice.description.empty() ? choice.port : choice.port + "  (" + choice.description + ")";
    }
    entries.push_back(std::move(entry));
  }
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
