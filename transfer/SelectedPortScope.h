// Keeps a project's selected port across a sequence that moves it from
// panel to panel.
#pragma once

#include <cstdint>

#include "project/TOvProject.h"

namespace orvane {

/// Puts the selected port back when the scope ends, however the sequence
/// ended, so a multi-panel write or test leaves the view's panel as it was.
class SelectedPortScope {
 public:
  explicit SelectedPortScope(TOvProject& project)
      : project_(project), saved_(project.portTable.selectedPort) {}
  ~SelectedPortScope() { project_.portTable.selectedPort = saved_; }
  SelectedPortScope(const SelectedPortScope&) = delete;
  SelectedPortScope& operator=(const SelectedPortScope&) = delete;

 private:
  TOvProject& project_;
  int32_t saved_ = 0;
};

}  // namespace orvane
