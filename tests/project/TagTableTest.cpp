#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "base/StringTable.h"
#include "project/TOvProject.h"
#include "tests/project/ProjectBuilders.h"
#include "tests/support/ScriptedUserInterface.h"

namespace orvane {
namespace {

using testing::MakeProject;
using testing::SetAddress;
using testing::SetEveryAddress;
using testing::WithMarkers;

std::vector<std::string> Texts(const TOvTagTable& table) {
  std::vector<std::string> texts;
  for (const TOvTag& entry : table) {
    texts.push_back(entry.addressText);
  }
  return texts;
}

TEST(BuildTagTable, MessagesFirstThenSystemAddressesWithoutDeduplication) {
  TOvProject project = MakeProject(kModelOv200P);
  TOvPanel& panel = project.panels[0];
  SetEveryAddress(panel);
  TOvMessage& first = panel.AddMessage(TOvMessage());
  first.text = WithMarkers("1 and 3");
  first.item1.variableDecimalPoint = true;
  SetAddress(first.item1, "N7:0");
  SetAddress(first.item1.decimalPointRegister, "N7:1");
  SetAddress(first.item3, "N7:3");
  TOvMessage& second = panel.AddMessage(TOvMessage());
  second.text = WithMarkers("only 2");
  SetAddress(second.item1, "N7:9");  // holds an address but has no marker
  SetAddress(second.item2, "N7:0");  // the same register as the first item 1
  SetAddress(panel.keysLeds.buttonWord, "");

  TOvTagTable table;
  panel.BuildTagTable(table);
  EXPECT_EQ(Texts(table), (std::vector<std::string>{"N7:0", "N7:1", "N7:3", "N7:0", "annunciator",
                                                    "led", "line1", "line2", "password"}));
  EXPECT_EQ(panel.messages[0].item1.tagIndex, 1);
  EXPECT_EQ(panel.messages[0].item1.decimalPointRegister.tagIndex, 2);
  EXPECT_EQ(panel.messages[1].item2.tagIndex, 4);
  EXPECT_EQ(panel.messages[1].item1.tagIndex, kNoTagIndex);
  EXPECT_EQ(panel.keysLeds.buttonWord.tagIndex, kNoTagIndex);
  EXPECT_EQ(panel.lineRegisters[2].tagIndex, kNoTagIndex);
  EXPECT_EQ(panel.passwordRegister.tagIndex, 9);
  EXPECT_EQ(table[0].dataType, kDataTypeBinary16);
  EXPECT_EQ(table[0].MapString()[2], 3);
}

TEST(BuildTagTable, AddressesLeftOutLoseTheIndexOfAnEarlierWrite) {
  // Each address holds the index an earlier write or read gave it; the
  // table leaves it out (no text, or a place the model does not use), so
  // it must go out as "no address".
  struct Case {
    const char* what;
    int32_t model;
    std::function<TOvTag&(TOvPanel&)> tag;
  };
  const Case cases[] = {
      {"empty password register", kModelOv200P,
       [](TOvPanel& p) -> TOvTag& { return p.passwordRegister; }},
      {"line register 3 of a two-line model", kModelOv200,
       [](TOvPanel& p) -> TOvTag& { return p.lineRegisters[2]; }},
      {"annunciator word of model 1", kModelOv200,
       [](TOvPanel& p) -> TOvTag& { return p.annunciatorWord; }},
      {"LED word of the set point model", kModelOvSP,
       [](TOvPanel& p) -> TOvTag& { return p.keysLeds.ledWord; }},
      {"data item 1 without its marker", kModelOv200,
       [](TOvPanel& p) -> TOvTag& { return p.messages[0].item1; }},
      {"a fixed decimal point's register", kModelOv200,
       [](TOvPanel& p) -> TOvTag& { return p.messages[0].item1.decimalPointRegister; }},
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(test.what);
    TOvProject project = MakeProject(test.model);
    TOvPanel& panel = project.panels[0];
    SetAddress(panel.lineRegisters[0], "line1");
    TOvMessage& message = panel.AddMessage(TOvMessage());
    message.text = WithMarkers("only 2");
    SetAddress(message.item1, "N7:9");
    SetAddress(message.item1.decimalPointRegister, "N7:8");
    TOvTag& tag = test.tag(panel);
    if (&tag != &panel.passwordRegister) {
      SetAddress(tag, "in use elsewhere");
    }
    tag.tagIndex = 7;
    TOvTagTable table;
    panel.BuildTagTable(table);
    EXPECT_EQ(tag.tagIndex, kNoTagIndex);
  }
}

TEST(BuildTagTable, SetPointPanelOffersItemOneAndLineOneOnly) {
  TOvProject project = MakeProject(kModelOvSP);
  TOvPanel& panel = project.panels[0];
  SetEveryAddress(panel);
  panel.passwordRegister.addressText.clear();
  TOvMessage& entry = panel.AddMessage(TOvMessage());
  entry.text = "Pressure";
  entry.setPointValue = true;
  SetAddress(entry.item1, "N7:0");
  TOvMessage& bare = panel.AddMessage(TOvMessage());
  bare.text = "No value";
  SetAddress(bare.item1, "N7:5");
  TOvTagTable table;
  panel.BuildTagTable(table);
  EXPECT_EQ(Texts(table), (std::vector<std::string>{"N7:0", "line1"}));
}

TEST(ResolveTagTable, TakesAddressesBackByTheirIndices) {
  TOvProject project = MakeProject(kModelOv200);
  TOvPanel& source = project.panels[0];
  SetEveryAddress(source);
  TOvMessage& message = source.AddMessage(TOvMessage());
  message.text = WithMarkers("1 2");
  SetAddress(message.item1, "N7:0", {7, 7, 7}, kDataTypeBcd32);
  message.item1.limitsEnabled = true;
  SetAddress(message.item2, "N7:1");
  TOvTagTable table;
  source.BuildTagTable(table);

  // A panel read back knows only the indices; its addresses are empty.
  TOvPanel readBack(source);
  readBack.ClearAllAddresses();
  readBack.messages[0].item1.limitsEnabled = false;
  readBack.lineRegisters[1].tagIndex = 99;  // outside the table
  readBack.ResolveTagTable(table);

  EXPECT_EQ(readBack.messages[0].item1.addressText, "N7:0");
  EXPECT_EQ(readBack.messages[0].item1.dataType, kDataTypeBcd32);
  EXPECT_EQ(readBack.messages[0].item1.MapString()[0], 7);
  EXPECT_FALSE(readBack.messages[0].item1.limitsEnabled) << "options are not in the table";
  EXPECT_EQ(readBack.messages[0].item2.addressText, "N7:1");
  EXPECT_EQ(readBack.keysLeds.buttonWord.addressText, "button");
  EXPECT_EQ(readBack.lineRegisters[0].addressText, "line1");
  EXPECT_TRUE(readBack.lineRegisters[1].addressText.empty());
  EXPECT_EQ(readBack.messages[0].item1.project, &project);
}

TEST(AddressCount, FixedCountPerModelPlusMessages) {
  const std::pair<int32_t, int> fixed[] = {
      {kModelOv200, 4}, {kModelOv200L, 4}, {kModelOv200P, 5}, {kModelOv400, 6}, {kModelOvSP, 1}};
  for (const auto& [model, count] : fixed) {
    EXPECT_EQ(TOvPanel(nullptr, model).AddressCount(), count) << model;
  }

  TOvPanel panel(nullptr, kModelOv200P);
  TOvMessage message;
  message.text = WithMarkers("1 2 3");
  message.item1.variableDecimalPoint = true;
  panel.AddMessage(message);  // 2 + 1 + 1
  message.text = WithMarkers("2");
  message.setPointValue = true;  // counts on the set point model only
  panel.AddMessage(message);
  EXPECT_EQ(panel.AddressCount(), 5 + 4 + 1);

  panel.messages[1].item1.passwordProtected = true;
  panel.messages[1].item1.passwordIsLocal = false;
  EXPECT_EQ(panel.AddressCount(), 11) << "the PLC password register counts once";
  panel.messages[0].item1.passwordProtected = true;
  panel.messages[0].item1.passwordIsLocal = false;
  EXPECT_EQ(panel.AddressCount(), 11);

  TOvPanel setPoint(nullptr, kModelOvSP);
  TOvMessage entry;
  entry.setPointValue = true;
  setPoint.AddMessage(entry);
  EXPECT_EQ(setPoint.AddressCount(), 2);
}

TEST(AddressCount, ThreeHundredAreAcceptedThreeHundredAndOneRefused) {
  TOvPanel panel(nullptr, kModelOv200);  // 4 fixed
  TOvMessage three;
  three.text = WithMarkers("1 2 3");
  for (int i = 0; i < 98; ++i) {
    panel.AddMessage(three);
  }
  ASSERT_EQ(panel.AddressCount(), 298);
  TOvMessage two;
  two.text = WithMarkers("1 2");
  EXPECT_TRUE(panel.AllowsMessage(two));
  EXPECT_EQ(panel.AddressCountWith(two), 300);
  EXPECT_FALSE(panel.AllowsMessage(three));
  // Changing a message counts the new version in place of the old one.
  TOvMessage four = three;
  four.item1.variableDecimalPoint = true;
  EXPECT_EQ(panel.AddressCountWith(four, 0), 299);
  four.text += kItem2Marker;  // a marker counts once however often it occurs
  EXPECT_EQ(panel.AddressCountWith(four, 0), 299);
  EXPECT_EQ(panel.AddressCountWith(four, 500), 302) << "an index outside the list appends";

  testing::ScriptedUserInterface ui;
  ReportAddressLimit(ui);
  ASSERT_EQ(ui.Calls().size(), 1u);
  EXPECT_EQ(ui.Calls()[0].text, "Error T001: PLC Address count exceeds maximum limit");
  EXPECT_EQ(ui.Calls()[0].icon, Icon::None);
}

}  // namespace
}  // namespace orvane
