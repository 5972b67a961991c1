// The panel as text lines for the terminal (orvane-panelsim --display): the
// display in a frame, the function keys with their LEDs, and the
// annunciator lamps of model 3. No escape sequences: the caller places the
// lines and marks the cursor.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "sim/VirtualPanel.h"

namespace orvane::sim {

struct DrawnPanel {
  /// UTF-8 lines.
  std::vector<std::string> lines;
  /// The display's cursor: a line of lines and a column in characters.
  std::optional<DisplayCursor> cursor;
};

/// A text panel's lines framed as they are (20 characters); the set point
/// panel's description over its value, set to the right of the 16-character
/// frame. Then "F1 on   F2 off ..." for the function keys and "Lamps: 1 on
/// ..." on model 3.
DrawnPanel DrawPanel(const PanelView& view);

}  // namespace orvane::sim
