// Changing a project's PLC between the real SLC 500 driver (1:4) and the
// test modules Kestrel (1:9, convertible with it) and Tandem (34:1, a Think
// & Do PLC that nothing converts to).
#include <cstdlib>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "plchost/DriverCatalog.h"
#include "project/ProjectDriver.h"
#include "project/ProjectFile.h"
#include "project/TOvProject.h"
#include "tests/support/ScriptedUserInterface.h"
#include "tests/support/TestInstall.h"
#include "tests/support/TestPaths.h"
#include "view/DocumentBinding.h"
#include "view/PlcChange.h"

namespace orvane::testing {
namespace {

const char* const kBrisko = "Allen-Bradley SLC 500/MicroLogix DF1(Half Duplex) - Rev C";

class PlcChangeTest : public ::testing::Test {
 protected:
  PlcChangeTest() : install_("plc-change"), catalog_(install_.Dir() / "dll") {}

  void SetUp() override {
    ::unsetenv("MINIPLC_DIALOG");
    catalog_.ScanDrivers();
    // A project on the SLC 500 driver with a few addresses, as opened.
    AddFirstPanel(project_, kModelOv200);
    ASSERT_TRUE(BindNewProject(project_, catalog_.Entries(), Entry("Brisko"), ui_));
    TOvPanel& panel = project_.panels.front();
    panel.lineRegisters[0].addressText = "N7:0";
    panel.lineRegisters[1].addressText = "N7:100";  // too long a word for Kestrel
    panel.keysLeds.ledWord.addressText = "B3:2";
    RevalidateAddresses(project_, ui_);
    project_.tagMapInUse = false;
    before_ = ProjectFileText(project_);
    ui_.Clear();
  }
  void TearDown() override { ::unsetenv("MINIPLC_DIALOG"); }

  size_t Entry(const std::string& name) {
    const std::vector<DriverEntry>& entries = catalog_.Entries();
    for (size_t i = 0; i < entries.size(); ++i) {
      if (entries[i].path == install_.Plugin(name).string()) {
        return i;
      }
    }
    ADD_FAILURE() << name;
    return 0;
  }
  const DriverEntry& EntryOf(const std::string& name) { return catalog_.Entries()[Entry(name)]; }

