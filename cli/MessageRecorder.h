// Passes everything on to another user interface and keeps the texts of the
// messages shown, so a command can report them with its results.
#pragma once

#include <string>
#include <vector>

#include "base/UserInterface.h"

namespace orvane::cli {

class MessageRecorder : public UserInterface {
 public:
  /// inner must outlive the recorder.
  explicit MessageRecorder(UserInterface& inner) : inner_(inner) {}

  void ShowMessage(const Message& message) override;
  Answer Ask(const Question& question) override { return inner_.Ask(question); }
  std::optional<std::string> ChooseOpenFile(const FileRequest& request) override {
    return inner_.ChooseOpenFile(request);
  }
  std::optional<std::string> ChooseSaveFile(const FileRequest& request) override {
    return inner_.ChooseSaveFile(request);
  }
  std::optional<int> Choose(const ChoiceRequest& request) override {
    return inner_.Choose(request);
  }

  /// The texts shown since the last call, joined by line breaks.
  std::string TakeMessages();

 private:
  UserInterface& inner_;
  std::vector<std::string> texts_;
};

}  // namespace orvane::cli
