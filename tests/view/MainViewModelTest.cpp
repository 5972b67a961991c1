// The configuration screen's decisions on MainViewModel, over real drivers
// (the SLC 500 driver Brisko 1:4, the test drivers Kestrel 1:9 and Tandem
// 34:1), with scripted answers and dialogs.
#include "view/MainViewModel.h"

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "base/StringTable.h"
#include "link/BaudRate.h"
#include "project/ProjectDriver.h"
#include "project/ProjectFile.h"
#include "project/TOvProject.h"
#include "tests/support/ScriptedUserInterface.h"
#include "tests/support/ScriptedViewDialogs.h"
#include "tests/support/TestInstall.h"
#include "tests/support/TestPaths.h"
#include "view/DocumentBinding.h"
#include "view/OrvaneDocument.h"

namespace orvane::testing {
namespace {

namespace fs = std::filesystem;

constexpr unsigned kNoSuchPlc = 99;

class MainViewModelTest : public ::testing::Test {
 protected:
  MainViewModelTest() : install_("main-view"), catalog_(install_.Dir() / "dll") {}

  void SetUp() override {
    ::unsetenv("MINIPLC_DIALOG");
    catalog_.ScanDrivers();
  }
  void TearDown() override { ::unsetenv("MINIPLC_DIALOG"); }

  // A new document shown for the first time, on the PLC with the codes.
  MainViewModel& NewView(unsigned manufacturer = kNoSuchPlc, unsigned model = kNoSuchPlc) {
    document_ = std::make_unique<OrvaneDocument>();
    document_->SetNewPath(dir_ / "new.ovx");
    view_ = std::make_unique<MainViewModel>(*document_, ui_, dialogs_, catalog_);
    EXPECT_TRUE(view_->InitialUpdate(manufacturer, model));
    return *view_;
  }

  // The document opened from a file and shown.
  MainViewModel& OpenView(const fs::path& file) {
    document_ = std::make_unique<OrvaneDocument>();
    EXPECT_TRUE(document_->Open(file, ui_, CatalogLookup(catalog_)));
    view_ = std::make_unique<MainViewModel>(*document_, ui_, dialogs_, catalog_);
    EXPECT_TRUE(view_->InitialUpdate(kNoSuchPlc, kNoSuchPlc));
    return *view_;
  }

  // A multi-panel file with the models on ports 1 to 5 (0: none), the
  // selected port given.
  fs::path MultiPanelFile(const std::string& name, const std::vector<int32_t>& models,
                          int32_t selected) {
    TOvProject project;
    project.systemMode = kMultiPanelSystem;
    project.portTable.Clear(1);
    for (size_t i = 0; i < models.size(); ++i) {
      if (models[i] != 0) {
        project.portTable.selectedPort = static_cast<int32_t>(i) + 1;
        project.portTable.SetPanel(project.PutPanel(TOvPanel(&project, models[i])));
      }
    }
    project.portTable.selectedPort = selected;
    EXPECT_TRUE(BindNewProject(project, catalog_.Entries(), 0, ui_));
    const fs::path file = dir_ / name;
    EXPECT_TRUE(SaveProjectFile(project, file, ui_));
    return file;
  }

  static TOvMessage LocalMessage() {
    TOvMessage message;
    message.number = 256;
    message.text = "HELLO";
    return message;
  }

  TOvProject& Project() { return document_->Project(); }

