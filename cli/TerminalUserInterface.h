// The user interface of orvane-cli: messages go to standard error with their
// exact text; questions, file choosers and choices take what the command line
// gave, ask on the terminal when there is one, and otherwise fall back to the
// default and say so.
#pragma once

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "base/UserInterface.h"
#include "cli/Arguments.h"

namespace orvane::cli {

class TerminalUserInterface : public UserInterface {
 public:
  /// messages: where texts and prompts go; input: where typed answers come
  /// from. Questions are asked only when input is a terminal.
  explicit TerminalUserInterface(std::FILE* messages = stderr, std::FILE* input = stdin);

  /// The answer to every question: true yes (or OK), false no (or cancel).
  void SetPresetAnswer(std::optional<bool> yes) { presetAnswer_ = yes; }
  /// The paths file choosers return.
  void SetOpenFile(std::optional<std::string> path) { openFile_ = std::move(path); }
  void SetSaveFile(std::optional<std::string> path) { saveFile_ = std::move(path); }
  /// The index a choice returns.
  void SetChoice(std::optional<int> index) { choice_ = index; }
  void SetInteractive(bool interactive) { interactive_ = interactive; }

  void ShowMessage(const Message& message) override;
  Answer Ask(const Question& question) override;
  std::optional<std::string> ChooseOpenFile(const FileRequest& request) override;
  std::optional<std::string> ChooseSaveFile(const FileRequest& request) override;
  std::optional<int> Choose(const ChoiceRequest& request) override;

 private:
  std::optional<Answer> ReadAnswer(const Question& question);

  std::FILE* messages_;
  std::FILE* input_;
  bool interactive_ = false;
  std::optional<bool> presetAnswer_;
  std::optional<std::string> openFile_;
  std::optional<std::string> saveFile_;
  std::optional<int> choice_;
};

/// --yes and --no, for commands that may ask a question.
std::vector<OptionSpec> QuestionOptions();
/// Hands --yes or --no to the interface; both together are a usage error.
void ApplyQuestionOptions(const Arguments& args, TerminalUserInterface& ui);

}  // namespace orvane::cli
