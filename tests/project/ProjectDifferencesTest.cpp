// Verify's list of differences: empty exactly when the projects compare
// equal, and one plain line per thing that differs.
#include <algorithm>
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
using testing::MakeProject;
using testing::SetAddress;
using testing::WithMarkers;

// The panel on a port (P) and one of its messages (M): short, so that the
// table below keeps one change a row.
TOvPanel& P(TOvProject& project, int32_t port) {
  project.portTable.selectedPort = port;
  return *project.SelectedPanel();
}

TOvMessage& M(TOvProject& project, int32_t port, size_t index) {
  return P(project, port).messages[index];
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
  TOvPanel& p2 = P(project, 2);
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

  TOvPanel& p4 = P(project, 4);
  TOvMessage& setPoint = AddMessage(p4, 10, true, "SPEED");
  setPoint.setPointValue = true;
  SetAddress(setPoint.item1, "N9:0", {9, 9, 0}, kDataTypeBcd32);

  TOvPanel& p5 = P(project, 5);
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
  const char* line = nullptr;  // a line the list must hold
  bool reshapes = false;       // adds, removes or moves a panel or a message
};

// Changes the comparison does not see.
const std::vector<Mutation> kIgnored = {
    {"address text", [](TOvProject& p) { M(p, 2, 0).item1.addressText = "N7:00"; }},
    {"tag name", [](TOvProject& p) { M(p, 2, 0).item2.tagName = "LEVEL"; }},
    {"text cleared, map kept", [](TOvProject& p) { P(p, 2).keysLeds.ledWord.addressText.clear(); }},
    {"outer blanks", [](TOvProject& p) { M(p, 5, 0).text = "  STATION OK "; }},
    {"unused item", [](TOvProject& p) { SetAddress(M(p, 2, 1).item1, "N7:7"); }},
    {"unused line", [](TOvProject& p) { SetAddress(P(p, 2).lineRegisters[2], "N7:7"); }},
    {"annunciator off model 3", [](TOvProject& p) { SetAddress(P(p, 5).annunciatorWord, "B"); }},
    {"plug-in path", [](TOvProject& p) { p.plc.pluginPath = "/elsewhere"; }},
    {"kind maximum", [](TOvProject& p) { M(p, 2, 0).item1.kindMaximum = 1; }},
    {"panel order",
     [](TOvProject& p) {
       std::swap(p.panels[0], p.panels[2]);
       p.AttachAll();
     }},
};

