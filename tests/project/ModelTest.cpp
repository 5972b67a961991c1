#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "base/StringTable.h"
#include "project/TOvProject.h"
#include "tests/project/ProjectBuilders.h"

namespace orvane {
namespace {

using testing::MakeProject;
using testing::SetAddress;
using testing::SetEveryAddress;
using testing::WithMarkers;

TEST(NewProject, StartsWithoutPanelsAndModelOneOnPortOne) {
  const TOvProject project;
  EXPECT_TRUE(project.panels.empty());
  EXPECT_EQ(project.systemMode, kSinglePanelSystem);
  EXPECT_EQ(project.portTable.selectedPort, 1);
  EXPECT_EQ(project.portTable.Model(1), kModelOv200);
  for (int port = 2; port <= 5; ++port) {
    EXPECT_EQ(project.portTable.Model(port), 0) << port;
  }
  EXPECT_EQ(project.portTable.ConfiguredCount(), 1);
  EXPECT_FALSE(project.changed);
  EXPECT_FALSE(project.tagMapInUse);
  EXPECT_FALSE(project.DriverModule().IsOpen());
  EXPECT_EQ(project.SelectedPanel(), nullptr);
}

TEST(NewPanel, DefaultsOfPanelMessageAndAddresses) {
  TOvProject project = MakeProject(kModelOv200P);
  const TOvPanel& panel = project.panels.at(0);
  EXPECT_TRUE(panel.beeperEnabled && panel.plcMessageDelay && panel.cursorOnPlcMessage);
  EXPECT_EQ(panel.firstMessageNumber, 0);
  EXPECT_EQ(panel.keysLeds.ledWord.dataType, kDataTypeBinary16);
  EXPECT_EQ(panel.keysLeds.buttonWord.dataType, kDataTypeBinary16);
  EXPECT_EQ(panel.annunciatorWord.dataType, kDataTypeBinary16);
  EXPECT_EQ(panel.lineRegisters[0].dataType, kDataTypeBcd16);
  EXPECT_EQ(panel.passwordRegister.tagIndex, kNoTagIndex);

  const TOvMessage message;
  EXPECT_EQ(message.item1.maximum, 9999u);
  EXPECT_EQ(message.item1.kindMaximum, 9999u);
  EXPECT_EQ(message.item1.fixedDecimalPoint, -1);
  EXPECT_TRUE(message.item1.passwordIsLocal);
  EXPECT_EQ(message.item1.AccessText(), "R/W");
  EXPECT_EQ(message.item2.AccessText(), "R");
}

TEST(PanelModels, TableOfNamesSizesAndDescriptions) {
  struct Row {
    int32_t code;
    const char* name;
    int lines;
    int characters;
    int description;
  };
  const Row rows[] = {
      {0, "NOT CONFIGURED...", 0, 0, 0},
      {1, "Ov200/Ov200V", 2, 20, strings::kModelDescription1},
      {2, "Ov200L", 2, 20, strings::kModelDescription2},
      {3, "Ov200P/Ov200PV", 2, 20, strings::kModelDescription3},
      {4, "Ov400", 4, 20, strings::kModelDescription4},
      {5, "OvSP", 1, 16, strings::kModelDescription5},
      {6, "Multiplexer", 0, 0, strings::kModelDescription6},
      {7, "NULL", 0, 0, 0},
      {-1, "NULL", 0, 0, 0},
  };
  for (const Row& row : rows) {
    const PanelModelInfo& model = PanelModel(row.code);
    EXPECT_STREQ(model.name, row.name) << row.code;
    EXPECT_EQ(model.lines, row.lines) << row.code;
    EXPECT_EQ(model.charactersPerLine, row.characters) << row.code;
    EXPECT_EQ(model.descriptionId, row.description) << row.code;
  }
  EXPECT_EQ(TOvPanel(nullptr, kModelOv400).ModelName(), "Ov400");
}

TEST(PanelModels, KindMaximumByDataTypeAndModel) {
  const uint32_t text[] = {9999u, 65535u, 99999999u, 4294967295u};
  const uint32_t setPoint[] = {9999u, 65535u, 99999999u, 99999999u};
  for (uint32_t type = 0; type < 4; ++type) {
    EXPECT_EQ(TOvPanel(nullptr, kModelOv200).KindMaximum(type), text[type]) << type;
    EXPECT_EQ(TOvPanel(nullptr, kModelOv400).KindMaximum(type), text[type]) << type;
    EXPECT_EQ(TOvPanel(nullptr, kModelOvSP).KindMaximum(type), setPoint[type]) << type;
  }
  EXPECT_EQ(KindMaximum(kModelOv200, 4), 0u);
}

TEST(PanelModels, ModelPredicates) {
  TOvPanel panel(nullptr, kModelOv200P);
  EXPECT_TRUE(panel.HasPasswords());
  EXPECT_FALSE(panel.IsSetPoint());
  EXPECT_FALSE(panel.HasLocalMessage());
  TOvMessage plc;
  plc.isPlcMessage = 1;
  panel.AddMessage(plc);
  EXPECT_FALSE(panel.HasLocalMessage());
  panel.AddMessage(TOvMessage());
  EXPECT_TRUE(panel.HasLocalMessage());
  EXPECT_TRUE(TOvPanel(nullptr, kModelOvSP).IsSetPoint());
}

// A text panel with content in every field, for the conversion tests.
TOvPanel& FillPanel(TOvProject& project, int32_t model) {
  TOvPanel& panel = project.PutPanel(TOvPanel(&project, model));
  panel.portNumber = 1;
  panel.firstMessageNumber = 2;
  panel.localPassword = 1234;
  panel.beeperEnabled = false;
  panel.keysLeds.ledMode[0] = kLedByPlc;
  panel.keysLeds.buttonAction[4] = kButtonAlternate;
  SetAddress(panel.keysLeds.ledWord, "N7:10");
  SetAddress(panel.annunciatorWord, "N7:11");
  SetAddress(panel.passwordRegister, "N7:12");
  for (int line = 0; line < 4; ++line) {
    SetAddress(panel.lineRegisters[line], "N7:" + std::to_string(line));
  }
  TOvMessage message;
  message.number = 1;
  message.isPlcMessage = 1;
  message.text = WithMarkers("Speed 1");
  message.item1.passwordProtected = true;
  SetAddress(message.item1, "N7:20");
  panel.AddMessage(message);
  return panel;
}

TEST(ConvertFrom, TextModelToModelThreeKeepsEverything) {
  TOvProject project = MakeProject(kModelNotConfigured);
  const TOvPanel& old = FillPanel(project, kModelOv200);
  TOvPanel converted(&project, kModelOv200P);
  converted.ConvertFrom(old);
  ASSERT_EQ(converted.messages.size(), 1u);
  EXPECT_EQ(converted.messages[0].panel, &converted);
  EXPECT_EQ(converted.messages[0].item1.addressText, "N7:20");
  EXPECT_EQ(converted.keysLeds.ledWord.addressText, "N7:10");
  EXPECT_EQ(converted.keysLeds.ledMode[0], kLedByPlc);
  EXPECT_EQ(converted.firstMessageNumber, 2);
  EXPECT_FALSE(converted.beeperEnabled);
  EXPECT_EQ(converted.localPassword, 1234u);
  EXPECT_EQ(converted.passwordRegister.addressText, "N7:12");
  EXPECT_TRUE(converted.messages[0].item1.passwordProtected);
  EXPECT_EQ(converted.annunciatorWord.addressText, "N7:11");
}

TEST(ConvertFrom, ModelThreeToOneDropsPasswordsAndAnnunciator) {
  TOvProject project = MakeProject(kModelNotConfigured);
  const TOvPanel& old = FillPanel(project, kModelOv200P);
  TOvPanel converted(&project, kModelOv200);
  converted.ConvertFrom(old);
  ASSERT_EQ(converted.messages.size(), 1u);
  EXPECT_EQ(converted.messages[0].item1.addressText, "N7:20");
  EXPECT_FALSE(converted.messages[0].item1.passwordProtected);
  EXPECT_EQ(converted.localPassword, 0u);
  EXPECT_TRUE(converted.passwordRegister.addressText.empty());
  EXPECT_TRUE(converted.annunciatorWord.addressText.empty());
  EXPECT_EQ(converted.annunciatorWord.dataType, kDataTypeBinary16);

  TOvPanel back(&project, kModelOv200P);
  back.ConvertFrom(old);
  EXPECT_EQ(back.annunciatorWord.addressText, "N7:11");
  EXPECT_EQ(back.localPassword, 1234u);
  EXPECT_TRUE(back.messages[0].item1.passwordProtected);
}

TEST(ConvertFrom, BetweenTextAndSetPointTheContentIsLost) {
  for (const auto& [from, to] : {std::pair{kModelOv200P, kModelOvSP}, {kModelOvSP, kModelOv400}}) {
    TOvProject project = MakeProject(kModelNotConfigured);
    TOvPanel& old = FillPanel(project, from);
    old.plcMessageDelay = false;
    old.portNumber = 3;
    TOvPanel converted(&project, to);
    converted.ConvertFrom(old);
    EXPECT_TRUE(converted.messages.empty());
    EXPECT_EQ(converted.firstMessageNumber, 0);
    EXPECT_EQ(converted.localPassword, 0u);
    EXPECT_EQ(converted.keysLeds.ledMode[0], kLedByButton);
    EXPECT_EQ(converted.keysLeds.buttonAction[4], kButtonMomentary);
    for (const TOvTag& line : converted.lineRegisters) {
      EXPECT_TRUE(line.addressText.empty());
    }
    EXPECT_TRUE(converted.beeperEnabled && converted.plcMessageDelay &&
                converted.cursorOnPlcMessage);
    EXPECT_EQ(converted.portNumber, 3);
  }
}

TEST(ConvertFrom, FourLinesToTwoClearsLineRegistersThreeAndFour) {
  TOvProject project = MakeProject(kModelNotConfigured);
  const TOvPanel& old = FillPanel(project, kModelOv400);
  TOvPanel converted(&project, kModelOv200);
  converted.ConvertFrom(old);
  EXPECT_EQ(converted.lineRegisters[0].addressText, "N7:0");
  EXPECT_EQ(converted.lineRegisters[1].addressText, "N7:1");
  EXPECT_TRUE(converted.lineRegisters[2].addressText.empty());
  EXPECT_TRUE(converted.lineRegisters[3].addressText.empty());
}

TEST(PanelReset, EmptiesMessagesActionsAndAnnunciator) {
  TOvProject project = MakeProject(kModelNotConfigured);
  TOvPanel& panel = FillPanel(project, kModelOv200P);
  panel.Reset();
  EXPECT_TRUE(panel.messages.empty());
  EXPECT_EQ(panel.keysLeds.ledMode[0], 0);
  EXPECT_EQ(panel.keysLeds.buttonAction[4], 0);
  EXPECT_TRUE(panel.annunciatorWord.addressText.empty());
  EXPECT_EQ(panel.annunciatorWord.dataType, kDataTypeBinary16);
  EXPECT_TRUE(panel.beeperEnabled);
  // Reset is about content: the addresses of keys and lines stay.
  EXPECT_EQ(panel.keysLeds.ledWord.addressText, "N7:10");
  EXPECT_EQ(panel.lineRegisters[0].addressText, "N7:0");
}

TEST(PutPanel, SinglePanelSystemReplacesTheOnlyPanelOnPortOne) {
  TOvProject project = MakeProject(kModelOv200);
  project.portTable.selectedPort = 3;
  TOvPanel replacement(nullptr, kModelOv400);
  replacement.portNumber = 4;
  TOvPanel& stored = project.PutPanel(replacement);
  ASSERT_EQ(project.panels.size(), 1u);
  EXPECT_EQ(&stored, &project.panels[0]);
  EXPECT_EQ(stored.panelModel, kModelOv400);
  EXPECT_EQ(stored.portNumber, 1);
  EXPECT_EQ(stored.project, &project);
}

TEST(PutPanel, MultiPanelSystemOverwritesOrAppendsAtTheSelectedPort) {
  TOvProject project = MakeProject(kModelNotConfigured);
  project.systemMode = kMultiPanelSystem;
  for (int32_t port : {2, 5, 2}) {
    project.portTable.selectedPort = port;
    project.PutPanel(TOvPanel(nullptr, port == 5 ? kModelOvSP : kModelOv200L));
  }
  ASSERT_EQ(project.panels.size(), 2u);
  EXPECT_EQ(project.panels[0].portNumber, 2);
  EXPECT_EQ(project.panels[1].portNumber, 5);
  project.portTable.selectedPort = 2;
  project.PutPanel(TOvPanel(nullptr, kModelOv400));
  ASSERT_EQ(project.panels.size(), 2u);
  EXPECT_EQ(project.panels[0].panelModel, kModelOv400);
  EXPECT_EQ(project.SelectedPanel(), &project.panels[0]);
  testing::ExpectOwnedBy(project);
}

TEST(RemoveSelectedPanel, KeepsTheOrderOfTheOthers) {
  TOvProject project = MakeProject(kModelNotConfigured);
  project.systemMode = kMultiPanelSystem;
  for (int32_t port : {4, 1, 3, 2}) {
    project.portTable.selectedPort = port;
    project.PutPanel(TOvPanel(nullptr, kModelOv200));
  }
  project.portTable.selectedPort = 1;
  project.RemoveSelectedPanel();
  std::vector<int32_t> ports;
  for (const TOvPanel& panel : project.panels) {
    ports.push_back(panel.portNumber);
  }
  EXPECT_EQ(ports, (std::vector<int32_t>{4, 3, 2}));
  EXPECT_EQ(project.SelectedPanel(), nullptr);
  testing::ExpectOwnedBy(project);
}

TEST(PortTable, OperationsStayWithinPortsOneToFive) {
  TOvPortTable table;
  TOvPanel panel(nullptr, kModelOv400);
  panel.portNumber = 4;
  table.SetPanel(panel);
  EXPECT_TRUE(table.IsConfigured(4));
  EXPECT_EQ(table.ConfiguredCount(), 2);
  table.Clear(1);
  table.SetModel(0, 3);
  table.SetModel(6, 3);
  EXPECT_EQ(table.Model(0), 0);
  EXPECT_EQ(table.Model(6), 0);
  EXPECT_EQ(table.ConfiguredCount(), 1);
}

TEST(ClearAllAddresses, ResetsEveryAddressAndKeepsBitWordsBinary) {
  TOvProject project = MakeProject(kModelNotConfigured);
  project.systemMode = kMultiPanelSystem;
  TOvPanel& text = FillPanel(project, kModelOv200P);
  text.keysLeds.buttonWord.dataType = kDataTypeBcd32;
  text.messages[0].item1.variableDecimalPoint = true;
  SetAddress(text.messages[0].item1.decimalPointRegister, "N7:30");
  project.portTable.selectedPort = 2;
  TOvPanel& setPoint = project.PutPanel(TOvPanel(&project, kModelOvSP));
  SetAddress(setPoint.keysLeds.ledWord, "N7:40", {1, 2, 3}, kDataTypeBcd16);
  SetAddress(setPoint.lineRegisters[0], "N7:41");

  project.ClearAllAddresses();

  const TOvPanel& cleared = project.panels[0];
  for (const TOvTag* word :
       {&cleared.keysLeds.ledWord, &cleared.keysLeds.buttonWord, &cleared.annunciatorWord}) {
    EXPECT_TRUE(word->addressText.empty());
    EXPECT_EQ(word->dataType, kDataTypeBinary16);
  }
  EXPECT_TRUE(cleared.passwordRegister.addressText.empty());
  EXPECT_TRUE(cleared.lineRegisters[3].addressText.empty());
  EXPECT_TRUE(cleared.messages[0].item1.addressText.empty());
  EXPECT_TRUE(cleared.messages[0].item1.decimalPointRegister.addressText.empty());
  EXPECT_FALSE(cleared.messages[0].item1.variableDecimalPoint);
  // The set point model has no keys: its key words are left alone.
  EXPECT_EQ(project.panels[1].keysLeds.ledWord.addressText, "N7:40");
  EXPECT_TRUE(project.panels[1].lineRegisters[0].addressText.empty());
}

// The order in which ForEachAddress visits, as address texts.
std::vector<std::string> VisitOrder(int32_t model) {
  TOvProject project = MakeProject(model);
  TOvPanel& panel = project.panels[0];
  SetEveryAddress(panel);
  TOvMessage first;
  first.text = WithMarkers("3 and 1");
  first.item1.variableDecimalPoint = true;
  SetAddress(first.item1, "m1.item1");
  SetAddress(first.item1.decimalPointRegister, "m1.point");
  SetAddress(first.item2, "m1.item2");
  SetAddress(first.item3, "m1.item3");
  panel.AddMessage(first);
  TOvMessage second;
  second.text = WithMarkers("2 only");
  SetAddress(second.item1, "m2.item1");
  SetAddress(second.item2, "m2.item2");
  panel.AddMessage(second);

  std::vector<std::string> order;
  project.ForEachAddress([&order](TOvTag& tag) { order.push_back(tag.addressText); });
  return order;
}

TEST(ForEachAddress, OrderPerModel) {
  using Texts = std::vector<std::string>;
  EXPECT_EQ(VisitOrder(kModelOv200),
            (Texts{"led", "button", "annunciator", "line1", "line2", "password", "m1.item1",
                   "m1.point", "m1.item3", "m2.item2"}));
  EXPECT_EQ(VisitOrder(kModelOv400),
            (Texts{"led", "button", "annunciator", "line1", "line2", "line3", "line4", "password",
                   "m1.item1", "m1.point", "m1.item3", "m2.item2"}));
  // On the set point model item 1 is always in use.
  EXPECT_EQ(VisitOrder(kModelOvSP), (Texts{"line1", "line2", "password", "m1.item1", "m1.point",
                                           "m1.item3", "m2.item1", "m2.item2"}));
}

}  // namespace
}  // namespace orvane
