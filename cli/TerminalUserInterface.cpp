#include "cli/TerminalUserInterface.h"

#include <unistd.h>

#include <cctype>

#include "cli/Json.h"

namespace orvane::cli {
namespace {

const char* AnswerName(Answer answer) {
  switch (answer) {
    case Answer::Ok:
      return "OK";
    case Answer::Cancel:
      return "Cancel";
    case Answer::Yes:
      return "Yes";
    case Answer::No:
      return "No";
  }
  return "";
}

// What yes and no mean for a set of buttons.
Answer Affirmative(Buttons buttons) {
  return buttons == Buttons::Ok || buttons == Buttons::OkCancel ? Answer::Ok : Answer::Yes;
}
Answer Negative(Buttons buttons) {
  switch (buttons) {
    case Buttons::Ok:
      return Answer::Ok;
    case Buttons::OkCancel:
      return Answer::Cancel;
    default:
      return Answer::No;
  }
}

const char* Prompt(Buttons buttons) {
  switch (buttons) {
    case Buttons::Ok:
      return "[Enter]";
    case Buttons::OkCancel:
      return "[ok/cancel]";
    case Buttons::YesNo:
      return "[yes/no]";
    case Buttons::YesNoCancel:
      return "[yes/no/cancel]";
  }
  return "";
}

std::string Lower(std::string text) {
  for (char& c : text) {
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  return text;
}

}  // namespace

TerminalUserInterface::TerminalUserInterface(std::FILE* messages, std::FILE* input)
    : messages_(messages), input_(input), interactive_(input != nullptr && isatty(fileno(input))) {}

void TerminalUserInterface::ShowMessage(const Message& message) {
  if (message.icon == Icon::Stop || message.icon == Icon::Exclamation) {
    NoteError(message.text, message.details);
  }
  std::fprintf(messages_, "%s\n", message.text.c_str());
  if (!message.details.empty()) {
    std::fprintf(messages_, "%s\n", message.details.c_str());
  }
  std::fflush(messages_);
}

std::optional<Answer> TerminalUserInterface::ReadAnswer(const Question& question) {
  // A few tries; an unreadable reply after that takes the default.
  for (int attempt = 0; attempt < 3; ++attempt) {
    std::fprintf(messages_, "%s %s ", question.text.c_str(), Prompt(question.buttons));
    std::fflush(messages_);
    char line[128] = {};
    if (std::fgets(line, sizeof line, input_) == nullptr) {
      std::fprintf(messages_, "\n");
      return std::nullopt;
    }
    std::string reply = Lower(line);
    while (!reply.empty() && std::isspace(static_cast<unsigned char>(reply.back()))) {
      reply.pop_back();
    }
    if (reply.empty()) {
      return question.defaultAnswer;
    }
    if (reply == "y" || reply == "yes" || reply == "ok") {
      return Affirmative(question.buttons);
    }
    if (reply == "n" || reply == "no") {
      return Negative(question.buttons);
    }
    if ((reply == "c" || reply == "cancel") &&
        (question.buttons == Buttons::OkCancel || question.buttons == Buttons::YesNoCancel)) {
      return Answer::Cancel;
    }
  }
  return std::nullopt;
}

Answer TerminalUserInterface::Ask(const Question& question) {
  if (!question.details.empty()) {
    std::fprintf(messages_, "%s", question.details.c_str());
    if (question.details.back() != '\n') {
      std::fprintf(messages_, "\n");
    }
  }
  if (presetAnswer_) {
    const Answer answer =
        *presetAnswer_ ? Affirmative(question.buttons) : Negative(question.buttons);
    std::fprintf(messages_, "%s %s\n", question.text.c_str(), AnswerName(answer));
    std::fflush(messages_);
    return answer;
  }
  if (interactive_) {
    if (const std::optional<Answer> answer = ReadAnswer(question)) {
      return *answer;
    }
  }
  std::fprintf(messages_, "%s %s (the default; give --yes or --no to choose)\n",
               question.text.c_str(), AnswerName(question.defaultAnswer));
  std::fflush(messages_);
  return question.defaultAnswer;
}

std::optional<std::string> TerminalUserInterface::ChooseOpenFile(const FileRequest& request) {
  if (openFile_) {
    return openFile_;
  }
  std::fprintf(messages_, "%s: no file was given on the command line\n", request.title.c_str());
  std::fflush(messages_);
  return std::nullopt;
}

std::optional<std::string> TerminalUserInterface::ChooseSaveFile(const FileRequest& request) {
  if (saveFile_) {
    return saveFile_;
  }
  std::fprintf(messages_, "%s: no file was given on the command line\n", request.title.c_str());
  std::fflush(messages_);
  return std::nullopt;
}

std::optional<int> TerminalUserInterface::Choose(const ChoiceRequest& request) {
  const int count = static_cast<int>(request.choices.size());
  if (choice_ && *choice_ >= 0 && *choice_ < count &&
      request.choices[static_cast<size_t>(*choice_)].enabled) {
    return choice_;
  }
  std::fprintf(messages_, "%s: %s\n", request.caption.c_str(),
               choice_ ? "the choice given on the command line is not offered"
                       : "no choice was given on the command line");
  for (int i = 0; i < count; ++i) {
    const Choice& entry = request.choices[static_cast<size_t>(i)];
    std::fprintf(messages_, "  %d  %s%s\n", i, entry.label.c_str(),
                 entry.enabled ? "" : " (not available)");
  }
  std::fflush(messages_);
  return std::nullopt;
}

std::vector<OptionSpec> QuestionOptions() {
  return {OptionSpec{"--yes", false, false, ""}, OptionSpec{"--no", false, false, ""}};
}

void ApplyQuestionOptions(const Arguments& args, TerminalUserInterface& ui) {
  const bool yes = args.Has("--yes");
  const bool no = args.Has("--no");
  if (yes && no) {
    throw UsageError("--yes and --no exclude each other");
  }
  if (yes || no) {
    ui.SetPresetAnswer(yes);
  }
}

}  // namespace orvane::cli
