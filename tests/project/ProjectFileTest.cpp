// The project file: golden files read and written byte for byte, the
// previous version and its backup copy, line endings, and what a loaded
// project holds.
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "base/StringTable.h"
#include "project/ProjectFile.h"
#include "project/ProjectWriter.h"
#include "project/TOvProject.h"
#include "tests/project/ProjectFileSupport.h"
#include "tests/support/ScriptedUserInterface.h"
#include "tests/support/TestPaths.h"

namespace orvane::testing {
namespace {

namespace fs = std::filesystem;

TOvProject LoadGolden(const std::string& name, ScriptedUserInterface& ui) {
  TOvProject project;
  EXPECT_TRUE(LoadProjectFile(GoldenFile(name), project, ui, FixedLookup())) << name;
  return project;
}

TEST(ProjectFile, GoldenFilesLoadAndSaveByteForByte) {
  const fs::path dir = MakeTempDir("golden");
  for (const std::string& name : CurrentGoldenFiles()) {
    ScriptedUserInterface ui;
    TOvProject project = LoadGolden(name, ui);
    EXPECT_TRUE(ui.Calls().empty()) << name;
    const fs::path saved = dir / name;
    ASSERT_TRUE(SaveProjectFile(project, saved, ui)) << name;
    EXPECT_EQ(ReadText(saved), ReadText(GoldenFile(name))) << name;
    EXPECT_EQ(project.projectName, name);
  }
}

TEST(ProjectFile, TheSinglePanelExampleHoldsWhatItsLinesSay) {
  ScriptedUserInterface ui;
  const TOvProject project = LoadGolden("single-panel.ovx", ui);
  EXPECT_EQ(project.systemMode, kSinglePanelSystem);
  ASSERT_EQ(project.panels.size(), 1u);
  const TOvPanel& panel = project.panels.front();
  EXPECT_EQ(panel.panelModel, kModelOv200);
  EXPECT_EQ(panel.portNumber, 1);
  EXPECT_EQ(panel.firstMessageNumber, 1);
  ASSERT_EQ(panel.messages.size(), 1u);
  const TOvMessage& message = panel.messages.front();
  EXPECT_EQ(message.number, 256);
  EXPECT_EQ(message.text, "Welcome to Orvane");
  EXPECT_EQ(message.isPlcMessage, 0);
  EXPECT_EQ(message.panel, &panel);
  EXPECT_EQ(panel.keysLeds.ledWord.dataType, kDataTypeBinary16);
  EXPECT_EQ(panel.lineRegisters[0].dataType, kDataTypeBcd16);
  // Name and path come from the installed driver, not from the file.
  EXPECT_EQ(project.plc.name, kBriskoName);
  EXPECT_EQ(project.plc.pluginPath, kBriskoPath);
  EXPECT_EQ(project.plc.mapLength, 7);
  EXPECT_EQ(project.plc.attributeBytes.size(), 47u);
  EXPECT_EQ(project.plc.ManufacturerCode(), 1);
  EXPECT_EQ(project.plc.ModelCode(), 4);
  EXPECT_FALSE(project.tagMapInUse);
  EXPECT_EQ(project.portTable.Model(1), kModelOv200);
}

TEST(ProjectFile, MultiPanelSetPointModel3AndDataItemFilesHoldTheirValues) {
  ScriptedUserInterface ui;
  const TOvProject multi = LoadGolden("multi-panel.ovx", ui);
  EXPECT_EQ(multi.systemMode, kMultiPanelSystem);
  EXPECT_EQ(multi.portTable.selectedPort, 3);
  EXPECT_EQ(multi.portTable.Model(1), kModelOv400);
  EXPECT_EQ(multi.portTable.Model(3), kModelOv200L);
  ASSERT_EQ(multi.panels.size(), 2u);
  EXPECT_EQ(multi.SelectedPanel(), &multi.panels[1]);
  EXPECT_EQ(multi.panels[0].keysLeds.ledMode[0], 2);
  EXPECT_EQ(multi.panels[0].keysLeds.buttonAction[4], 2);
  EXPECT_EQ(multi.panels[0].lineRegisters[3].addressText, "N7:3");
  EXPECT_EQ(multi.panels[0].messages[1].item3.dataType, kDataTypeBcd32);
  EXPECT_EQ(multi.panels[1].messages[1].depth, 1);
  EXPECT_FALSE(multi.panels[0].plcMessageDelay);
  EXPECT_TRUE(multi.panels[0].cursorOnPlcMessage);

  const TOvProject setPoint = LoadGolden("set-point.ovx", ui);
  const TOvPanel& sp = setPoint.panels.front();
  EXPECT_TRUE(sp.IsSetPoint());
  EXPECT_TRUE(sp.messages[0].setPointValue);
  EXPECT_FALSE(sp.messages[1].setPointValue);
  EXPECT_EQ(sp.messages[0].item1.fixedDecimalPoint, 3);
  EXPECT_EQ(sp.messages[0].item1.accessType, kAccessReadOnly);
  EXPECT_TRUE(sp.messages[1].item1.limitsEnabled);
  EXPECT_EQ(sp.messages[1].item1.maximum, 1500u);
  EXPECT_EQ(sp.messages[1].item1.minimum, 100u);
  EXPECT_EQ(sp.lineRegisters[0].addressText, "N7:30");

  const TOvProject model3 = LoadGolden("model3.ovx", ui);
  const TOvPanel& p3 = model3.panels.front();
  EXPECT_EQ(p3.localPassword, 4000000000u);
  EXPECT_EQ(p3.passwordRegister.addressText, "N7:46");
  EXPECT_EQ(p3.annunciatorWord.addressText, "N7:43");
  EXPECT_EQ(p3.annunciatorWord.dataType, kDataTypeBinary16);
  EXPECT_TRUE(p3.messages[0].item1.passwordProtected);
  EXPECT_FALSE(p3.messages[0].item1.passwordIsLocal);
  EXPECT_TRUE(p3.messages[0].leadingZeros[0]);
  EXPECT_FALSE(p3.plcMessageDelay);

  const TOvProject item = LoadGolden("data-item.ovx", ui);
  const TOvReadWriteTag& item1 = item.panels.front().messages.front().item1;
  EXPECT_TRUE(item1.variableDecimalPoint);
  EXPECT_EQ(item1.decimalPointRegister.addressText, "N7:51");
  EXPECT_EQ(item1.maximum, 4294967295u);
  EXPECT_EQ(item1.minimum, 5u);
  EXPECT_EQ(item1.accessType, kAccessWriteOnly);
  EXPECT_EQ(item1.dataType, kDataTypeBinary32);
  EXPECT_EQ(item.panels.front().messages.front().leadingZeros,
            (std::array<bool, 3>{true, false, true}));
  EXPECT_TRUE(ui.Calls().empty());
}

TEST(ProjectFile, ASelectedPortOfZeroIsKeptAsRead) {
  std::vector<std::string> lines = SplitLines(ReadText(GoldenFile("multi-panel.ovx")));
  lines.at(7) = "0\n";  // F3: the selected port after the five port models
  std::string text;
  for (const std::string& line : lines) {
    text += line;
  }
  const fs::path file = MakeTempDir("selected-zero") / "zero.ovx";
  WriteText(file, text);
  ScriptedUserInterface ui;
  TOvProject project;
  ASSERT_TRUE(LoadProjectFile(file, project, ui, FixedLookup()));
  EXPECT_EQ(project.portTable.selectedPort, 0);
  EXPECT_EQ(project.SelectedPanel(), nullptr);
  EXPECT_EQ(ProjectFileText(project), text);
}

TEST(ProjectFile, PreviousVersionLoadsWithDefaultFlagsAndSavesCurrent) {
  ScriptedUserInterface ui;
  ui.QueueAnswer(Answer::No);
  TOvProject project;
  ASSERT_TRUE(LoadProjectFile(GoldenFile("previous-version.ovx"), project, ui, FixedLookup()));
  ASSERT_EQ(ui.Calls().size(), 1u);
  const RecordedCall& question = ui.Calls()[0];
  EXPECT_EQ(question.kind, RecordedCall::Kind::Question);
  EXPECT_EQ(question.text,
            "Project has been created using previous version of software. Do you want to have a "
            "back copy of it?");
  EXPECT_EQ(question.caption, "Backup Project");
  EXPECT_EQ(question.buttons, Buttons::YesNo);
  const TOvPanel& panel = project.panels.front();
  EXPECT_TRUE(panel.plcMessageDelay);
  EXPECT_TRUE(panel.cursorOnPlcMessage);
  EXPECT_FALSE(panel.beeperEnabled);
  for (const TOvMessage& message : panel.messages) {
    EXPECT_EQ(message.leadingZeros, (std::array<bool, 3>{false, false, false}));
  }
  // The address line without a TAB is all address.
  EXPECT_EQ(panel.messages[0].item2.addressText, "N7:60");
  EXPECT_EQ(panel.messages[0].item2.tagName, "");

  const fs::path saved = MakeTempDir("previous") / "saved.ovx";
  ASSERT_TRUE(SaveProjectFile(project, saved, ui));
  EXPECT_EQ(ReadText(saved), ReadText(GoldenFile("previous-version-saved.ovx")));
}

TEST(ProjectFile, BackupCopyIsWrittenLineByLineWhenAskedFor) {
  const fs::path dir = MakeTempDir("backup");
  // A previous-version file with CR LF line ends and no final line break.
  std::string original = ReadText(GoldenFile("previous-version.ovx"));
  std::string crlf;
  for (const char c : original) {
    if (c == '\n') {
      crlf += '\r';
    }
    crlf += c;
  }
  crlf.resize(crlf.size() - 2);
  WriteText(dir / "old.ovx", crlf);

  ScriptedUserInterface ui;
  ui.QueueAnswer(Answer::Yes);
  ui.QueueFile((dir / "copy.ovx").string());
  TOvProject project;
  ASSERT_TRUE(LoadProjectFile(dir / "old.ovx", project, ui, FixedLookup()));
  ASSERT_EQ(ui.Calls().size(), 2u);
  EXPECT_EQ(ui.Calls()[1].kind, RecordedCall::Kind::SaveFile);
  EXPECT_EQ(ui.Calls()[1].file.defaultExtension, ".ovx");
  EXPECT_EQ(ui.Calls()[1].file.filter, "Orvane Files (*.ovx)|*.ovx");
  EXPECT_TRUE(ui.Calls()[1].file.overwritePrompt);
  EXPECT_EQ(ReadText(dir / "copy.ovx"), original);

  // Yes and then Cancel in the chooser: no copy, the load goes on.
  ScriptedUserInterface cancelled;
  cancelled.QueueAnswer(Answer::Yes);
  cancelled.QueueFile(std::nullopt);
  TOvProject second;
  EXPECT_TRUE(LoadProjectFile(dir / "old.ovx", second, cancelled, FixedLookup()));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 2);
}

TEST(ProjectFile, CrLfFilesReadLikeLfFiles) {
  const fs::path dir = MakeTempDir("crlf");
  for (const std::string& name : CurrentGoldenFiles()) {
    std::string crlf;
    for (const char c : ReadText(GoldenFile(name))) {
      if (c == '\n') {
        crlf += '\r';
      }
      crlf += c;
    }
    WriteText(dir / name, crlf);
    ScriptedUserInterface ui;
    TOvProject project;
    ASSERT_TRUE(LoadProjectFile(dir / name, project, ui, FixedLookup())) << name;
    EXPECT_EQ(ProjectFileText(project), ReadText(GoldenFile(name))) << name;
  }
}

TEST(ProjectFile, MessageSectionsFollowTheModelAndTheMarkers) {
  TOvProject project;
  project.plc.name = "PLC";
  project.plc.attributeBytes = {1, 4};
  TOvPanel& panel = project.PutPanel(TOvPanel(&project, kModelOv200));
  TOvMessage message(&panel);
  message.number = 3;
  message.isPlcMessage = 1;
  message.text = "no markers";
  message.item1.addressText = "kept but not written";
  panel.AddMessage(message);
  const std::string text = ProjectFileText(project);
  EXPECT_EQ(text.find("kept but not written"), std::string::npos);
  // PLC message: number, text, 1, then the three leading-zero flags.
  EXPECT_NE(text.find("3\nno markers\n1\n0\n0\n0\n0\n"), std::string::npos);

  // The same message on the set point model has M6 and a data item 1.
  panel.panelModel = kModelOvSP;
  const std::string setPoint = ProjectFileText(project);
  EXPECT_NE(
      setPoint.find("3\nno markers\n1\n0\n0\n0\n-1\n0\n0\nnot used\n0\nkept but not written\t\n"),
      std::string::npos);
}

TEST(ProjectFile, ExportWritesTheSelectedPanelAsASinglePanelProject) {
  ScriptedUserInterface ui;
  TOvProject project = LoadGolden("multi-panel.ovx", ui);
  const std::string before = ProjectFileText(project);
  const fs::path out = MakeTempDir("export") / "panel.ovx";
  ASSERT_TRUE(ExportPanelFile(project, out, ui));
  EXPECT_EQ(ProjectFileText(project), before);
  EXPECT_EQ(project.projectName, "");

  TOvProject exported;
  ASSERT_TRUE(LoadProjectFile(out, exported, ui, FixedLookup()));
  EXPECT_EQ(exported.systemMode, kSinglePanelSystem);
  ASSERT_EQ(exported.panels.size(), 1u);
  EXPECT_EQ(exported.panels[0].portNumber, 1);
  EXPECT_EQ(exported.panels[0].panelModel, kModelOv200L);
  EXPECT_TRUE(exported.panels[0].Equals(project.panels[1]));
  const std::string text = ReadText(out);
  EXPECT_EQ(text.substr(0, kCurrentMagic.size() + 9),
            std::string(kCurrentMagic) + "\n0\n1\n2\n1\n");

  // What the model does not use is dropped, as by a copy of the project.
  TOvPanel& selected = *project.SelectedPanel();
  selected.lineRegisters[2].addressText = "N7:33";
  selected.annunciatorWord.addressText = "B3:44";
  selected.passwordRegister.addressText = "N7:55";
  selected.localPassword = 1234;
  ASSERT_FALSE(selected.messages.empty());
  selected.messages[0].item1.passwordProtected = true;
  ASSERT_TRUE(ExportPanelFile(project, out, ui));
  TOvProject dropped;
  ASSERT_TRUE(LoadProjectFile(out, dropped, ui, FixedLookup()));
  const TOvPanel& written = dropped.panels[0];
  EXPECT_EQ(ReadText(out).find("N7:33"), std::string::npos);
  EXPECT_EQ(ReadText(out).find("N7:55"), std::string::npos);
  EXPECT_EQ(written.localPassword, 0u);
  EXPECT_FALSE(written.messages[0].item1.passwordProtected);

  // No panel on the selected port: nothing is written.
  project.portTable.selectedPort = 2;
  EXPECT_FALSE(ExportPanelFile(project, MakeTempDir("export") / "none.ovx", ui));
}

}  // namespace
}  // namespace orvane::testing
