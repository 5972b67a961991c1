// The one way the core talks to the user.
//
// The core never shows anything itself: every message box, question, file
// chooser and choice goes through this interface. The desktop program
// implements it with Qt dialogs, orvane-cli with the terminal and its
// --yes/--no and file options, and the tests with a scripted double that
// records every call and answers from a script.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace orvane {

enum class Icon { None, Information, Exclamation, Question, Stop };

enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };

enum class Answer { Ok, Cancel, Yes, No };

struct Message {
  std::string text;
  std::string caption;  // empty: the application's title
  Icon icon = Icon::None;
  std::string details;  // shown behind a "Details..." button when not empty
  int helpContext = 0;
};

struct Question {
  std::string text;
  std::string caption;  // empty: the application's title
  Icon icon = Icon::Question;
  Buttons buttons = Buttons::YesNo;
  Answer defaultAnswer = Answer::Yes;
  std::string details;  // shown behind a "Details..." button when not empty
};

// A file chooser. The filter uses the classic form
// "Orvane Files (*.ovx)|*.ovx|All Files (*.*)|*.*||".
struct FileRequest {
  std::string title;
  std::string filter;
  std::string defaultExtension;  // with the dot: ".ovx"
  std::string initialPath;
  bool overwritePrompt = false;  // save choosers: ask before replacing a file
};

struct Choice {
  std::string label;
  bool enabled = true;
};

struct ChoiceRequest {
  std::string caption;
  std::string text;
  std::vector<Choice> choices;
  int preselected = 0;
};

class UserInterface {
 public:
  virtual ~UserInterface() = default;

  virtual void ShowMessage(const Message& message) = 0;
  virtual Answer Ask(const Question& question) = 0;
  /// Returns the chosen path, or nothing when the user cancelled.
  virtual std::optional<std::string> ChooseOpenFile(const FileRequest& request) = 0;
  /// Returns the chosen path, or nothing when the user cancelled.
  virtual std::optional<std::string> ChooseSaveFile(const FileRequest& request) = 0;
  /// Returns the index of the chosen entry, or nothing when the user cancelled.
  virtual std::optional<int> Choose(const ChoiceRequest& request) = 0;

  // Shorthands for the common cases.
  void Show(const std::string& text, Icon icon = Icon::None, const std::string& caption = {}) {
    ShowMessage(Message{text, caption, icon, {}, 0});
  }
};

}  // namespace orvane
