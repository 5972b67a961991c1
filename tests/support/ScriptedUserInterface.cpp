#include "tests/support/ScriptedUserInterface.h"

namespace orvane::testing {

void ScriptedUserInterface::ShowMessage(const Message& message) {
  RecordedCall call;
  call.kind = RecordedCall::Kind::Message;
  call.text = message.text;
  call.caption = message.caption;
  call.icon = message.icon;
  call.details = message.details;
  calls_.push_back(call);
}

Answer ScriptedUserInterface::Ask(const Question& question) {
  RecordedCall call;
  call.kind = RecordedCall::Kind::Question;
  call.text = question.text;
  call.caption = question.caption;
  call.icon = question.icon;
  call.buttons = question.buttons;
  call.defaultAnswer = question.defaultAnswer;
  call.details = question.details;
  calls_.push_back(call);
  if (answers_.empty()) {
    ++unscripted_;
    return question.defaultAnswer;
  }
  const Answer answer = answers_.front();
  answers_.pop_front();
  return answer;
}

std::optional<std::string> ScriptedUserInterface::ChooseOpenFile(const FileRequest& request) {
  RecordedCall call;
  call.kind = RecordedCall::Kind::OpenFile;
  call.text = request.title;
  call.file = request;
  calls_.push_back(call);
  if (files_.empty()) {
    ++unscripted_;
    return std::nullopt;
  }
  auto path = files_.front();
  files_.pop_front();
  return path;
}

std::optional<std::string> ScriptedUserInterface::ChooseSaveFile(const FileRequest& request) {
  RecordedCall call;
  call.kind = RecordedCall::Kind::SaveFile;
  call.text = request.title;
  call.file = request;
  calls_.push_back(call);
  if (files_.empty()) {
    ++unscripted_;
    return std::nullopt;
  }
  auto path = files_.front();
  files_.pop_front();
  return path;
}

std::optional<int> ScriptedUserInterface::Choose(const ChoiceRequest& request) {
  RecordedCall call;
  call.kind = RecordedCall::Kind::Choice;
  call.text = request.caption;
  call.choice = request;
  calls_.push_back(call);
  if (choices_.empty()) {
    ++unscripted_;
    return std::nullopt;
  }
  auto index = choices_.front();
  choices_.pop_front();
  return index;
}

std::vector<std::string> ScriptedUserInterface::MessageTexts() const {
  std::vector<std::string> texts;
  for (const RecordedCall& call : calls_) {
    if (call.kind == RecordedCall::Kind::Message) {
      texts.push_back(call.text);
    }
  }
  return texts;
}

std::vector<std::string> ScriptedUserInterface::QuestionTexts() const {
  std::vector<std::string> texts;
  for (const RecordedCall& call : calls_) {
    if (call.kind == RecordedCall::Kind::Question) {
      texts.push_back(call.text);
    }
  }
  return texts;
}

void ScriptedUserInterface::Clear() {
  calls_.clear();
  answers_.clear();
  files_.clear();
  choices_.clear();
  unscripted_ = 0;
}

}  // namespace orvane::testing