  TestInstall install_;
  DriverCatalog catalog_;
  ScriptedUserInterface ui_;
  ScriptedViewDialogs dialogs_;
  fs::path dir_ = MakeTempDir("views");
  std::unique_ptr<OrvaneDocument> document_;
  std::unique_ptr<MainViewModel> view_;
};

TEST_F(MainViewModelTest, ANewDocumentGetsAModelOnePanelAndTheSettingsPlc) {
  MainViewModel& view = NewView(34, 1);
  EXPECT_FALSE(view.MultiPanel());
  EXPECT_EQ(view.CurrentPort(), 1);
  EXPECT_EQ(view.CurrentModel(), kModelOv200);
  EXPECT_TRUE(view.Untouched());
  EXPECT_EQ(view.PlcList().size(), 3u);
  EXPECT_EQ(view.CurrentPlcIndex(), 2u);  // Tandem
  EXPECT_EQ(Project().plc.name, "Tandem Test PLC 34:1");
  EXPECT_EQ(Project().projectName, "new.ovx");
  ASSERT_EQ(Project().panels.size(), 1u);
  EXPECT_EQ(Project().portTable.Model(1), kModelOv200);
  EXPECT_EQ(BaudRateSetting(), kSinglePanelBaudRate);
  EXPECT_EQ(view.ReadCaption(), "&Read from\n Panel");
  EXPECT_EQ(view.WriteCaption(), "Wri&te to \nPanel");
  EXPECT_EQ(view.TagMapText(), "");
  EXPECT_FALSE(document_->IsModified());
  EXPECT_TRUE(ui_.Calls().empty());

  // Codes no driver has: the first driver.
  EXPECT_EQ(NewView().CurrentPlcIndex(), 0u);
}

TEST_F(MainViewModelTest, WithoutADriverTheViewRefusesTheDocument) {
  DriverCatalog empty(MakeTempDir("no-drivers"));
  empty.ScanDrivers();
  OrvaneDocument document;
  document.SetNewPath(dir_ / "lonely.ovx");
  MainViewModel view(document, ui_, dialogs_, empty);
  EXPECT_FALSE(view.InitialUpdate(31, 2));
  EXPECT_EQ(ui_.MessageTexts(), std::vector<std::string>{"Error P005: PLC DLL load failed."});
}

TEST_F(MainViewModelTest, AnOpenedDocumentShowsItsSelectedPort) {
  MainViewModel& view = OpenView(MultiPanelFile("three.ovx", {1, 0, 4}, 3));
  EXPECT_TRUE(view.MultiPanel());
  EXPECT_EQ(view.CurrentPort(), 3);
  EXPECT_EQ(view.CurrentModel(), kModelOv400);
  EXPECT_FALSE(view.Untouched());
  EXPECT_EQ(BaudRateSetting(), kMultiplexerBaudRate);
  EXPECT_EQ(view.ReadCaption(), "&Read from\n Multiplexer");
  EXPECT_EQ(view.WriteCaption(), "Wri&te to \nMultiplexer");
  EXPECT_EQ(view.PortFieldText(1), "Ov200/Ov200V\nPort1");
  EXPECT_EQ(view.PortFieldText(2), "\nPort2");
  EXPECT_EQ(view.PortFieldText(3), "Ov400\nPort3");

  // A click on a port field makes it current; the model follows the table.
  EXPECT_TRUE(view.SelectPort(2));
  EXPECT_EQ(view.CurrentModel(), kModelNotConfigured);
  EXPECT_EQ(Project().portTable.selectedPort, 2);
  EXPECT_EQ(view.Buttons(), ScreenButtons{});
  EXPECT_EQ(view.EditorFor(EditorButton::Messages), Editor::None);
  EXPECT_FALSE(view.SelectPort(2));
  EXPECT_FALSE(document_->IsModified());
}

TEST_F(MainViewModelTest, SwitchingTheSystemTypeKeepsOrDropsThePanels) {
  MainViewModel& view = NewView();
  // Already single: nothing happens.
  EXPECT_FALSE(view.SwitchToSinglePanel());
  EXPECT_TRUE(ui_.Calls().empty());

  // Single to multi: the panel becomes the one on port 1.
  Project().panels[0].AddMessage(LocalMessage());
  ASSERT_TRUE(view.SwitchToMultiPanel());
  EXPECT_FALSE(view.SwitchToMultiPanel());
  EXPECT_EQ(Project().systemMode, kMultiPanelSystem);
  EXPECT_EQ(Project().portTable.ConfiguredCount(), 1);
  EXPECT_EQ(Project().panels[0].messages.size(), 1u);
  EXPECT_EQ(view.PortFieldText(1), "Ov200/Ov200V\nPort1");
  EXPECT_EQ(view.PortFieldText(2), "\nPort2");
  EXPECT_EQ(BaudRateSetting(), kMultiplexerBaudRate);
  EXPECT_TRUE(document_->IsModified());
  EXPECT_FALSE(view.Untouched());

  // Back to single: No keeps everything.
  ASSERT_TRUE(view.SelectPort(3));
  dialogs_.QueueModel(kModelOv400);
  ASSERT_TRUE(view.SelectPanelModel());
  const std::string before = ProjectFileText(Project());
  ui_.QueueAnswer(Answer::No);
  EXPECT_FALSE(view.SwitchToSinglePanel());
  ASSERT_EQ(ui_.Calls().size(), 1u);
  EXPECT_EQ(ui_.Calls()[0].text,
            "Changes made to the MultiPanel configuration will be lost.\nDo you wish to continue?");
  EXPECT_EQ(ui_.Calls()[0].buttons, Buttons::YesNo);
  EXPECT_EQ(ui_.Calls()[0].icon, Icon::Question);
  EXPECT_EQ(ui_.Calls()[0].defaultAnswer, Answer::No);
  EXPECT_TRUE(view.MultiPanel());
  EXPECT_EQ(ProjectFileText(Project()), before);

  // Yes leaves one empty model 1 panel on port 1.
  ui_.QueueAnswer(Answer::Yes);
  ASSERT_TRUE(view.SwitchToSinglePanel());
  EXPECT_FALSE(view.MultiPanel());
  EXPECT_EQ(Project().systemMode, kSinglePanelSystem);
  ASSERT_EQ(Project().panels.size(), 1u);
  EXPECT_EQ(Project().panels[0].portNumber, 1);
  EXPECT_EQ(Project().panels[0].panelModel, kModelOv200);
  EXPECT_TRUE(Project().panels[0].messages.empty());
  EXPECT_EQ(Project().portTable.ConfiguredCount(), 1);
  EXPECT_EQ(Project().portTable.selectedPort, 1);
  EXPECT_EQ(view.CurrentPort(), 1);
  EXPECT_EQ(view.CurrentModel(), kModelOv200);
  EXPECT_EQ(BaudRateSetting(), kSinglePanelBaudRate);
}

TEST_F(MainViewModelTest, SelectingAModelAsksOnlyWhenMessagesWouldBeLost) {
  struct Case {
    bool multi;
    int32_t oldModel;  // 0: the port has no panel
    bool messages;
    int32_t chosen;
    std::optional<Answer> answer;  // the question asked, and its answer
    bool changed;
    bool messagesKept;
  };
  const char* const kPanelQuestion =
      "This operation will delete all the messages and addresses \n configured in the current "
      "panel. Continue?";
  const Case cases[] = {
      // A single panel: the same model changes nothing, one on the same
      // side of the set point divide keeps the messages.
      {false, kModelOv200, true, kModelOv200, std::nullopt, false, true},
      {false, kModelOv200, true, kModelOv400, std::nullopt, true, true},
      {false, kModelOv200, false, kModelOvSP, std::nullopt, true, false},
      {false, kModelOv200, true, kModelOvSP, Answer::No, false, true},
      {false, kModelOv200, true, kModelOvSP, Answer::Yes, true, false},
      {false, 0, false, kModelOv200P, std::nullopt, true, false},
      // A port of a multi-panel system.
      {true, kModelOv200, true, kModelOv200P, std::nullopt, true, true},
      {true, kModelOvSP, true, kModelOv200, Answer::No, false, true},
      {true, kModelOvSP, true, kModelOv200, Answer::Yes, true, false},
      {true, 0, false, kModelOvSP, std::nullopt, true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message()
                 << "multi " << c.multi << " old " << c.oldModel << " chosen " << c.chosen);
    ui_.Clear();
    MainViewModel& view = NewView();
    if (c.multi) {
      ASSERT_TRUE(view.SwitchToMultiPanel());
      if (c.oldModel != kModelOv200) {
        ASSERT_TRUE(view.SelectPort(2));
      }
    }
    if (c.oldModel != 0 && c.oldModel != view.CurrentModel()) {
      dialogs_.QueueModel(c.oldModel);
      ASSERT_TRUE(view.SelectPanelModel());
    }
    if (c.oldModel == 0 && !c.multi) {
      ui_.QueueAnswer(Answer::Yes);
      ASSERT_TRUE(view.DeletePanel());
    }
    if (c.messages) {
      Project().SelectedPanel()->AddMessage(LocalMessage());
    }
    document_->SetModified(false);
    ui_.Clear();
    dialogs_.preselections.clear();
    if (c.answer) {
      ui_.QueueAnswer(*c.answer);
    }
    dialogs_.QueueModel(c.chosen);
    EXPECT_EQ(view.SelectPanelModel(), c.changed);
    // The dialog starts on the current model of a single panel, on model 1
    // in a multi-panel system.
    const int32_t preselected = c.multi || c.oldModel == 0 ? kModelOv200 : c.oldModel;
    EXPECT_EQ(dialogs_.preselections, std::vector<int32_t>{preselected});
    if (c.answer) {
      const std::string text =
          c.multi ? kPanelQuestion : LoadString(strings::kPanelChangeLosesProject);
      EXPECT_EQ(ui_.QuestionTexts(), std::vector<std::string>{text});
    } else {
      EXPECT_TRUE(ui_.Calls().empty());
    }
    const int32_t model = c.changed ? c.chosen : c.oldModel;
    EXPECT_EQ(view.CurrentModel(), model);
    EXPECT_EQ(Project().portTable.Model(view.CurrentPort()), model);
    const TOvPanel* panel = Project().SelectedPanel();
    ASSERT_EQ(panel != nullptr, model != 0);
    if (panel != nullptr) {
      EXPECT_EQ(panel->panelModel, model);
      EXPECT_EQ(panel->portNumber, view.CurrentPort());
      EXPECT_EQ(panel->messages.size(), c.messagesKept && c.messages ? 1u : 0u);
    }
    EXPECT_EQ(document_->IsModified(), c.changed);
  }

  // Cancelling the dialog changes nothing.
  MainViewModel& view = NewView();
  EXPECT_FALSE(view.SelectPanelModel());
  EXPECT_EQ(view.CurrentModel(), kModelOv200);
}

TEST_F(MainViewModelTest, DeletingAPanelAsksAndTheDeleteKeySparesPortOne) {
  MainViewModel& view = OpenView(MultiPanelFile("two.ovx", {1, 3}, 1));
  EXPECT_EQ(view.PortMenu().deletePanel, true);
  // The Delete key does nothing on port 1; the menu's Delete Panel works
  // there.
  EXPECT_FALSE(view.DeleteKeyOnPort(1));
  EXPECT_TRUE(ui_.Calls().empty());
  ui_.QueueAnswer(Answer::No);
  EXPECT_FALSE(view.DeletePanel());
  ASSERT_EQ(ui_.Calls().size(), 1u);
  EXPECT_EQ(ui_.Calls()[0].caption, "Warning");
  EXPECT_EQ(ui_.Calls()[0].text, LoadString(strings::kPanelChangeLosesPanel));
  EXPECT_EQ(ui_.Calls()[0].defaultAnswer, Answer::No);
  EXPECT_EQ(Project().panels.size(), 2u);
  ui_.QueueAnswer(Answer::Yes);
  ASSERT_TRUE(view.DeletePanel());
  EXPECT_EQ(view.CurrentModel(), kModelNotConfigured);
  EXPECT_EQ(Project().portTable.Model(1), 0);
  ASSERT_EQ(Project().panels.size(), 1u);
  EXPECT_EQ(Project().panels[0].portNumber, 2);
  EXPECT_EQ(view.Buttons(), ScreenButtons{});
  EXPECT_EQ(view.PortMenu(), (PortMenuState{true, false, true, false, false, false}));
  EXPECT_TRUE(document_->IsModified());

  // The Delete key on port 2 works on the current port only.
  EXPECT_FALSE(view.DeleteKeyOnPort(2));
  ASSERT_TRUE(view.SelectPort(2));
  EXPECT_EQ(view.PortMenu(), (PortMenuState{true, true, true, true, true, true}));
  EXPECT_FALSE(view.PortMenuOpensOn(1));
  ui_.QueueAnswer(Answer::Yes);
  EXPECT_TRUE(view.DeleteKeyOnPort(2));
  EXPECT_TRUE(Project().panels.empty());
}

TEST_F(MainViewModelTest, TheButtonsAndEditorsFollowTheModelAndTheTagMap) {
  struct Case {
    int32_t model;
    ScreenButtons buttons;
  };
  const Case cases[] = {
      {kModelOv200, {true, false, true, true, true}},
      {kModelOv200L, {true, false, true, true, true}},
      {kModelOv200P, {true, true, true, true, true}},
      {kModelOv400, {true, false, true, true, true}},
      {kModelOvSP, {true, false, false, false, true}},
  };
  MainViewModel& view = NewView();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.model);
    if (c.model != view.CurrentModel()) {
      ui_.QueueAnswer(Answer::Yes);
      dialogs_.QueueModel(c.model);
      ASSERT_TRUE(view.SelectPanelModel());
    }
    EXPECT_EQ(view.Buttons(), c.buttons);
    const bool sp = c.model == kModelOvSP;
    for (const bool tnd : {false, true}) {
      Project().tagMapInUse = tnd;
      EXPECT_EQ(view.EditorFor(EditorButton::Messages),
                sp ? (tnd ? Editor::TndSpConfigDlg : Editor::SpConfigDlg)
                   : (tnd ? Editor::TndMessageDlg : Editor::PlcMessageDlg));
      EXPECT_EQ(view.EditorFor(EditorButton::Annunciator),
                c.model != kModelOv200P
                    ? Editor::None
                    : (tnd ? Editor::TndAnnunciatorDlg : Editor::PlcAnnunciatorDlg));
      EXPECT_EQ(view.EditorFor(EditorButton::KeysLeds),
                sp ? Editor::None : (tnd ? Editor::TndLedDlg : Editor::PlcLedDlg));
      EXPECT_EQ(view.EditorFor(EditorButton::SystemAddresses),
                sp ? Editor::None : (tnd ? Editor::TndGeneralDlg : Editor::MsgGeneralDlg));
      EXPECT_EQ(view.EditorFor(EditorButton::AddressDatabase), Editor::ViewAddressDlg);
    }
    Project().tagMapInUse = false;
  }