// Changes it sees; the lines of some are checked too.
const std::vector<Mutation> kChanges = {
    {"system", [](TOvProject& p) { p.systemMode = kSinglePanelSystem; },
     "System type differs (PC multi-panel system, panel single panel system)"},
    {"PLC name", [](TOvProject& p) { p.plc.name = "DL"; }},
    {"map length", [](TOvProject& p) { p.plc.mapLength = 4; }},
    {"attribute byte", [](TOvProject& p) { p.plc.attributeBytes[33] = 9; },
     "PLC attribute byte 33 differs (PC 0, panel 9)"},
    {"attribute bytes",
     [](TOvProject& p) {
       std::fill(p.plc.attributeBytes.begin() + 24, p.plc.attributeBytes.end(), 1);
     },
     "PLC attribute bytes differ at offsets 24, 25, 26, 27, 28, 29, 30, 31 and 4 more (PC 0, 0, "
     "0, 0, 0, 0, 0, 0; panel 1, 1, 1, 1, 1, 1, 1, 1)"},
    {"attribute length", [](TOvProject& p) { p.plc.attributeBytes.push_back(0); },
     "PLC attribute length differs (PC 36 bytes, panel 37 bytes)"},
    {"panel gone",
     [](TOvProject& p) {
       P(p, 4);
       p.RemoveSelectedPanel();
     },
     "Port 4: OvSP panel on the PC, none read back", true},
    {"panel moved", [](TOvProject& p) { P(p, 5).portNumber = 3; },
     "Port 3: Ov400 panel read back, none on the PC", true},
    {"model", [](TOvProject& p) { P(p, 5).panelModel = kModelOv200; },
     "Port 5: model differs (PC Ov400, panel Ov200/Ov200V)"},
    {"message gone", [](TOvProject& p) { P(p, 2).messages.erase(P(p, 2).messages.begin()); },
     "Port 2, message 1: on the PC only (\"TANK {1111} GAL {22}\")", true},
    {"message added", [](TOvProject& p) { AddMessage(P(p, 5), 255, false, "\x01 3"); },
     "Port 5, local message 255: in the panel only (\"\\x01 {3}\")", true},
    // Messages pair by number when the counts differ.
    {"message gone, a later one changed",
     [](TOvProject& p) {
       P(p, 2).messages.erase(P(p, 2).messages.begin() + 1);
       M(p, 2, 2).item1.maximum = 40;
     },
     "Port 2, local message 255: data item 1 maximum differs (PC 9999, panel 40)", true},
    {"two panels on one port", [](TOvProject& p) { p.AppendPanel(TOvPanel(P(p, 5))); },
     "Number of panels differs (PC 3, panel 4)", true},
    {"text", [](TOvProject& p) { M(p, 2, 0).text = WithMarkers("TANK 111 GAL 22"); },
     "Port 2, message 1: text differs (PC \"TANK {1111} GAL {22}\", panel \"TANK {111} GAL "
     "{22}\")"},
    {"number", [](TOvProject& p) { M(p, 2, 1).number = 7; }},
    {"kind", [](TOvProject& p) { M(p, 2, 1).isPlcMessage = 0; },
     "Port 2, message 2: message type differs (PC PLC message, panel local message)"},
    {"folder", [](TOvProject& p) { M(p, 2, 2).isFolder = 0; },
     "Port 2, local message 256: entry type differs (PC folder, panel message)"},
    {"depth", [](TOvProject& p) { M(p, 2, 3).depth = 0; }},
    {"set point flag", [](TOvProject& p) { M(p, 4, 0).setPointValue = false; }},
    {"leading zeros", [](TOvProject& p) { M(p, 5, 0).leadingZeros[2] = true; },
     "Port 5, local message 256: data item 3 \"Leading Zeroes\" differs (PC off, panel on)"},
    {"item 1 type", [](TOvProject& p) { M(p, 2, 0).item1.dataType = kDataTypeBinary16; },
     "Port 2, message 1: data item 1 address differs (PC N7:0 (BCD 16), panel N7:0 (Binary 16))"},
    {"item 1 map",
     [](TOvProject& p) {
       SetAddress(M(p, 2, 0).item1, "N7:0", {1, 0, 7}, 0);
     },
     "Port 2, message 1: data item 1 address differs (PC N7:0 (BCD 16) map 01 00 00, panel N7:0 "
     "(BCD 16) map 01 00 07)"},
    {"access", [](TOvProject& p) { M(p, 2, 0).item1.accessType = kAccessReadOnly; },
     "Port 2, message 1: data item 1 access differs (PC Read/Write, panel Read Only)"},
    {"limits", [](TOvProject& p) { M(p, 2, 0).item1.limitsEnabled = false; }},
    {"minimum", [](TOvProject& p) { M(p, 2, 0).item1.minimum = 10; }},
    {"maximum", [](TOvProject& p) { M(p, 2, 0).item1.maximum = 4294967295u; }},
    {"password", [](TOvProject& p) { M(p, 2, 0).item1.passwordProtected = false; }},
    {"password source", [](TOvProject& p) { M(p, 2, 3).item1.passwordIsLocal = false; },
     "Port 2, local message 255: data item 1 password source differs (PC local password, panel "
     "PLC password register)"},
    {"fixed point", [](TOvProject& p) { M(p, 4, 0).item1.fixedDecimalPoint = 2; },
     "Port 4, message 10: data item 1 fixed decimal point differs (PC none, panel 2)"},
    {"PLC point", [](TOvProject& p) { M(p, 2, 0).item1.variableDecimalPoint = false; }},
    {"point register", [](TOvProject& p) { Clear(M(p, 2, 0).item1.decimalPointRegister); },
     "Port 2, message 1: data item 1 decimal point register differs (PC N7:9 (BCD 16), panel "
     "none)"},
    {"item 2",
     [](TOvProject& p) {
       SetAddress(M(p, 2, 0).item2, "N7:2", {2, 0, 0});
     }},
    {"item 3", [](TOvProject& p) { M(p, 2, 1).item3.dataType = kDataTypeBcd32; }},
    {"set point item", [](TOvProject& p) { M(p, 4, 0).item1.minimum = 1; }},
    {"LED word", [](TOvProject& p) { Clear(P(p, 2).keysLeds.ledWord); }},
    {"button word", [](TOvProject& p) { SetAddress(P(p, 5).keysLeds.buttonWord, "B3:5"); },
     "Port 5: button word differs (PC none, panel B3:5 (Binary 16))"},
    {"LED mode", [](TOvProject& p) { P(p, 2).keysLeds.ledMode[1] = kLedByPlc; },
     "Port 2: key 2 LED mode differs (PC By Button & Flash, panel By PLC)"},
    {"button action", [](TOvProject& p) { P(p, 2).keysLeds.buttonAction[4] = 0; },
     "Port 2: key 5 button action differs (PC Panel Set & PLC Release, panel Momentary)"},
    {"first message", [](TOvProject& p) { P(p, 2).firstMessageNumber = 4; }},
    {"line 1",
     [](TOvProject& p) {
       SetAddress(P(p, 2).lineRegisters[0], "N7:21", {21, 0, 0});
     }},
    {"line 4", [](TOvProject& p) { Clear(P(p, 5).lineRegisters[3]); },
     "Port 5: line register 4 differs (PC N7:24 (Binary 16), panel none)"},
    {"local password", [](TOvProject& p) { P(p, 2).localPassword = 4321; }},
    {"password register", [](TOvProject& p) { P(p, 2).passwordRegister.dataType = 0; }},
    {"beeper", [](TOvProject& p) { P(p, 4).beeperEnabled = false; }},
    {"delay", [](TOvProject& p) { P(p, 5).plcMessageDelay = false; }},
    {"cursor", [](TOvProject& p) { P(p, 5).cursorOnPlcMessage = false; },
     "Port 5: cursor on PLC messages differs (PC on, panel off)"},
    {"annunciator", [](TOvProject& p) { Clear(P(p, 2).annunciatorWord); }},
};

