// The user interface of the fuzz targets: it shows nothing, chooses no file
// and gives every question its safe answer (Cancel where there is one, else
// No), so that nothing a parser asks changes what it reads.
#pragma once

#include <optional>
#include <string>

#include "base/UserInterface.h"

namespace orvane::fuzzing {

class SilentUserInterface : public UserInterface {
 public:
  void ShowMessage(const Message&) override {}
  Answer Ask(const Question& question) override {
    return question.buttons == Buttons::OkCancel ? Answer::Cancel : Answer::No;
  }
  std::optional<std::string> ChooseOpenFile(const FileRequest&) override { return {}; }
  std::optional<std::string> ChooseSaveFile(const FileRequest&) override { return {}; }
  std::optional<int> Choose(const ChoiceRequest&) override { return {}; }
};

}  // namespace orvane::fuzzing
