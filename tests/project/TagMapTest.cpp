// The Think & Do tag map file and the check of a project's tag names
// against it.
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "project/TOvProject.h"
#include "project/TOvTandry.h"
#include "tests/project/ProjectBuilders.h"
#include "tests/support/ScriptedUserInterface.h"
#include "tests/support/TestPaths.h"

namespace orvane::testing {
namespace {

namespace fs = std::filesystem;

fs::path MapFile(const std::string& text) {
  const fs::path file = MakeTempDir("map") / "tags.map";
  WriteText(file, text);
  return file;
}

TEST(TagMap, ReadsHoldingAndLongRegistersIntoBothTables) {
  const fs::path file = MapFile(
      "Think & Do tag map\r\nversion 7\r\n"
      "MOTOR_SPEED,C100,5,speed\r\n"
      "TOTAL,N7,7,total\r\n"
      "TWO_FIELDS,N8,7\r\n"
      "START_BUTTON,X1,1,input\r\n"
      "SHORT,C1\r\n"
      "NO_COMMA\r\n"
      "\r\n"
      "MOTOR_SPEED,C101,5,moved\r\n"
      "ODD, C200 , 5 ,x\r\n");
  TOvProject project;
  ScriptedUserInterface ui;
  ASSERT_TRUE(project.LoadTagMap(file.string(), ui));
  for (const TOvTagMap& table : project.tagMaps) {
    EXPECT_EQ(table.header1, "Think & Do tag map");
    EXPECT_EQ(table.header2, "version 7");
    // A repeated name keeps its last line; the type field reads like atoi.
    const std::map<std::string, std::string> expected = {
        {"MOTOR_SPEED", "C101,5,moved"}, {"TOTAL", "N7,7,total"}, {"ODD", " C200 , 5 ,x"}};
    EXPECT_EQ(table.entries, expected);
  }
  EXPECT_TRUE(ui.Calls().empty());
}

TEST(TagMap, InputsOnlyLeaveTheTablesEmptyAndAMissingFileKeepsThem) {
  TOvProject project;
  ScriptedUserInterface ui;
  ASSERT_TRUE(project.LoadTagMap(MapFile("h1\nh2\nIN1,X1,1\nIN2,X2,1,z\n").string(), ui));
  EXPECT_TRUE(project.tagMaps[0].entries.empty());
  EXPECT_EQ(project.tagMaps[0].header1, "h1");

  project.tagMaps[0].entries["KEEP"] = "C1,5";
  const std::string missing = (MakeTempDir("map") / "gone.map").string();
  EXPECT_FALSE(project.LoadTagMap(missing, ui));
  EXPECT_EQ(ui.MessageTexts(),
            std::vector<std::string>{"Error T005: Unable to open map file " + missing});
  EXPECT_EQ(project.tagMaps[0].entries.at("KEEP"), "C1,5");
}

// A project whose addresses are Think & Do tags: name and map remainder.
class TandryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    project_ = MakeProject(kModelOv200P);
    project_.tagMapInUse = true;
    project_.tagMapPath = "/maps/plant.map";
    TOvTagMap& table = project_.tagMaps[kTextModelTagMap];
    table.entries = {{"SPEED", "C100,5"},  {"RENAMED", "C101,5"}, {"TWIN_A", "C102,5"},
                     {"TWIN_B", "C102,5"}, {"LEDS", "C103,5"},    {"PASSWORD", "C104,5"}};
    panel_ = &project_.panels.front();
    Tag(panel_->keysLeds.ledWord, "LEDS", "C103,5");        // in order
    Tag(panel_->keysLeds.buttonWord, "BUTTONS", "C999,5");  // gone
    Tag(panel_->annunciatorWord, "OLD_NAME", "C101,5");     // renamed
    Tag(panel_->lineRegisters[0], "SPEED", "C555,5");       // name still there
    Tag(panel_->lineRegisters[2], "UNUSED", "C999,5");      // not on a 2-line model
    TOvMessage message(panel_);
    message.text = WithMarkers("a 1 b 2");
    Tag(message.item1, "TWIN", "C102,5");  // ambiguous
    message.item1.variableDecimalPoint = true;
    Tag(message.item1.decimalPointRegister, "DP_OLD", "C101,5");
    Tag(message.item2, "", "C104,5");        // no name yet
    Tag(message.item3, "HIDDEN", "C999,5");  // marker absent
    panel_->AddMessage(message);
  }

