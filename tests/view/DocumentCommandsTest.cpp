// The document's binding to its driver, its open with the Think & Do check,
// and the import and export of a panel.
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "plchost/DriverCatalog.h"
#include "project/ProjectFile.h"
#include "project/TOvProject.h"
#include "tests/support/ScriptedUserInterface.h"
#include "tests/support/TestInstall.h"
#include "tests/support/TestPaths.h"
#include "view/DocumentBinding.h"
#include "view/OpenDocument.h"
#include "view/PanelTransferCommands.h"

namespace orvane::testing {
namespace {

namespace fs = std::filesystem;

class DocumentCommandsTest : public ::testing::Test {
 protected:
  DocumentCommandsTest() : install_("document"), catalog_(install_.Dir() / "dll") {}

  void SetUp() override { catalog_.ScanDrivers(); }

  // A new document saved to a file of the test folder.
  fs::path NewFile(const std::string& name, int32_t model, bool multi,
                   const std::vector<std::pair<int32_t, int32_t>>& morePorts = {}) {
    TOvProject project;
    AddFirstPanel(project, model, multi);
    EXPECT_TRUE(BindNewProject(project, catalog_.Entries(), 0, ui_));
    for (const auto& [port, portModel] : morePorts) {
      project.portTable.selectedPort = port;
      project.portTable.SetPanel(project.PutPanel(TOvPanel(&project, portModel)));
    }
    const fs::path file = dir_ / name;
    EXPECT_TRUE(SaveProjectFile(project, file, ui_));
    return file;
  }

