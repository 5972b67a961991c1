#include "cli/TerminalUserInterface.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace orvane::cli {
namespace {

// The interface over in-memory streams: what it printed, and what a user
// typed.
class Terminal : public ::testing::Test {
 protected:
  void SetUp() override {
    messages_ = std::tmpfile();
    input_ = std::tmpfile();
    ASSERT_NE(messages_, nullptr);
    ASSERT_NE(input_, nullptr);
  }
  void TearDown() override {
    std::fclose(messages_);
    std::fclose(input_);
  }
  void Type(const std::string& text) {
    std::fputs(text.c_str(), input_);
    std::rewind(input_);
  }
  std::string Printed() {
    std::fflush(messages_);
    std::rewind(messages_);
    std::string text;
    for (int c = std::fgetc(messages_); c != EOF; c = std::fgetc(messages_)) {
      text += static_cast<char>(c);
    }
    return text;
  }

  std::FILE* messages_ = nullptr;
  std::FILE* input_ = nullptr;
};

TEST_F(Terminal, MessagesAreTheirExactText) {
  TerminalUserInterface ui(messages_, input_);
  ui.Show("Error T02_3:  Invalid Address ", Icon::Exclamation, "caption");
  ui.ShowMessage(Message{"two\nlines", "", Icon::None, "details", 0});
  EXPECT_EQ(Printed(), "Error T02_3:  Invalid Address \ntwo\nlines\ndetails\n");
}

TEST_F(Terminal, PresetAnswersFitTheButtons) {
  struct Case {
    bool yes;
    Buttons buttons;
    Answer answer;
  };
  const Case cases[] = {
      {true, Buttons::YesNo, Answer::Yes},       {false, Buttons::YesNo, Answer::No},
      {true, Buttons::YesNoCancel, Answer::Yes}, {false, Buttons::YesNoCancel, Answer::No},
      {true, Buttons::OkCancel, Answer::Ok},     {false, Buttons::OkCancel, Answer::Cancel},
      {false, Buttons::Ok, Answer::Ok}};
  for (const Case& c : cases) {
    TerminalUserInterface ui(messages_, input_);
    ui.SetInteractive(true);
    ui.SetPresetAnswer(c.yes);
    Question question;
    question.text = "Change?";
    question.buttons = c.buttons;
    question.defaultAnswer = Answer::Cancel;
    EXPECT_EQ(ui.Ask(question), c.answer);
  }
  EXPECT_EQ(Printed().find("Change? Yes\nChange? No\n"), 0u);
}

TEST_F(Terminal, WithoutAnAnswerTheDefaultIsTakenAndSaid) {
  TerminalUserInterface ui(messages_, input_);
  ui.SetInteractive(false);
  Question question;
  question.text = "Save?";
  question.defaultAnswer = Answer::No;
  EXPECT_EQ(ui.Ask(question), Answer::No);
  EXPECT_EQ(Printed(), "Save? No (the default; give --yes or --no to choose)\n");
}

TEST_F(Terminal, AQuestionsDetailsComeBeforeIt) {
  TerminalUserInterface ui(messages_, input_);
  ui.SetPresetAnswer(true);
  Question question;
  question.text = "Continue?";
  question.details = "Tag name \"A\" changed to \"B\" for address C1\n\tTWIN";
  EXPECT_EQ(ui.Ask(question), Answer::Yes);
  EXPECT_EQ(Printed(), "Tag name \"A\" changed to \"B\" for address C1\n\tTWIN\nContinue? Yes\n");
}

TEST_F(Terminal, AsksOnATerminal) {
  Type("maybe\nN\n");
  TerminalUserInterface ui(messages_, input_);
  ui.SetInteractive(true);
  Question question;
  question.text = "Overwrite?";
  question.buttons = Buttons::YesNoCancel;
  EXPECT_EQ(ui.Ask(question), Answer::No);
  EXPECT_EQ(Printed(), "Overwrite? [yes/no/cancel] Overwrite? [yes/no/cancel] ");
  // End of input takes the default.
  EXPECT_EQ(ui.Ask(question), Answer::Yes);
}

TEST_F(Terminal, ChoosersTakeWhatTheCommandGave) {
  TerminalUserInterface ui(messages_, input_);
  FileRequest request;
  request.title = "Open Project";
  EXPECT_FALSE(ui.ChooseOpenFile(request).has_value());
  ui.SetOpenFile("in.ovx");
  ui.SetSaveFile("out.ovx");
  EXPECT_EQ(ui.ChooseOpenFile(request), "in.ovx");
  EXPECT_EQ(ui.ChooseSaveFile(request), "out.ovx");

  ChoiceRequest choice;
  choice.caption = "Port";
  choice.choices = {{"COM1", true}, {"COM2", false}};
  EXPECT_FALSE(ui.Choose(choice).has_value());
  ui.SetChoice(1);
  EXPECT_FALSE(ui.Choose(choice).has_value());
  ui.SetChoice(0);
  EXPECT_EQ(ui.Choose(choice), 0);
  EXPECT_EQ(Printed(),
            "Open Project: no file was given on the command line\n"
            "Port: no choice was given on the command line\n"
            "  0  COM1\n"
            "  1  COM2 (not available)\n"
            "Port: the choice given on the command line is not offered\n"
            "  0  COM1\n"
            "  1  COM2 (not available)\n");
}

TEST(QuestionOptions, YesAndNoExcludeEachOther) {
  TerminalUserInterface ui(stderr, nullptr);
  EXPECT_THROW(ApplyQuestionOptions(Arguments({"--yes", "--no"}, QuestionOptions()), ui),
               UsageError);
  ApplyQuestionOptions(Arguments({"--no"}, QuestionOptions()), ui);
  Question question;
  question.text = "Go?";
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(ui.Ask(question), Answer::No);
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "Go? No\n");
}

}  // namespace
}  // namespace orvane::cli