  // An editor that stored into the project modifies the document.
  document_->SetModified(false);
  view.EditorClosed();
  EXPECT_FALSE(document_->IsModified());
  Project().changed = true;
  view.EditorClosed();
  EXPECT_TRUE(document_->IsModified());
  EXPECT_FALSE(Project().changed);
}

TEST_F(MainViewModelTest, ChangingThePlcMovesTheChoiceOnlyWhenItChanged) {
  ::setenv("MINIPLC_DIALOG", "ok", 1);
  MainViewModel& view = NewView(1, 4);  // Brisko
  Project().panels[0].lineRegisters[0].addressText = "N7:0";
  RevalidateAddresses(Project(), ui_);

  // Untouched: Kestrel converts without a question; its log is shown.
  EXPECT_FALSE(view.ChangePlc(0));
  ASSERT_TRUE(view.ChangePlc(1));
  EXPECT_TRUE(ui_.QuestionTexts().empty());
  EXPECT_EQ(view.CurrentPlcIndex(), 1u);
  EXPECT_EQ(dialogs_.conversionLogs, std::vector<std::vector<std::string>>{{"N7:0\tN7:0\t\t"}});
  EXPECT_TRUE(document_->IsModified());
  EXPECT_FALSE(view.Untouched());

  // Touched now: Tandem is not convertible; No keeps Kestrel.
  ui_.QueueAnswer(Answer::No);
  EXPECT_FALSE(view.ChangePlc(2));
  EXPECT_EQ(view.CurrentPlcIndex(), 1u);
  EXPECT_EQ(ui_.QuestionTexts().size(), 1u);
  // Yes, but the tag map chooser cancelled: Kestrel again.
  ui_.QueueAnswer(Answer::Yes);
  ui_.QueueFile(std::nullopt);
  EXPECT_FALSE(view.ChangePlc(2));
  EXPECT_EQ(view.CurrentPlcIndex(), 1u);
  EXPECT_EQ(Project().plc.name, "Kestrel Test PLC 1:9");
  // With a map: the change, the tag map shown, no conversion log.
  const fs::path map = dir_ / "plant.map";
  WriteText(map, "h1\nh2\nSPEED,C100,5,speed\n");
  ui_.QueueAnswer(Answer::Yes);
  ui_.QueueFile(map.string());
  ASSERT_TRUE(view.ChangePlc(2));
  EXPECT_EQ(view.CurrentPlcIndex(), 2u);
  EXPECT_EQ(view.TagMapText(), "Tag map: plant.map");
  EXPECT_EQ(dialogs_.conversionLogs.size(), 1u);

  // Change beside the tag map: a chooser cancelled changes nothing.
  document_->SetModified(false);
  ui_.QueueFile(std::nullopt);
  EXPECT_FALSE(view.ChangeTagMap());
  EXPECT_FALSE(document_->IsModified());
  const fs::path other = dir_ / "other.map";
  WriteText(other, "h1\nh2\nSPEED,C100,5,speed\n");
  ui_.QueueFile(other.string());
  EXPECT_TRUE(view.ChangeTagMap());
  EXPECT_EQ(view.TagMapText(), "Tag map: other.map");
  EXPECT_TRUE(document_->IsModified());

  // The attribute command modifies the document only when it changed them.
  document_->SetModified(false);
  view.SetAttributeCommand([](TOvProject&, UserInterface&) { return false; });
  EXPECT_FALSE(view.EditPlcAttributes());
  EXPECT_FALSE(document_->IsModified());
  view.SetAttributeCommand([](TOvProject&, UserInterface&) { return true; });
  EXPECT_TRUE(view.EditPlcAttributes());
  EXPECT_TRUE(document_->IsModified());
}