  static void Tag(TOvTag& tag, const std::string& name, const std::string& text) {
    tag.tagName = name;
    tag.addressText = text;
    tag.dataType = kDataTypeBinary16;
  }

  TOvProject project_;
  TOvPanel* panel_ = nullptr;
};

TEST_F(TandryTest, CheckLogsEveryAddressThatNoLongerFits) {
  TOvTandry tandry(project_);
  tandry.Reconcile();
  const std::vector<std::string> expected = {
      "Error Tag map entry \"BUTTONS,C999,5\" not found in map file\n",
      "Tag name \"OLD_NAME\" changed to \"RENAMED\" for address C101,5\n",
      "Multiple tag names found for the address \"C102,5\"\n",
      "\tTWIN_A\n",
      "\tTWIN_B\n",
      "Tag name \"DP_OLD\" changed to \"RENAMED\" for address C101,5\n",
      "Tag name \"\" changed to \"PASSWORD\" for address C104,5\n",
  };
  EXPECT_EQ(tandry.Log(), expected);
  EXPECT_EQ(tandry.LogLineCount(), expected.size());
  // Checking changes nothing.
  EXPECT_EQ(panel_->keysLeds.buttonWord.addressText, "C999,5");
  EXPECT_EQ(panel_->annunciatorWord.tagName, "OLD_NAME");
}

TEST_F(TandryTest, ApplyRenamesAndClears) {
  TOvTandry tandry(project_);
  tandry.SetMode(TOvTandry::kApply);
  tandry.Reconcile();
  EXPECT_TRUE(tandry.Log().empty());
  // Gone: cleared, and a bit word stays a Binary 16 word.
  EXPECT_EQ(panel_->keysLeds.buttonWord.addressText, "");
  EXPECT_EQ(panel_->keysLeds.buttonWord.tagName, "");
  EXPECT_EQ(panel_->keysLeds.buttonWord.dataType, kDataTypeBinary16);
  EXPECT_EQ(panel_->annunciatorWord.tagName, "RENAMED");
  EXPECT_EQ(panel_->lineRegisters[0].tagName, "SPEED");
  EXPECT_EQ(panel_->lineRegisters[0].addressText, "C555,5");
  EXPECT_EQ(panel_->lineRegisters[2].tagName, "UNUSED");
  const TOvMessage& message = panel_->messages.front();
  EXPECT_EQ(message.item1.addressText, "");
  EXPECT_EQ(message.item1.dataType, kDataTypeBcd16);
  // Clearing data item 1 clears its decimal point register with it.
  EXPECT_FALSE(message.item1.variableDecimalPoint);
  EXPECT_EQ(message.item1.decimalPointRegister.addressText, "");
  EXPECT_EQ(message.item2.tagName, "PASSWORD");
  EXPECT_EQ(message.item3.tagName, "HIDDEN");

  // A second check finds nothing left to report.
  TOvTandry again(project_);
  again.Reconcile();
  EXPECT_TRUE(again.Log().empty());
}

TEST(Tandry, TheSetPointPanelUsesItsOwnTableAndItsUnmarkedEntries) {
  TOvProject project = MakeProject(kModelOvSP);
  project.tagMaps[kTextModelTagMap].entries = {{"TEXT_ONLY", "C1,5"}};
  project.tagMaps[kSetPointTagMap].entries = {{"SP_NAME", "C2,5"}};
  TOvPanel& panel = project.panels.front();
  TOvMessage entry(&panel);
  entry.text = "Oven";
  entry.setPointValue = true;
  entry.item1.tagName = "SP_OLD";
  entry.item1.addressText = "C2,5";
  panel.AddMessage(entry);
  panel.lineRegisters[0].tagName = "TEXT_ONLY";
  panel.lineRegisters[0].addressText = "C1,5";
  TOvTandry tandry(project);
  tandry.Reconcile();
  EXPECT_EQ(tandry.Log(), (std::vector<std::string>{
                              "Error Tag map entry \"TEXT_ONLY,C1,5\" not found in map file\n",
                              "Tag name \"SP_OLD\" changed to \"SP_NAME\" for address C2,5\n"}));
}

}  // namespace
}  // namespace orvane::testing
