// Project files the reader refuses, each with its own message followed by
// Z002; files cut short; the tag map that is gone; saves that fail part-way.
#include <cerrno>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "base/StringTable.h"
#include "project/ProjectFile.h"
#include "project/TOvProject.h"
#include "tests/project/ProjectFileSupport.h"
#include "tests/support/ScriptedUserInterface.h"
#include "tests/support/TestPaths.h"

namespace orvane::testing {
namespace {

namespace fs = std::filesystem;

const char* const kZ002 = "Error Z002: You are trying to read from an invalid file";

// Replaces line `index` (0-based) of a golden file.
std::string WithLine(const std::string& name, size_t index, const std::string& line) {
  std::vector<std::string> lines = SplitLines(ReadText(GoldenFile(name)));
  lines.at(index) = line + "\n";
  std::string text;
  for (const std::string& each : lines) {
    text += each;
  }
  return text;
}

struct Refusal {
  const char* what;
  std::string text;
  std::vector<std::string> messages;  // before Z002
  int line = 0;                       // the line Z002's details name
};

// Loads text and expects the messages, each with the caption "Error" and
// the error icon, then Z002, and the target project untouched.
void ExpectRefused(const Refusal& refusal) {
  const fs::path file = MakeTempDir("refused") / "project.ovx";
  WriteText(file, refusal.text);
  ScriptedUserInterface ui;
  TOvProject project;
  project.projectName = "untouched";
  project.PutPanel(TOvPanel(&project, kModelOv400));
  EXPECT_FALSE(LoadProjectFile(file, project, ui, FixedLookup())) << refusal.what;
  std::vector<std::string> expected = refusal.messages;
  expected.push_back(kZ002);
  EXPECT_EQ(ui.MessageTexts(), expected) << refusal.what;
  // Every message names the file and the line; Z002 also says what is wrong.
  const std::string place = file.string() + ", line " + std::to_string(refusal.line);
  for (const RecordedCall& call : ui.Calls()) {
    EXPECT_EQ(call.caption, "Error") << refusal.what;
    EXPECT_EQ(call.icon, Icon::Stop) << refusal.what;
    EXPECT_EQ(call.details.rfind(place, 0), 0u) << refusal.what << ": " << call.details;
  }
  // Z002 says what is wrong, unless a message of its own has said it.
  EXPECT_EQ(ui.Calls().back().details.size() > place.size() + 1, refusal.messages.empty())
      << refusal.what << ": " << ui.Calls().back().details;
  EXPECT_EQ(project.projectName, "untouched");
  ASSERT_EQ(project.panels.size(), 1u);
  EXPECT_EQ(project.panels[0].panelModel, kModelOv400);
}

TEST(ProjectFileFailure, EveryRefusalShowsItsMessageThenZ002) {
  const std::string single = "single-panel.ovx";
  const std::string multi = "multi-panel.ovx";
  const std::string magic = "QZK__949F5CA5_5E30_11D4_9913_008048B6AF27__QZK1";
  const Refusal refusals[] = {
      {"a magic with a trailing blank", WithLine(single, 0, magic + " "), {}, 1},
      {"another magic",
       WithLine(single, 0, "QZK__949F5CA5_5E30_11D4_9913_008048B6AF27__QZK2"),
       {},
       1},
      {"an empty file", "", {}, 1},
      {"system mode 2", WithLine(single, 1, "2"), {}, 2},
      {"a single panel file with two panels", WithLine(single, 2, "2"), {}, 3},
      {"a single panel file without panel", WithLine(single, 2, "0"), {}, 3},
      {"a multi-panel count that differs from the port table", WithLine(multi, 8, "3"), {}, 9},
      {"a port model of 6", WithLine(multi, 2, "6"), {}, 3},
      {"a selected port of 6", WithLine(multi, 7, "6"), {}, 8},
      {"a panel model of 0", WithLine(single, 3, "0"), {}, 4},
      {"a panel model of 6", WithLine(single, 3, "6"), {}, 4},
      {"a panel on port 2 of a single panel system", WithLine(single, 4, "2"), {}, 5},
      {"a panel whose model the port table does not give", WithLine(multi, 9, "1"), {}, 11},
      {"a panel on an unconfigured port", WithLine(multi, 10, "2"), {}, 11},
      {"a message count above 256", WithLine(single, 7, "257"), {}, 8},
      {"a negative message count", WithLine(single, 7, "-1"), {}, 8},
      {"an attribute count of 1", WithLine(single, 53, "1"), {}, 54},
      {"an attribute byte of 256", WithLine(single, 56, "256"), {}, 57},
      {"data type 4 in the LED word",
       WithLine(single, 27, "4"),
       {"Error Z006: Unknown value type (4) encountered while loading project. Known values are "
        "0(BCD) and 1 (Binary)"},
       28},
      {"data type -3 in a line register",
       WithLine(single, 33, "-3"),
       {"Error Z006: Unknown value type (-3) encountered while loading project. Known values are "
        "0(BCD) and 1 (Binary)"},
       34},
      {"access type 3 in data item 1",
       WithLine("data-item.ovx", 21, "3"),
       {"Error T007: Unknown access type specified for PLC Address."},
       22},
      {"a PLC no installed driver serves",
       WithLine(single, 54, "9"),
       {"Error P007: PLC dll for this PLC (Manufacturer ID : 9, Model ID : 4)\nnot found in this "
        "system"},
       55},
  };
  for (const Refusal& refusal : refusals) {
    ExpectRefused(refusal);
  }
}

TEST(ProjectFileFailure, AMissingFileShowsZ002Only) {
  ScriptedUserInterface ui;
  TOvProject project;
  EXPECT_FALSE(LoadProjectFile(MakeTempDir("missing") / "nothing.ovx", project, ui, FixedLookup()));
  EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>{kZ002});
  // A folder is no project file either.
  ScriptedUserInterface folder;
  EXPECT_FALSE(LoadProjectFile(MakeTempDir("folder"), project, folder, FixedLookup()));
  EXPECT_EQ(folder.MessageTexts(), std::vector<std::string>{kZ002});
}

// Every golden file cut after each of its lines, and cut inside its last
// line: the open fails with Z002 alone and nothing else is asked.
TEST(ProjectFileFailure, FilesCutShortAreRefusedAsAWhole) {
  std::vector<std::string> names = CurrentGoldenFiles();
  names.push_back("previous-version.ovx");
  for (const std::string& name : names) {
    const std::vector<std::string> lines = SplitLines(ReadText(GoldenFile(name)));
    std::string prefix;
    for (size_t kept = 0; kept + 1 < lines.size(); ++kept) {
      prefix += lines[kept];
      const fs::path file = MakeTempDir("cut") / "project.ovx";
      WriteText(file, prefix);
      ScriptedUserInterface ui;
      // The previous version asks for a backup first; say no.
      ui.QueueAnswer(Answer::No);
      TOvProject project;
      EXPECT_FALSE(LoadProjectFile(file, project, ui, FixedLookup()))
          << name << " cut after line " << kept + 1;
      EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>{kZ002})
          << name << " cut after line " << kept + 1;
    }
  }
  // Without the last line break the file is whole.
  std::string whole = ReadText(GoldenFile("single-panel.ovx"));
  whole.pop_back();
  const fs::path file = MakeTempDir("cut") / "whole.ovx";
  WriteText(file, whole);
  ScriptedUserInterface ui;
  TOvProject project;
  EXPECT_TRUE(LoadProjectFile(file, project, ui, FixedLookup()));
}