  TestInstall install_;
  DriverCatalog catalog_;
  TOvProject project_;
  ScriptedUserInterface ui_;
  std::string before_;
};

TEST_F(PlcChangeTest, ConvertibleButTheAttributeDialogCancelledChangesNothing) {
  PlcChange change(project_, ui_);
  ui_.QueueAnswer(Answer::Yes);
  EXPECT_EQ(change.ChangeTo(EntryOf("Kestrel")), PlcChangeResult::Unchanged);
  ASSERT_EQ(ui_.QuestionTexts().size(), 1u);
  EXPECT_EQ(ui_.Calls()[0].text,
            std::string("Kestrel Test PLC 1:9 is compatible with\n") + kBrisko +
                ".\nChanging the PLC will convert all the compatible addresses.\n\nChange?");
  EXPECT_EQ(ui_.Calls()[0].caption, "Warning");
  EXPECT_EQ(ui_.Calls()[0].icon, Icon::Exclamation);
  EXPECT_EQ(ui_.Calls()[0].buttons, Buttons::YesNo);
  EXPECT_EQ(ProjectFileText(project_), before_);
  EXPECT_EQ(project_.Driver().DriverName(), kBrisko);
  EXPECT_FALSE(project_.changed);
  EXPECT_TRUE(change.ConversionLog().empty());
}

TEST_F(PlcChangeTest, ConvertibleAndConfirmedConvertsEveryAddress) {
  ::setenv("MINIPLC_DIALOG", "ok", 1);
  PlcChange change(project_, ui_);
  ui_.QueueAnswer(Answer::Yes);
  EXPECT_EQ(change.ChangeTo(EntryOf("Kestrel")), PlcChangeResult::Changed);
  const TOvPanel& panel = project_.panels.front();
  EXPECT_EQ(change.ConversionLog(),
            (std::vector<std::string>{
                "B3:2\tB3:2\t\t",
                "N7:0\tN7:0\t\t",
                "N7:100\t \tUnable to rebuild the address for the new PLC\t",
            }));
  EXPECT_EQ(panel.lineRegisters[1].addressText, "");
  EXPECT_EQ(project_.plc.name, "Kestrel Test PLC 1:9");
  EXPECT_EQ(project_.plc.pluginPath, install_.Plugin("Kestrel").string());
  EXPECT_EQ(project_.plc.mapLength, 6);
  EXPECT_EQ(project_.Driver().DriverName(), "Kestrel Test PLC 1:9");
  // The Kestrel dialog replaced the foreign attributes by its own, edited.
  ASSERT_EQ(project_.plc.attributeBytes.size(), 36u);
  EXPECT_EQ(project_.plc.ModelCode(), 9);
  EXPECT_EQ(project_.plc.attributeBytes.back(), 0x23);
  EXPECT_EQ(panel.lineRegisters[0].MapString()[0], 'N');
  EXPECT_TRUE(project_.changed);
}

TEST_F(PlcChangeTest, AnsweringNoOrAnUntouchedProjectDecideTheQuestions) {
  PlcChange change(project_, ui_);
  ui_.QueueAnswer(Answer::No);
  EXPECT_EQ(change.ChangeTo(EntryOf("Tandem")), PlcChangeResult::Unchanged);
  EXPECT_EQ(ui_.QuestionTexts(),
            std::vector<std::string>{std::string("Error P006: Tandem Test PLC 34:1 is not "
                                                 "compatible with\n") +
                                     kBrisko + ".\n\nDo you want to change the PLC anyway?"});
  EXPECT_EQ(ProjectFileText(project_), before_);

  // Untouched: no question; the editor alone decides.
  ui_.Clear();
  change.SetUntouched(true);
  change.SetAttributeEditor(
      [](const PlcDriver& driver, const TOvProject&) { return DefaultAttributeBytes(driver); });
  EXPECT_EQ(change.ChangeTo(EntryOf("Kestrel")), PlcChangeResult::Changed);
  EXPECT_TRUE(ui_.QuestionTexts().empty());
  EXPECT_FALSE(change.Untouched());
}

TEST_F(PlcChangeTest, NotConvertibleClearsEveryAddressAndTakesTheDefaults) {
  // Kestrel first, then back to a PLC that does not convert from it:
  // Tandem needs a tag map.
  const std::string map = (MakeTempDir("map") / "plant.map").string();
  WriteText(map, "h1\nh2\nSPEED,C100,5,speed\n");
  PlcChange change(project_, ui_);
  ui_.QueueAnswer(Answer::Yes);
  ui_.QueueFile(std::nullopt);
  // Cancelling the tag map chooser keeps the old PLC.
  EXPECT_EQ(change.ChangeTo(EntryOf("Tandem")), PlcChangeResult::Unchanged);
  EXPECT_EQ(ui_.Calls().back().kind, RecordedCall::Kind::OpenFile);
  EXPECT_EQ(ui_.Calls().back().file.title, "Open Tag Map File");
  EXPECT_EQ(ProjectFileText(project_), before_);

  ui_.QueueAnswer(Answer::Yes);
  ui_.QueueFile(map);
  EXPECT_EQ(change.ChangeTo(EntryOf("Tandem")), PlcChangeResult::Changed);
  EXPECT_TRUE(project_.tagMapInUse);
  EXPECT_EQ(project_.tagMapPath, map);
  EXPECT_TRUE(change.ConversionLog().empty());
  const TOvPanel& panel = project_.panels.front();
  EXPECT_EQ(panel.lineRegisters[0].addressText, "");
  EXPECT_EQ(panel.keysLeds.ledWord.addressText, "");
  EXPECT_EQ(panel.keysLeds.ledWord.dataType, kDataTypeBinary16);
  EXPECT_EQ(project_.plc.ManufacturerCode(), 34);
  EXPECT_EQ(project_.plc.attributeBytes.size(), 36u);
  EXPECT_EQ(project_.plc.mapLength, 5);
  // The saved project keeps the tag map in use.
  EXPECT_NE(ProjectFileText(project_).find("\n1\n" + map + "\n"), std::string::npos);

  // Back to the SLC 500 driver: Corvel calls that convertible (it knows
  // the old PLC by its model alone); the tag map goes all the same.
  ui_.QueueAnswer(Answer::Yes);
  EXPECT_EQ(change.ChangeTo(EntryOf("Brisko")), PlcChangeResult::Changed);
  EXPECT_FALSE(project_.tagMapInUse);
  EXPECT_EQ(project_.plc.ModelCode(), 4);
  EXPECT_EQ(project_.plc.mapLength, 7);
}

TEST_F(PlcChangeTest, ThePlcTheProjectHasChangesNothing) {
  PlcChange change(project_, ui_);
  EXPECT_EQ(change.ChangeTo(EntryOf("Brisko")), PlcChangeResult::Unchanged);
  EXPECT_TRUE(ui_.Calls().empty());
  EXPECT_EQ(ProjectFileText(project_), before_);
}

TEST_F(PlcChangeTest, ADriverThatDoesNotLoadShowsP003) {
  DriverEntry broken;
  broken.name = "Broken";
  broken.path = (install_.Dir() / "dll" / "Broken.so").string();
  WriteText(broken.path, "not a library");
  PlcChange change(project_, ui_);
  EXPECT_EQ(change.ChangeTo(broken), PlcChangeResult::Failed);
  EXPECT_EQ(ui_.MessageTexts(),
            std::vector<std::string>{"Error P003: Unable to load " + broken.path + ".dll.  "});
  EXPECT_EQ(ProjectFileText(project_), before_);
}

}  // namespace
}  // namespace orvane::testing
