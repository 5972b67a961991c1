// A UserInterface for tests: records every message, question and chooser
// call, and answers from a script the test queues up front.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "base/UserInterface.h"

namespace orvane::testing {

struct RecordedCall {
  enum class Kind { Message, Question, OpenFile, SaveFile, Choice };
  Kind kind = Kind::Message;
  std::string text;  // message or question text, or the chooser's title
  std::string caption;
  Icon icon = Icon::None;
  Buttons buttons = Buttons::Ok;
  Answer defaultAnswer = Answer::Ok;
  std::string details;
  FileRequest file;
  ChoiceRequest choice;
};

class ScriptedUserInterface : public UserInterface {
 public:
  // Script. Answers are used in order; an unscripted question gets its
  // default answer, an unscripted chooser is cancelled, and both are counted.
  void QueueAnswer(Answer answer) { answers_.push_back(answer); }
  void QueueFile(std::optional<std::string> path) { files_.push_back(std::move(path)); }
  void QueueChoice(std::optional<int> index) { choices_.push_back(index); }

  void ShowMessage(const Message& message) override;
  Answer Ask(const Question& question) override;
  std::optional<std::string> ChooseOpenFile(const FileRequest& request) override;
  std::optional<std::string> ChooseSaveFile(const FileRequest& request) override;
  std::optional<int> Choose(const ChoiceRequest& request) override;

  const std::vector<RecordedCall>& Calls() const { return calls_; }
  /// The texts of the messages shown (not the questions), in order.
  std::vector<std::string> MessageTexts() const;
  /// The texts of the questions asked, in order.
  std::vector<std::string> QuestionTexts() const;
  int UnscriptedCount() const { return unscripted_; }
  bool ScriptUsedUp() const { return answers_.empty() && files_.empty() && choices_.empty(); }
  void Clear();

 private:
  std::vector<RecordedCall> calls_;
  std::deque<Answer> answers_;
  std::deque<std::optional<std::string>> files_;
  std::deque<std::optional<int>> choices_;
  int unscripted_ = 0;
};

}  // namespace orvane::testing
