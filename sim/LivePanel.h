// The run-time model of a served panel, kept up with what the panel holds:
// the control channel and the terminal display both drive it. Registers
// are named by address or #N, keys as --render takes them.
#pragma once

#include <memory>
#include <string>

#include "sim/DeviceMemory.h"
#include "sim/SimulatedPanel.h"
#include "sim/VirtualPanel.h"

namespace orvane::sim {

class PanelAddressBook;

class LivePanel {
 public:
  explicit LivePanel(const SimulatedPanel& device);
  ~LivePanel();

  /// Reads the panel's memory again when a program has changed it since;
  /// true when it did.
  bool Follow();

  /// "NAME=VALUE", NAME an address or #N; an error text, or empty.
  std::string SetRegister(const std::string& assignment);
  /// "KEY", "KEY:down" or "KEY:up"; an error text, or empty.
  std::string Key(const std::string& step);

  VirtualPanel& Panel() { return panel_; }
  const VirtualPanel& Panel() const { return panel_; }
  /// The state as --render --json writes it.
  std::string StateJson() const;

 private:
  void Reload();

  const SimulatedPanel& device_;
  VirtualPanel panel_;
  PanelMemory loaded_;
  std::unique_ptr<PanelAddressBook> book_;
};

}  // namespace orvane::sim