TEST_F(MainViewModelTest, ImportTakesThePortTheUserPicksAndExportWritesTheCurrentPanel) {
  const fs::path source = MultiPanelFile("source.ovx", {1, 0, kModelOvSP}, 1);
  MainViewModel& view = NewView();
  // The file's port 3 into the new project's only panel, which is asked
  // for first.
  ui_.QueueFile(source.string());
  ui_.QueueChoice(2);
  ui_.QueueAnswer(Answer::Yes);
  ASSERT_TRUE(view.ImportConfiguration());
  const RecordedCall& choice = ui_.Calls()[1];
  ASSERT_EQ(choice.kind, RecordedCall::Kind::Choice);
  EXPECT_EQ(choice.text, "Import From Multipanel Project");
  ASSERT_EQ(choice.choice.choices.size(), 5u);
  EXPECT_EQ(choice.choice.choices[0].label, "Port 1 : Ov200/Ov200V");
  EXPECT_EQ(choice.choice.choices[1].label, "Port 2 : Not Configured");
  EXPECT_FALSE(choice.choice.choices[1].enabled);
  EXPECT_EQ(choice.choice.choices[2].label, "Port 3 : OvSP");
  EXPECT_EQ(view.CurrentModel(), kModelOvSP);
  EXPECT_EQ(view.Buttons().keysLeds, false);
  EXPECT_TRUE(document_->IsModified());

  const fs::path exported = dir_ / "exported.ovx";
  ui_.QueueFile(exported.string());
  ASSERT_TRUE(view.ExportConfiguration());
  TOvProject back;
  ASSERT_TRUE(LoadProjectFile(exported, back, ui_, CatalogLookup(catalog_)));
  ASSERT_EQ(back.panels.size(), 1u);
  EXPECT_EQ(back.panels[0].panelModel, kModelOvSP);
}

