// orvane-panelsim --render: the panel's display after setting registers and
// pressing keys, then its LEDs, annunciator lamps and the registers it
// wrote.
#pragma once

#include <string>
#include <vector>

#include "sim/SimulatedPanel.h"
#include "sim/VirtualPanel.h"

namespace orvane::sim {

class PanelAddressBook;

/// One key step: "KEY" presses and releases, "KEY:down" presses and holds,
/// "KEY:up" releases.
struct KeyStep {
  Key key = Key::Enter;
  bool press = true;
  bool release = true;
};
/// false for an unknown key name.
bool ParseKeyStep(const std::string& text, KeyStep& step);

/// "NAME=VALUE" set on the panel's registers, NAME an address text or "#N";
/// an error text, or empty.
std::string ApplyRegister(VirtualPanel& panel, const PanelAddressBook& book,
                          const std::string& assignment);
/// A key step on the panel; an error text, or empty.
std::string ApplyKey(VirtualPanel& panel, const std::string& text);

struct RenderRequest {
  std::vector<std::string> registers;
  std::vector<std::string> keys;
  bool json = false;
};

/// Runs the request on the panel; the output, or false with error.
bool RenderPanel(const SimulatedPanel& device, const RenderRequest& request, std::string& out,
                 std::string& error);

}  // namespace orvane::sim