TEST(ProjectDifferences, ListedExactlyWhenTheComparisonSeesAChange) {
  const TOvProject pc = Station();
  for (const auto& [mutations, equal] : {std::pair{&kIgnored, true}, std::pair{&kChanges, false}}) {
    for (const Mutation& mutation : *mutations) {
      TOvProject panel = pc;
      mutation.apply(panel);
      const std::vector<std::string> lines = DescribeDifferences(ListDifferences(pc, panel));
      EXPECT_EQ(pc.Equals(panel), equal) << mutation.name;
      EXPECT_EQ(lines.empty(), equal) << mutation.name;
      if (mutation.line != nullptr) {
        EXPECT_THAT(lines, Contains(mutation.line)) << mutation.name;
      }
    }
  }
}

TEST(ProjectDifferences, AnyTwoChangesKeepTheListInStepWithTheComparison) {
  const TOvProject pc = Station();
  std::vector<Mutation> all = kIgnored;
  all.insert(all.end(), kChanges.begin(), kChanges.end());
  for (const Mutation& first : all) {
    for (const Mutation& second : all) {
      // A change that reshapes goes last, so the other still finds its place.
      if (first.reshapes) {
        continue;
      }
      TOvProject panel = pc;
      first.apply(panel);
      second.apply(panel);
      EXPECT_EQ(ListDifferences(pc, panel).empty(), pc.Equals(panel))
          << first.name << " + " << second.name;
      EXPECT_EQ(ListDifferences(panel, pc).empty(), panel.Equals(pc))
          << first.name << " + " << second.name << ", the other way";
    }
  }
}

}  // namespace
}  // namespace orvane
