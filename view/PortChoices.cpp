#include "view/PortChoices.h"

#include "base/StringTable.h"

namespace orvane {

std::string SimulatedPanelPort() {
  return LoadString(strings::kSimulatedPanel);
}

bool IsSimulatedPanelPort(const std::string& port) {
  return port == SimulatedPanelPort();
}

std::vector<PortChoice> PortChoices(const std::vector<SerialPortEntry>& present) {
  std::vector<PortChoice> choices;
  for (const std::string& name : ComPortNames()) {
    choices.push_back(PortChoice{name, {}, false});
  }
  for (const SerialPortEntry& port : present) {
    // A device a COM name stands for is already there under that name.
    if (port.name != port.device) {
      continue;
    }
    choices.push_back(PortChoice{port.device, port.description, false});
  }
  choices.push_back(PortChoice{SimulatedPanelPort(), {}, true});
  return choices;
}

}  // namespace orvane
