// The main view's own dialogs for tests: the models to pick are queued up
// front (an unscripted pick is a cancel), every dialog shown is recorded.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "view/MainViewDialogs.h"

namespace orvane::testing {

class ScriptedViewDialogs : public MainViewDialogs {
 public:
  void QueueModel(std::optional<int32_t> model) { models_.push_back(model); }

  std::optional<int32_t> SelectPanelModel(int32_t preselected) override {
    preselections.push_back(preselected);
    if (models_.empty()) {
      return std::nullopt;
    }
    const std::optional<int32_t> model = models_.front();
    models_.pop_front();
    return model;
  }
  void ShowAddressConversionLog(const std::vector<std::string>& lines) override {
    conversionLogs.push_back(lines);
  }

  /// What each "Select Panel" preselected, in order.
  std::vector<int32_t> preselections;
  /// Every address conversion log shown, in order.
  std::vector<std::vector<std::string>> conversionLogs;

 private:
  std::deque<std::optional<int32_t>> models_;
};

}  // namespace orvane::testing