std::string WithTagMap(const std::string& path) {
  std::string text = ReadText(GoldenFile("single-panel.ovx"));
  text.resize(text.size() - 2);  // the final "0\n"
  return text + "1\n" + path + "\n";
}

TEST(ProjectFileFailure, AMissingTagMapAsksForAnotherOne) {
  const fs::path dir = MakeTempDir("tagmap");
  const std::string missing = (dir / "gone.map").string();
  WriteText(dir / "project.ovx", WithTagMap(missing));
  WriteText(dir / "other.map", "header one\nheader two\nMOTOR_SPEED,C100,5,x\n");
  const std::string t004 =
      "Error T004: Unable to open tag map file : " + missing + "\nPlease choose the map file";

  // Cancel: the open fails with Z002.
  {
    ScriptedUserInterface ui;
    ui.QueueAnswer(Answer::Cancel);
    TOvProject project;
    EXPECT_FALSE(LoadProjectFile(dir / "project.ovx", project, ui, FixedLookup()));
    ASSERT_EQ(ui.Calls().size(), 2u);
    EXPECT_EQ(ui.Calls()[0].text, t004);
    EXPECT_EQ(ui.Calls()[0].caption, "Error");
    EXPECT_EQ(ui.Calls()[0].buttons, Buttons::OkCancel);
    EXPECT_EQ(ui.Calls()[0].icon, Icon::Information);
    EXPECT_EQ(ui.Calls()[1].text, kZ002);
  }
  // OK, then Cancel in the chooser: fails too.
  {
    ScriptedUserInterface ui;
    ui.QueueAnswer(Answer::Ok);
    ui.QueueFile(std::nullopt);
    TOvProject project;
    EXPECT_FALSE(LoadProjectFile(dir / "project.ovx", project, ui, FixedLookup()));
    ASSERT_EQ(ui.Calls().size(), 3u);
    EXPECT_EQ(ui.Calls()[1].kind, RecordedCall::Kind::OpenFile);
    EXPECT_EQ(ui.Calls()[1].file.title, "Open Tag Map File");
    EXPECT_EQ(ui.Calls()[1].file.filter,
              "Think & Do Map Files (*.map)|*.map|All Files (*.*)|*.*||");
    EXPECT_EQ(ui.Calls()[2].text, kZ002);
  }
  // OK and a map file: the project takes it.
  {
    ScriptedUserInterface ui;
    ui.QueueAnswer(Answer::Ok);
    ui.QueueFile((dir / "other.map").string());
    TOvProject project;
    ASSERT_TRUE(LoadProjectFile(dir / "project.ovx", project, ui, FixedLookup()));
    EXPECT_TRUE(project.tagMapInUse);
    EXPECT_EQ(project.tagMapPath, (dir / "other.map").string());
    EXPECT_EQ(project.tagMaps[0].entries.at("MOTOR_SPEED"), "C100,5,x");
    EXPECT_TRUE(ui.MessageTexts().empty());
  }
  // A map file that is there is read without a question.
  {
    WriteText(dir / "present.ovx", WithTagMap((dir / "other.map").string()));
    ScriptedUserInterface ui;
    TOvProject project;
    ASSERT_TRUE(LoadProjectFile(dir / "present.ovx", project, ui, FixedLookup()));
    EXPECT_TRUE(ui.Calls().empty());
    EXPECT_EQ(project.tagMaps[1].header2, "header two");
  }
}