TEST_F(MainViewModelTest, TheDocumentAsksBeforeItClosesWithChanges) {
  OrvaneDocument document;
  document.SetNewPath(dir_ / "doc.ovx");
  AddFirstPanel(document.Project(), kModelOv200);
  ASSERT_TRUE(BindNewProject(document.Project(), catalog_.Entries(), 0, ui_));
  EXPECT_TRUE(document.ConfirmClose(ui_));
  EXPECT_TRUE(ui_.Calls().empty());
  document.SetModified();
  ui_.QueueAnswer(Answer::Cancel);
  EXPECT_FALSE(document.ConfirmClose(ui_));
  ASSERT_EQ(ui_.Calls().size(), 1u);
  EXPECT_EQ(ui_.Calls()[0].text, "Save changes to doc.ovx?");
  EXPECT_EQ(ui_.Calls()[0].buttons, Buttons::YesNoCancel);
  ui_.QueueAnswer(Answer::No);
  EXPECT_TRUE(document.ConfirmClose(ui_));
  EXPECT_FALSE(fs::exists(dir_ / "doc.ovx"));
  ui_.QueueAnswer(Answer::Yes);
  EXPECT_TRUE(document.ConfirmClose(ui_));
  EXPECT_EQ(ReadText(dir_ / "doc.ovx").substr(0, 4), "QZK_");
  EXPECT_FALSE(document.IsModified());
  // A save that fails (a file where the folder should be) keeps the
  // document open.
  document.SetNewPath(dir_ / "doc.ovx" / "doc.ovx");
  document.SetModified();
  ui_.QueueAnswer(Answer::Yes);
  EXPECT_FALSE(document.ConfirmClose(ui_));

  EXPECT_EQ(DocumentFilter(), "*.ovx|*.ovx|All Files (*.*)|*.*||");
  EXPECT_EQ(DocumentExtension(), ".ovx");
}

}  // namespace
}  // namespace orvane::testing
