#include "sim/PanelDrawing.h"

#include <algorithm>

#include "sim/PanelViewOutput.h"

namespace orvane::sim {
namespace {

constexpr int kSetPointPanel = 5;

std::string LampRow(const std::string& prefix, const std::vector<LampState>& lamps) {
  std::string row;
  for (size_t i = 0; i < lamps.size(); ++i) {
    std::string cell = prefix + std::to_string(i + 1) + " " + LampStateName(lamps[i]);
    if (i + 1 < lamps.size()) {
      cell.resize(std::max<size_t>(cell.size() + 2, 10), ' ');
    }
    row += cell;
  }
  return row;
}

}  // namespace

DrawnPanel DrawPanel(const PanelView& view) {
  DrawnPanel drawn;
  std::vector<std::string> shown = view.lines;
  std::optional<DisplayCursor> cursor = view.cursor;
  size_t width = 0;
  for (const std::string& line : shown) {
    width = std::max(width, line.size());
  }
  if (view.model == kSetPointPanel) {
    // The value stands at the right of the description's width.
    for (size_t i = 1; i < shown.size(); ++i) {
      const size_t pad = width - shown[i].size();
      shown[i] = std::string(pad, ' ') + shown[i];
      if (cursor && cursor->line == static_cast<int>(i)) {
        cursor->column += static_cast<int>(pad);
      }
    }
  }
  const std::string rule = "+" + std::string(width, '-') + "+";
  drawn.lines.push_back(rule);
  for (std::string line : shown) {
    line.resize(width, ' ');
    drawn.lines.push_back("|" + DisplayUtf8(line) + "|");
  }
  drawn.lines.push_back(rule);
  if (cursor) {
    drawn.cursor = DisplayCursor{cursor->line + 1, cursor->column + 1};
  }
  if (!view.leds.empty()) {
    drawn.lines.push_back(LampRow("F", view.leds));
  }
  if (!view.lamps.empty()) {
    drawn.lines.push_back("Lamps: " + LampRow("", view.lamps));
  }
  return drawn;
}

}  // namespace orvane::sim
