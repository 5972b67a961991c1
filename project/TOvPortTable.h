// Which panel model sits on which multiplexer port, and the port the
// screen edits.
#pragma once

#include <array>
#include <cstdint>

#include "project/ModelLimits.h"

namespace orvane {

class TOvPanel;

class TOvPortTable {
 public:
  /// The port (1 to 5) whose panel the screen edits; always 1 in a single
  /// panel system. A multi-panel file may name none (0), which is kept as
  /// read: no panel is then selected.
  int32_t selectedPort = kFirstPort;

  /// The model on a port; 0 for a port without panel and for any number
  /// outside 1 to 5.
  int32_t Model(int32_t port) const;
  /// Ports outside 1 to 5 are ignored.
  void SetModel(int32_t port, int32_t model);
  /// The entry of the panel's port becomes the panel's model.
  void SetPanel(const TOvPanel& panel);
  bool IsConfigured(int32_t port) const { return Model(port) != 0; }
  void Clear(int32_t port) { SetModel(port, 0); }
  /// Ports 1 to 5 with a model.
  int ConfiguredCount() const;

  bool operator==(const TOvPortTable& other) const = default;

 private:
  // Port p at [p - 1]; a new project has model 1 on port 1.
  std::array<int32_t, kMaxPanels> portModel_{1, 0, 0, 0, 0};
};

}  // namespace orvane