  TestInstall install_;
  DriverCatalog catalog_;
  ScriptedUserInterface ui_;
  fs::path dir_ = MakeTempDir("documents");
};

TEST_F(DocumentCommandsTest, NewProjectsTakeTheSettingsPlcOrTheFirstOne) {
  const std::vector<DriverEntry>& entries = catalog_.Entries();
  ASSERT_EQ(entries.size(), 3u);  // Brisko, Kestrel, Tandem by file name
  EXPECT_EQ(DefaultPlcEntry(entries, 31, 2), 0u);
  EXPECT_EQ(DefaultPlcEntry(entries, 34, 1), 2u);

  TOvProject project;
  AddFirstPanel(project, kModelOv400);
  ASSERT_TRUE(BindNewProject(project, entries, DefaultPlcEntry(entries, 1, 9), ui_));
  EXPECT_EQ(project.plc.name, "Kestrel Test PLC 1:9");
  EXPECT_EQ(project.plc.mapLength, 6);
  EXPECT_EQ(project.plc.attributeBytes.size(), 36u);
  ASSERT_EQ(project.panels.size(), 1u);
  EXPECT_EQ(project.panels[0].panelModel, kModelOv400);
  EXPECT_EQ(project.portTable.Model(1), kModelOv400);
  EXPECT_TRUE(ui_.Calls().empty());

  TOvProject multi;
  AddFirstPanel(multi, kModelOv200P, true);
  EXPECT_EQ(multi.systemMode, kMultiPanelSystem);
  EXPECT_EQ(multi.portTable.ConfiguredCount(), 1);
  EXPECT_EQ(multi.panels[0].portNumber, 1);

  // Without any driver the binding fails with P005.
  TOvProject lonely;
  AddFirstPanel(lonely, kModelOv200);
  EXPECT_FALSE(BindNewProject(lonely, {}, 0, ui_));
  EXPECT_EQ(ui_.MessageTexts(), std::vector<std::string>{"Error P005: PLC DLL load failed."});
}

TEST_F(DocumentCommandsTest, AnOpenedProjectIsBoundAndRevalidated) {
  const fs::path file = NewFile("a.ovx", kModelOv200, false);
  TOvProject project;
  ASSERT_TRUE(OpenProjectDocument(file, project, ui_, CatalogLookup(catalog_)));
  project.panels[0].lineRegisters[0].addressText = "N7:4";
  size_t chosen = 99;
  ASSERT_TRUE(BindOpenedProject(project, catalog_.Entries(), ui_, &chosen));
  EXPECT_EQ(chosen, 0u);
  EXPECT_TRUE(project.DriverModule().IsOpen());
  // The SLC 500 map string: station, type, file and word high byte first.
  EXPECT_EQ(project.panels[0].lineRegisters[0].MapString()[3], 7);
  EXPECT_EQ(project.panels[0].lineRegisters[0].MapString()[5], 4);
  EXPECT_TRUE(ui_.MessageTexts().empty());
}

TEST_F(DocumentCommandsTest, OpeningAProjectWithAStaleTagMapAsksBeforeConverting) {
  TOvProject project;
  AddFirstPanel(project, kModelOv200);
  ASSERT_TRUE(BindNewProject(project, catalog_.Entries(), 2, ui_));
  project.tagMapInUse = true;
  project.panels[0].lineRegisters[0].addressText = "C100,5,speed";
  project.panels[0].lineRegisters[0].tagName = "OLD_SPEED";
  const fs::path map = dir_ / "plant.map";
  WriteText(map, "h1\nh2\nSPEED,C100,5,speed\n");
  project.tagMapPath = map.string();
  const fs::path file = dir_ / "tnd.ovx";
  ASSERT_TRUE(SaveProjectFile(project, file, ui_));

  // No: the open fails without a further message; the document's project
  // stays as it was.
  TOvProject document;
  document.projectName = "kept";
  ui_.QueueAnswer(Answer::No);
  EXPECT_FALSE(OpenProjectDocument(file, document, ui_, CatalogLookup(catalog_)));
  ASSERT_EQ(ui_.Calls().size(), 1u);
  const RecordedCall& question = ui_.Calls()[0];
  EXPECT_EQ(question.caption, "Incomplete tag map");
  EXPECT_EQ(question.text, "There are incompatiblities existing in the tag map file\n(" +
                               map.string() +
                               ") associated with this project.\n\nContinue?\n\nYes will clear "
                               "all unresolved tags from the project.");
  EXPECT_EQ(question.details,
            "Tag name \"OLD_SPEED\" changed to \"SPEED\" for address C100,5,speed\n");
  EXPECT_EQ(document.projectName, "kept");

  // Yes: the conversion is applied.
  ui_.Clear();
  ui_.QueueAnswer(Answer::Yes);
  ASSERT_TRUE(OpenProjectDocument(file, document, ui_, CatalogLookup(catalog_)));
  EXPECT_EQ(document.panels[0].lineRegisters[0].tagName, "SPEED");

  // With nothing to report the open asks nothing.
  ASSERT_TRUE(SaveProjectFile(document, file, ui_));
  ui_.Clear();
  TOvProject again;
  ASSERT_TRUE(OpenProjectDocument(file, again, ui_, CatalogLookup(catalog_)));
  EXPECT_TRUE(ui_.Calls().empty());
}

TEST_F(DocumentCommandsTest, ChangingTheTagMapKeepsTheOldOneWhenTheUserSaysNo) {
  TOvProject project;
  AddFirstPanel(project, kModelOv200);
  project.tagMapInUse = true;
  project.tagMapPath = "/maps/old.map";
  project.tagMaps[0].entries = {{"SPEED", "C100,5,speed"}};
  project.panels[0].lineRegisters[0].tagName = "SPEED";
  project.panels[0].lineRegisters[0].addressText = "C100,5,speed";
  const fs::path renamed = dir_ / "renamed.map";
  WriteText(renamed, "h1\nh2\nMOTOR_SPEED,C100,5,speed\n");

  ui_.QueueFile(std::nullopt);
  EXPECT_FALSE(ChangeTagMap(project, ui_));
  EXPECT_EQ(project.tagMapPath, "/maps/old.map");

  ui_.QueueFile(renamed.string());
  ui_.QueueAnswer(Answer::No);
  EXPECT_FALSE(ChangeTagMap(project, ui_));
  EXPECT_EQ(project.tagMapPath, "/maps/old.map");
  EXPECT_EQ(project.tagMaps[0].entries.count("SPEED"), 1u);
  EXPECT_EQ(project.panels[0].lineRegisters[0].tagName, "SPEED");

  ui_.QueueFile(renamed.string());
  ui_.QueueAnswer(Answer::Yes);
  EXPECT_TRUE(ChangeTagMap(project, ui_));
  EXPECT_EQ(project.tagMapPath, renamed.string());
  EXPECT_EQ(project.panels[0].lineRegisters[0].tagName, "MOTOR_SPEED");
}

TEST_F(DocumentCommandsTest, ExportWritesTheSelectedPanelAndLeavesTheDocument) {
  const fs::path file = NewFile("multi.ovx", kModelOv200, true, {{4, kModelOv400}});
  TOvProject project;
  ASSERT_TRUE(OpenProjectDocument(file, project, ui_, CatalogLookup(catalog_)));
  project.portTable.selectedPort = 4;
  const std::string before = ProjectFileText(project);
  ui_.QueueFile((dir_ / "port4.ovx").string());
  ASSERT_TRUE(ExportPanel(project, ui_));
  EXPECT_EQ(ui_.Calls().back().file.filter, "Orvane Files (*.ovx)|*.ovx|All Files (*.*)|*.*||");
  EXPECT_TRUE(ui_.Calls().back().file.overwritePrompt);
  EXPECT_EQ(ProjectFileText(project), before);
  TOvProject exported;
  ASSERT_TRUE(LoadProjectFile(dir_ / "port4.ovx", exported, ui_, CatalogLookup(catalog_)));
  EXPECT_EQ(exported.systemMode, kSinglePanelSystem);
  EXPECT_EQ(exported.panels[0].panelModel, kModelOv400);
  EXPECT_EQ(exported.panels[0].portNumber, 1);
  // Cancel writes nothing.
  ui_.QueueFile(std::nullopt);
  EXPECT_FALSE(ExportPanel(project, ui_));
}

TEST_F(DocumentCommandsTest, ImportFromAMultiPanelFileOffersItsPorts) {
  const fs::path other = NewFile("other.ovx", kModelOv200L, true, {{3, kModelOvSP}});
  const fs::path target = NewFile("target.ovx", kModelOv200, false);
  TOvProject project;
  ASSERT_TRUE(OpenProjectDocument(target, project, ui_, CatalogLookup(catalog_)));
  ASSERT_TRUE(BindOpenedProject(project, catalog_.Entries(), ui_));
  ui_.Clear();

  // The port chooser, then No to replacing the panel there.
  ui_.QueueFile(other.string());
  ui_.QueueChoice(2);
  ui_.QueueAnswer(Answer::No);
  EXPECT_FALSE(ImportPanel(project, ui_, CatalogLookup(catalog_)));
  ASSERT_EQ(ui_.Calls().size(), 3u);
  const ChoiceRequest& choice = ui_.Calls()[1].choice;
  EXPECT_EQ(choice.caption, "Import From Multipanel Project");
  EXPECT_EQ(choice.preselected, 0);
  const std::vector<std::pair<std::string, bool>> expected = {{"Port 1 : Ov200L", true},
                                                              {"Port 2 : Not Configured", false},
                                                              {"Port 3 : OvSP", true},
                                                              {"Port 4 : Not Configured", false},
                                                              {"Port 5 : Not Configured", false}};
  ASSERT_EQ(choice.choices.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(choice.choices[i].label, expected[i].first);
    EXPECT_EQ(choice.choices[i].enabled, expected[i].second);
  }
  EXPECT_EQ(ui_.Calls()[2].text, "This command will clear the panel(s). Do you want to continue?");
  EXPECT_EQ(ui_.Calls()[2].defaultAnswer, Answer::No);
  EXPECT_EQ(project.panels[0].panelModel, kModelOv200);

  // Yes: the set point panel replaces the one on port 1.
  ui_.QueueFile(other.string());
  ui_.QueueChoice(2);
  ui_.QueueAnswer(Answer::Yes);
  EXPECT_TRUE(ImportPanel(project, ui_, CatalogLookup(catalog_)));
  ASSERT_EQ(project.panels.size(), 1u);
  EXPECT_EQ(project.panels[0].panelModel, kModelOvSP);
  EXPECT_EQ(project.panels[0].portNumber, 1);
  EXPECT_EQ(project.portTable.Model(1), kModelOvSP);
  EXPECT_EQ(project.panels[0].project, &project);
  EXPECT_TRUE(project.changed);

  // Cancel in the chooser, or a port without panel: nothing happens.
  ui_.QueueFile(other.string());
  ui_.QueueChoice(std::nullopt);
  EXPECT_FALSE(ImportPanel(project, ui_, CatalogLookup(catalog_)));
  ui_.QueueFile(other.string());
  ui_.QueueChoice(1);
  EXPECT_FALSE(ImportPanel(project, ui_, CatalogLookup(catalog_)));
  EXPECT_EQ(project.panels[0].panelModel, kModelOvSP);
}

TEST_F(DocumentCommandsTest, ImportOfAnEqualPanelChangesNothingAndABadFileStops) {
  const fs::path file = NewFile("same.ovx", kModelOv200, false);
  TOvProject project;
  ASSERT_TRUE(OpenProjectDocument(file, project, ui_, CatalogLookup(catalog_)));
  ui_.Clear();
  ui_.QueueFile(file.string());
  EXPECT_FALSE(ImportPanel(project, ui_, CatalogLookup(catalog_)));
  EXPECT_TRUE(ui_.QuestionTexts().empty());

  WriteText(dir_ / "bad.ovx", "not a project\n");
  ui_.QueueFile((dir_ / "bad.ovx").string());
  EXPECT_FALSE(ImportPanel(project, ui_, CatalogLookup(catalog_)));
  EXPECT_EQ(ui_.MessageTexts().back(), "Error Z002: You are trying to read from an invalid file");

  // Into an empty port of a multi-panel project: no question.
  const fs::path multi = NewFile("multi.ovx", kModelOv200, true);
  TOvProject target;
  ASSERT_TRUE(OpenProjectDocument(multi, target, ui_, CatalogLookup(catalog_)));
  target.portTable.selectedPort = 5;
  ui_.Clear();
  ui_.QueueFile(file.string());
  EXPECT_TRUE(ImportPanel(target, ui_, CatalogLookup(catalog_)));
  EXPECT_TRUE(ui_.QuestionTexts().empty());
  ASSERT_EQ(target.panels.size(), 2u);
  EXPECT_EQ(target.panels[1].portNumber, 5);
  EXPECT_EQ(target.portTable.Model(5), kModelOv200);
}

}  // namespace
}  // namespace orvane::testing
