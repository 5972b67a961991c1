// Verify's list of differences: empty exactly when the projects compare
// equal, and one plain line per thing that differs.
#include <functional>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "project/ProjectDifferences.h"
#include "project/TOvProject.h"
#include "tests/project/ProjectBuilders.h"

namespace orvane {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using testing::MakeProject;
using testing::SetAddress;
using testing::WithMarkers;

TOvPanel& On(TOvProject& project, int32_t port) {
  project.portTable.selectedPort = port;
  return *project.SelectedPanel();
}

TOvMessage& AddMessage(TOvPanel& panel, int32_t number, bool plc, const std::string& pattern) {
  TOvMessage& message = panel.AddMessage(TOvMessage());
  message.number = number;
  message.isPlcMessage = plc ? 1 : 0;
  message.text = WithMarkers(pattern);
  return message;
}

// A pump station on three ports: a password panel (2), a set point panel (4)
// and a four-line panel (5), every option set somewhere.
TOvProject Station() {
  TOvProject project = MakeProject(kModelNotConfigured);
  project.systemMode = kMultiPanelSystem;
  project.plc.name = "SLC";
  project.plc.attributeBytes.assign(36, 0);
  project.plc.attributeBytes[0] = 1;
  project.plc.attributeBytes[1] = 4;
  const std::pair<int32_t, int32_t> panels[] = {
      {2, kModelOv200P}, {4, kModelOvSP}, {5, kModelOv400}};
  for (const auto& [port, model] : panels) {
    project.portTable.selectedPort = port;
    project.portTable.SetPanel(project.PutPanel(TOvPanel(&project, model)));
  }
  TOvPanel& p2 = On(project, 2);
  TOvMessage& tank = AddMessage(p2, 1, true, "TANK 1111 GAL 22");
  SetAddress(tank.item1, "N7:0", {1, 0, 0}, kDataTypeBcd16);
  tank.item1.limitsEnabled = true;
  tank.item1.maximum = 5000;
  tank.item1.passwordProtected = true;
  tank.item1.variableDecimalPoint = true;
  SetAddress(tank.item1.decimalPointRegister, "N7:9", {9, 0, 0}, kDataTypeBcd16);
  SetAddress(tank.item2, "N7:1", {1, 1, 0});
  SetAddress(AddMessage(p2, 2, true, "PUMP 333").item3, "N7:3", {3, 0, 0});
  AddMessage(p2, 256, false, "PUMPS").isFolder = 1;
  TOvMessage& flow = AddMessage(p2, 255, false, "FLOW 11111");
  flow.depth = 1;
  SetAddress(flow.item1, "N7:5", {5, 0, 0}, kDataTypeBinary16);
  p2.firstMessageNumber = 3;
  SetAddress(p2.keysLeds.ledWord, "B3:0", {3, 3, 0});
  SetAddress(p2.keysLeds.buttonWord, "B3:1", {3, 3, 1});
  p2.keysLeds.ledMode = {0, 1, 2, 0, 1};
  p2.keysLeds.buttonAction = {1, 2, 0, 1, 2};
  SetAddress(p2.lineRegisters[0], "N7:20", {20, 0, 0});
  SetAddress(p2.annunciatorWord, "B3:2", {3, 3, 2});
  SetAddress(p2.passwordRegister, "N7:30", {30, 0, 0});
  p2.localPassword = 1234;

  TOvPanel& p4 = On(project, 4);
  TOvMessage& setPoint = AddMessage(p4, 10, true, "SPEED");
  setPoint.setPointValue = true;
  SetAddress(setPoint.item1, "N9:0", {9, 9, 0}, kDataTypeBcd32);

  TOvPanel& p5 = On(project, 5);
  AddMessage(p5, 256, false, "STATION OK");
  SetAddress(p5.lineRegisters[3], "N7:24", {24, 0, 0});
  return project;
}

// An address read back as not set.
void Clear(TOvTag& tag) {
  SetAddress(tag, "", {0, 0, 0});
}

struct Mutation {
  const char* name;
  std::function<void(TOvProject&)> apply;
  const char* line;       // a line the list must hold; "" when the projects stay equal
  bool reshapes = false;  // adds, removes or moves a panel or a message
};

TOvMessage& Message(TOvProject& project, int32_t port, size_t index) {
  return On(project, port).messages[index];
}

const std::vector<Mutation>& Mutations() {
  static const std::vector<Mutation> mutations = {
      // What the comparison ignores.
      {"address text", [](TOvProject& p) { Message(p, 2, 0).item1.addressText = "N7:00"; }, ""},
      {"tag name", [](TOvProject& p) { Message(p, 2, 0).item2.tagName = "LEVEL"; }, ""},
      {"outer blanks", [](TOvProject& p) { Message(p, 5, 0).text = "  STATION OK "; }, ""},
      {"unused item", [](TOvProject& p) { SetAddress(Message(p, 2, 1).item1, "N7:7"); }, ""},
      {"unused line", [](TOvProject& p) { SetAddress(On(p, 2).lineRegisters[2], "N7:7"); }, ""},
      {"annunciator off model 3",
       [](TOvProject& p) { SetAddress(On(p, 5).annunciatorWord, "B3:9"); }, ""},
      {"plug-in path", [](TOvProject& p) { p.plc.pluginPath = "/elsewhere"; }, ""},
      {"panel order",
       [](TOvProject& p) {
         std::swap(p.panels[0], p.panels[2]);
         p.AttachAll();
       },
       ""},
      {"text cleared, map kept",
       [](TOvProject& p) { On(p, 2).keysLeds.ledWord.addressText.clear(); }, ""},
      // The system and the PLC.
      {"system", [](TOvProject& p) { p.systemMode = kSinglePanelSystem; },
       "System type differs (PC multi-panel system, panel single panel system)"},
      {"PLC name", [](TOvProject& p) { p.plc.name = "DL"; },
       "PLC name differs (PC \"SLC\", panel \"DL\")"},
      {"map length", [](TOvProject& p) { p.plc.mapLength = 4; },
       "PLC map length differs (PC 3, panel 4)"},
      {"attribute byte", [](TOvProject& p) { p.plc.attributeBytes[33] = 9; },
       "PLC attribute byte 33 differs (PC 0, panel 9)"},
      {"attribute length", [](TOvProject& p) { p.plc.attributeBytes.push_back(0); },
       "PLC attribute length differs (PC 36 bytes, panel 37 bytes)"},
      // Panels.
      {"panel gone",
       [](TOvProject& p) {
         p.portTable.selectedPort = 4;
         p.RemoveSelectedPanel();
       },
       "Port 4: OvSP panel on the PC, none read back", true},
      {"panel moved", [](TOvProject& p) { On(p, 5).portNumber = 3; },
       "Port 3: Ov400 panel read back, none on the PC", true},
      {"model", [](TOvProject& p) { On(p, 5).panelModel = kModelOv200; },
       "Port 5: model differs (PC Ov400, panel Ov200/Ov200V)"},
      {"first message", [](TOvProject& p) { On(p, 2).firstMessageNumber = 4; },
       "Port 2: first message number differs (PC 3, panel 4)"},
      {"message gone", [](TOvProject& p) { On(p, 2).messages.erase(On(p, 2).messages.begin()); },
       "Port 2, message 1: on the PC only (\"TANK {1111} GAL {22}\")", true},
      {"message added", [](TOvProject& p) { AddMessage(On(p, 5), 255, false, "\x01 3"); },
       "Port 5, local message 255: in the panel only (\"\\x01 {3}\")", true},
      // Messages.
      {"text", [](TOvProject& p) { Message(p, 2, 0).text = WithMarkers("TANK 111 GAL 22"); },
       "Port 2, message 1: text differs (PC \"TANK {1111} GAL {22}\", panel \"TANK {111} GAL "
       "{22}\")"},
      {"number", [](TOvProject& p) { Message(p, 2, 1).number = 7; },
       "Port 2, message 2: number differs (PC 2, panel 7)"},
      {"kind", [](TOvProject& p) { Message(p, 2, 1).isPlcMessage = 0; },
       "Port 2, message 2: message type differs (PC PLC message, panel local message)"},
      {"folder", [](TOvProject& p) { Message(p, 2, 2).isFolder = 0; },
       "Port 2, local message 256: entry type differs (PC folder, panel message)"},
      {"depth", [](TOvProject& p) { Message(p, 2, 3).depth = 0; },
       "Port 2, local message 255: tree depth differs (PC 1, panel 0)"},
      {"set point flag", [](TOvProject& p) { Message(p, 4, 0).setPointValue = false; },
       "Port 4, message 10: set point value differs (PC on, panel off)"},
      {"leading zeros", [](TOvProject& p) { Message(p, 5, 0).leadingZeros[2] = true; },
       "Port 5, local message 256: data item 3 \"Leading Zeroes\" differs (PC off, panel on)"},
      {"item 1 type", [](TOvProject& p) { Message(p, 2, 0).item1.dataType = kDataTypeBinary16; },
       "Port 2, message 1: data item 1 address differs (PC N7:0 (BCD 16), panel N7:0 (Binary "
       "16))"},
      {"item 1 map",
       [](TOvProject& p) {
         SetAddress(Message(p, 2, 0).item1, "N7:0", {1, 0, 7}, 0);
       },
       "Port 2, message 1: data item 1 address differs (PC N7:0 (BCD 16) map 01 00 00, panel N7:0 "
       "(BCD 16) map 01 00 07)"},
      {"access", [](TOvProject& p) { Message(p, 2, 0).item1.accessType = kAccessReadOnly; },
       "Port 2, message 1: data item 1 access differs (PC Read/Write, panel Read Only)"},
      {"limits", [](TOvProject& p) { Message(p, 2, 0).item1.limitsEnabled = false; },
       "Port 2, message 1: data item 1 limits differs (PC on, panel off)"},
      {"minimum", [](TOvProject& p) { Message(p, 2, 0).item1.minimum = 10; },
       "Port 2, message 1: data item 1 minimum differs (PC 0, panel 10)"},
      {"maximum", [](TOvProject& p) { Message(p, 2, 0).item1.maximum = 4294967295u; },
       "Port 2, message 1: data item 1 maximum differs (PC 5000, panel 4294967295)"},
      {"password", [](TOvProject& p) { Message(p, 2, 0).item1.passwordProtected = false; },
       "Port 2, message 1: data item 1 password protection differs (PC on, panel off)"},
      {"password source", [](TOvProject& p) { Message(p, 2, 3).item1.passwordIsLocal = false; },
       "Port 2, local message 255: data item 1 password source differs (PC local password, "
       "panel PLC password register)"},
      {"fixed point", [](TOvProject& p) { Message(p, 4, 0).item1.fixedDecimalPoint = 2; },
       "Port 4, message 10: data item 1 fixed decimal point differs (PC none, panel 2)"},
      {"PLC point", [](TOvProject& p) { Message(p, 2, 0).item1.variableDecimalPoint = false; },
       "Port 2, message 1: data item 1 PLC-controlled decimal point differs (PC on, panel off)"},
      {"point register", [](TOvProject& p) { Clear(Message(p, 2, 0).item1.decimalPointRegister); },
       "Port 2, message 1: data item 1 decimal point register differs (PC N7:9 (BCD 16), panel "
       "none)"},
      {"item 2",
       [](TOvProject& p) {
         SetAddress(Message(p, 2, 0).item2, "N7:2", {2, 0, 0});
       },
       "Port 2, message 1: data item 2 address differs (PC N7:1 (Binary 16), panel N7:2 (Binary "
       "16))"},
      {"item 3", [](TOvProject& p) { Message(p, 2, 1).item3.dataType = kDataTypeBcd32; },
       "Port 2, message 2: data item 3 address differs (PC N7:3 (Binary 16), panel N7:3 (BCD "
       "32))"},
      {"set point item", [](TOvProject& p) { Message(p, 4, 0).item1.minimum = 1; },
       "Port 4, message 10: data item 1 minimum differs (PC 0, panel 1)"},
      // Keys, LEDs and system attributes.
      {"LED word", [](TOvProject& p) { Clear(On(p, 2).keysLeds.ledWord); },
       "Port 2: LED word differs (PC B3:0 (Binary 16), panel none)"},
      {"button word", [](TOvProject& p) { SetAddress(On(p, 5).keysLeds.buttonWord, "B3:5"); },
       "Port 5: button word differs (PC none, panel B3:5 (Binary 16))"},
      {"LED mode", [](TOvProject& p) { On(p, 2).keysLeds.ledMode[1] = kLedByPlc; },
       "Port 2: key 2 LED mode differs (PC By Button & Flash, panel By PLC)"},
      {"button action", [](TOvProject& p) { On(p, 2).keysLeds.buttonAction[4] = 0; },
       "Port 2: key 5 button action differs (PC Panel Set & PLC Release, panel Momentary)"},
      {"line 1",
       [](TOvProject& p) {
         SetAddress(On(p, 2).lineRegisters[0], "N7:21", {21, 0, 0});
       },
       "Port 2: line register 1 differs (PC N7:20 (Binary 16), panel N7:21 (Binary 16))"},
      {"line 4", [](TOvProject& p) { Clear(On(p, 5).lineRegisters[3]); },
       "Port 5: line register 4 differs (PC N7:24 (Binary 16), panel none)"},
      {"local password", [](TOvProject& p) { On(p, 2).localPassword = 4321; },
       "Port 2: local password differs (PC 1234, panel 4321)"},
      {"password register", [](TOvProject& p) { On(p, 2).passwordRegister.dataType = 0; },
       "Port 2: password register differs (PC N7:30 (Binary 16), panel N7:30 (BCD 16))"},
      {"beeper", [](TOvProject& p) { On(p, 4).beeperEnabled = false; },
       "Port 4: beeper differs (PC on, panel off)"},
      {"delay", [](TOvProject& p) { On(p, 5).plcMessageDelay = false; },
       "Port 5: PLC message delay differs (PC on, panel off)"},
      {"cursor", [](TOvProject& p) { On(p, 5).cursorOnPlcMessage = false; },
       "Port 5: cursor on PLC messages differs (PC on, panel off)"},
      {"annunciator", [](TOvProject& p) { Clear(On(p, 2).annunciatorWord); },
       "Port 2: annunciator word differs (PC B3:2 (Binary 16), panel none)"},
  };
  return mutations;
}

TEST(ProjectDifferences, EachMutationIsListedExactlyWhenTheProjectsDiffer) {
  const TOvProject pc = Station();
  ASSERT_TRUE(ListDifferences(pc, pc).empty());
  for (const Mutation& mutation : Mutations()) {
    TOvProject panel = pc;
    mutation.apply(panel);
    const std::vector<std::string> lines = DescribeDifferences(ListDifferences(pc, panel));
    EXPECT_EQ(lines.empty(), pc.Equals(panel)) << mutation.name;
    if (*mutation.line == '\0') {
      EXPECT_THAT(lines, ::testing::IsEmpty()) << mutation.name;
    } else {
      EXPECT_THAT(lines, Contains(mutation.line)) << mutation.name;
    }
  }
}

TEST(ProjectDifferences, AnyTwoMutationsKeepTheListInStepWithTheComparison) {
  const TOvProject pc = Station();
  const std::vector<Mutation>& mutations = Mutations();
  for (const Mutation& first : mutations) {
    for (const Mutation& second : mutations) {
      // A mutation that reshapes goes last, so the other still finds its place.
      if (first.reshapes) {
        continue;
      }
      TOvProject panel = pc;
      first.apply(panel);
      second.apply(panel);
      // Both directions: which items and lines are in use is the PC's.
      EXPECT_EQ(ListDifferences(pc, panel).empty(), pc.Equals(panel))
          << first.name << " + " << second.name;
      EXPECT_EQ(ListDifferences(panel, pc).empty(), panel.Equals(pc))
          << first.name << " + " << second.name << ", the other way";
    }
  }
}

TEST(ProjectDifferences, StructuredFormNamesThePlaceAndBothValues) {
  const TOvProject pc = Station();
  TOvProject panel = pc;
  Message(panel, 2, 3).item1.maximum = 40;
  ProjectDifference expected;
  expected.kind = DifferenceKind::Message;
  expected.port = 2;
  expected.messageNumber = 255;
  expected.localMessage = true;
  expected.field = "data item 1 maximum";
  expected.pcValue = "9999";
  expected.panelValue = "40";
  EXPECT_THAT(ListDifferences(pc, panel), ElementsAre(expected));
  EXPECT_STREQ(DifferenceKindName(expected.kind), "message");
}

TEST(ProjectDifferences, MessageListsOfOtherLengthsPairByKindAndNumber) {
  const TOvProject pc = Station();
  TOvProject panel = pc;
  TOvPanel& p2 = On(panel, 2);
  p2.messages.erase(p2.messages.begin() + 1);
  p2.messages[0].text = "TANK";
  panel.AttachAll();
  EXPECT_THAT(DescribeDifferences(ListDifferences(pc, panel)),
              ElementsAre("Port 2: number of messages differs (PC 4, panel 3)",
                          "Port 2, message 1: text differs (PC \"TANK {1111} GAL {22}\", panel "
                          "\"TANK\")",
                          "Port 2, message 2: on the PC only (\"PUMP {333}\")"));
}

TEST(ProjectDifferences, NeighbouringAttributeBytesShareALine) {
  const TOvProject pc = Station();
  TOvProject panel = pc;
  for (size_t offset = 24; offset < 35; ++offset) {
    panel.plc.attributeBytes[offset] = 1;
  }
  panel.plc.attributeBytes[2] = 7;
  panel.plc.name = "DL";
  EXPECT_THAT(DescribeDifferences(ListDifferences(pc, panel)),
              ElementsAre("PLC name differs (PC \"SLC\", panel \"DL\")",
                          "PLC attribute bytes differ at offsets 2, 24, 25, 26, 27, 28, 29, 30 and "
                          "4 more (PC 0, 0, 0, 0, 0, 0, 0, 0; panel 7, 1, 1, 1, 1, 1, 1, 1)"));
}

TEST(ProjectDifferences, TwoPanelsOnOnePortStillCountAsADifference) {
  const TOvProject pc = Station();
  TOvProject panel = pc;
  panel.AppendPanel(TOvPanel(pc.panels[0]));
  EXPECT_THAT(DescribeDifferences(ListDifferences(pc, panel)),
              ElementsAre("Number of panels differs (PC 3, panel 4)"));
}

}  // namespace
}  // namespace orvane