TEST(ProjectFileFailure, AFailedSaveLeavesThePreviousFileWhole) {
  const fs::path dir = MakeTempDir("atomic");
  const fs::path target = dir / "project.ovx";
  const std::string previous = "the previous file\n";
  WriteText(target, previous);
  ScriptedUserInterface loader;
  TOvProject project;
  ASSERT_TRUE(LoadProjectFile(GoldenFile("multi-panel.ovx"), project, loader, FixedLookup()));
  project.projectName = "before.ovx";

  // The disk fills up after 100 bytes.
  size_t written = 0;
  const FileWriteFunction failing = [&written](int, const char*, size_t size) -> long {
    if (written >= 100) {
      errno = ENOSPC;
      return -1;
    }
    const size_t step = std::min<size_t>(size, 100 - written);
    written += step;
    return static_cast<long>(step);
  };
  ScriptedUserInterface ui;
  EXPECT_FALSE(SaveProjectFile(project, target, ui, failing));
  EXPECT_EQ(written, 100u);
  EXPECT_EQ(ReadText(target), previous);
  EXPECT_EQ(project.projectName, "before.ovx");
  ASSERT_EQ(ui.Calls().size(), 1u);
  EXPECT_EQ(ui.Calls()[0].caption, "Error");
  EXPECT_EQ(ui.Calls()[0].icon, Icon::Stop);
  EXPECT_NE(ui.Calls()[0].text.find(target.string()), std::string::npos);
  // Nothing but the old file is left in the folder.
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);

  // A folder in which the temporary file cannot be made: the file's name
  // is as long as names get, so no longer name fits beside it.
  const fs::path longTarget = dir / std::string(250, 'p');
  WriteText(longTarget, previous);
  ScriptedUserInterface longUi;
  EXPECT_FALSE(SaveProjectFile(project, longTarget, longUi));
  EXPECT_EQ(ReadText(longTarget), previous);
  EXPECT_EQ(longUi.Calls().size(), 1u);

  // A target that is a folder with content cannot be replaced.
  fs::create_directories(dir / "folder.ovx" / "inside");
  ScriptedUserInterface folderUi;
  EXPECT_FALSE(SaveProjectFile(project, dir / "folder.ovx", folderUi));
  EXPECT_TRUE(fs::is_directory(dir / "folder.ovx" / "inside"));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 3);

  // And a save that works replaces the file.
  ScriptedUserInterface okUi;
  EXPECT_TRUE(SaveProjectFile(project, target, okUi));
  EXPECT_EQ(ReadText(target), ReadText(GoldenFile("multi-panel.ovx")));
  EXPECT_EQ(project.projectName, "project.ovx");
}

}  // namespace
}  // namespace orvane::testing
