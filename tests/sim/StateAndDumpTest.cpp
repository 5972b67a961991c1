// What a simulated device holds: kept in a state file across restarts, and
// shown decoded.
#include <gtest/gtest.h>

#include "link/SimpleCommands.h"
#include "sim/MemoryDump.h"
#include "sim/StandInFiles.h"
#include "sim/StateFile.h"
#include "tests/sim/SimTestSupport.h"

namespace orvane::sim {
namespace {

using namespace testing;

// A project written into a panel as the program writes one.
void WriteProject(SimLink& link, bool behind_multiplexer) {
  // "T=" and item 1 as three digits with its decimal point after two
  // (codes 131 132 132), item 2 as two wide digits (162 163).
  ASSERT_EQ(link.Acknowledge(0xB5, TextRecord(3, "T=\x83\x84\x84 C \xA2\xA3", 1, 2, 0xFFFF, 0x32)),
            0);
  ASSERT_EQ(link.Acknowledge(0xB5, BlankRecord(4, 43)), 0);
  ASSERT_EQ(link.Acknowledge(0xB5, TextRecord(259, "PASSWORD=\x92\x93\x94\x95\x96\x97\x98\x99")),
            0);
  ASSERT_EQ(link.Acknowledge(0xB9, SystemRecord()), 0);
  ASSERT_EQ(link.WriteBlocks(0xB7, TagStream(2, behind_multiplexer ? 2 : 7)), 0);
  const Bytes block = PlcBlock(15);
  ASSERT_EQ(link.Acknowledge(0xBC, behind_multiplexer ? MultiPanelPlcRecord(block)
                                                      : SinglePanelPlcRecord(block)),
            0);
  const Bytes driver =
      behind_multiplexer
          ? MakeStandInImage(
                MakeDriverHeader(ImageKind::PanelBehindMultiplexerDriver, 0, 0, 'A', "multiplexer"),
                240)
          : StandInPanelDriver(1, 4, 'C', 240);
  ASSERT_EQ(link.WriteBlocks(0xBA, driver), 0);
}

TEST(MemoryDump, ShowsTheDigitPositionsOfTheDataItems) {
  const Bytes text = {'T', '=', 131, 132, 132, ' ', 154, 155, 166, 138, 0x01};
  EXPECT_EQ(ShowMessageText(text), "T=11. 2233?");
}

TEST(MemoryDump, ShowsAWrittenProjectLegibly) {
  auto simulator = MakePanelSimulator({.model = 3});
  SimLink link(*simulator, 9600);
  WriteProject(link, false);
  const std::string dump = DumpDevice(simulator->Panel());
  const char* expected[] = {
      "Panel: Ov200P/Ov200PV (model 3), firmware B.2, memory 64 KB, ",
      "Driver image: 240 bytes, stand-in panel driver, PLC 1/4 revision C (test driver)\n",
      "Firmware image loaded: none\n",
      "  button word            tag 1\n",
      "  annunciator word       none\n",
      "  local password         4321\n",
      "  line registers         tag 4, tag 5, none, none\n",
      "  LEDs                   1 by button, 2 by button & flash, 3 by PLC, 4 by button, "
      "5 by button & flash\n",
      "  beeper                 on\n",
      "  keys                   1 momentary, 2 alternate, 3 panel set, PLC release, 4 momentary, "
      "5 alternate\n",
      "  first message number   12\n",
      "Messages: 3 stored\n",
      "    3  |T=11. C 22          |\n",
      "       item 1: tag 1, 16-bit digits, decimal point by none, read/write, local password, "
      "limits 10 to 9999, leading zeros\n",
      "       item 2: tag 2, 32-bit digits, leading zeros\n",
      "    4  (blank)\n",
      "  259  |PASSWORD=11111111   |   (system message)\n",
      "Tag list: 2 entries, address length 7 (map strings)\n",
      "     1  read/write  BCD 16     2 bytes  map 00 01 02 03 04 05 06\n",
      "     2  read only   Binary 16  2 bytes  map 07 08 09 0a 0b 0c 0d\n",
      "PLC attributes: a block of 15 bytes (single panel form)\n",
      "  0000  0f 00 1b 28 35 42 4f 5c 69 76 83 90 9d aa b7\n",
  };
  for (const char* line : expected) {
    EXPECT_NE(dump.find(line), std::string::npos) << "missing: " << line << "\nin:\n" << dump;
  }
}

TEST(MemoryDump, ShowsAMultiplexerAndItsPorts) {
  auto simulator = MakeMultiplexerSimulator({{2, {.model = 5}}});
  SimLink link(*simulator, 38400);
  ASSERT_EQ(link.WriteBlocks(0xB7, TagStream(1, 7)), 0);
  ASSERT_EQ(link.WriteBlocks(0x29, MultiplexerPlcStream(PlcBlock(15))), 0);
  TOvSwitchPrtCmd port2(2);
  ASSERT_EQ(link.Acknowledge(port2), 0);
  ASSERT_EQ(link.Acknowledge(0xB5, SetPointRecord(1, "Oven", 3)), 0);
  ASSERT_EQ(link.WriteBlocks(0xB7, TagStream(1, 2)), 0);
  const std::string dump = DumpDevice(simulator->Multiplexer());
  const char* expected[] = {
      "Multiplexer, firmware C.1, memory 131072 bytes, 28 bytes in use, routed to port 2\n",
      "PLC attributes: a block of 15 bytes (multiplexer stream)\n",
      "\nPort 1: no panel\n",
      "\nPort 2: OvSP (model 5), firmware B.2, memory 32 KB, ",
      "      1  |Oven            |\n",
      "         value: tag 3, 2 decimals, read only, limits 0 to 99999999\n",
      "  Tag list: 1 entries, address length 2 (positions in the multiplexer's list)\n",
      "       1  read/write  BCD 16     2 bytes  position 256\n",
  };
  for (const char* line : expected) {
    EXPECT_NE(dump.find(line), std::string::npos) << "missing: " << line << "\nin:\n" << dump;
  }
}

TEST(StateFile, KeepsEverythingAPanelHolds) {
  auto simulator = MakePanelSimulator({.model = 3});
  SimLink link(*simulator, 9600);
  WriteProject(link, false);
  simulator->Panel().Firmware() = {'D', 9, StandInPanelFirmware(3, 'D', 9, 80)};
  const std::string text = SaveState(simulator->Panel());
  EXPECT_EQ(text.substr(0, 40), "orvane-panelsim state 1\n[panel]\nmodel 3\n");

  SimulatedPanel restored({.model = 3});
  EXPECT_EQ(LoadState(text, restored), "");
  EXPECT_EQ(restored.Memory(), simulator->Panel().Memory());
  EXPECT_EQ(restored.Firmware(), simulator->Panel().Firmware());
  EXPECT_EQ(SaveState(restored), text);

  std::string error;
  const std::unique_ptr<SimulatedDevice> alone = DeviceFromState(text, error);
  ASSERT_NE(alone, nullptr) << error;
  EXPECT_EQ(dynamic_cast<SimulatedPanel&>(*alone).Memory(), simulator->Panel().Memory());
}

TEST(StateFile, KeepsAMultiplexerAndItsPanels) {
  auto simulator = MakeMultiplexerSimulator({{1, {.model = 1}}, {4, {.model = 2}}});
  SimLink link(*simulator, 38400);
  ASSERT_EQ(link.WriteBlocks(0xB7, TagStream(4, 7)), 0);
  ASSERT_EQ(link.WriteBlocks(0x29, MultiplexerPlcStream(PlcBlock(20))), 0);
  TOvSwitchPrtCmd port4(4);
  ASSERT_EQ(link.Acknowledge(port4), 0);
  WriteProject(link, true);

  const std::string text = SaveState(simulator->Multiplexer());
  SimulatedMultiplexer restored;
  restored.AttachPanel(1, {.model = 1});
  restored.AttachPanel(4, {.model = 2});
  restored.AttachPanel(5, {.model = 4});  // a new panel starts empty
  ASSERT_EQ(LoadState(text, restored), "");
  EXPECT_EQ(restored.Memory(), simulator->Multiplexer().Memory());
  EXPECT_EQ(restored.Panel(4)->Memory(), simulator->Multiplexer().Panel(4)->Memory());
  EXPECT_TRUE(restored.Panel(5)->Memory().IsEmpty());
}

TEST(StateFile, RefusesAStateOfAnotherDevice) {
  auto panelSimulator = MakePanelSimulator({.model = 2});
  SimLink link(*panelSimulator, 9600);
  ASSERT_EQ(link.Acknowledge(0xB5, TextRecord(1, "Keep")), 0);
  const std::string panelState = SaveState(panelSimulator->Panel());
  SimulatedMultiplexer withPanel;
  withPanel.AttachPanel(3, {.model = 2});
  const std::string multiplexerState = [&] {
    SimulatedMultiplexer source;
    source.AttachPanel(3, {.model = 2});
    return SaveState(source);
  }();

  struct Case {
    const char* what;
    std::string text;
    SimulatedDevice* device;
    std::string error;
  };
  SimulatedPanel model1({.model = 1});
  SimulatedPanel model5({.model = 5});
  SimulatedMultiplexer empty;
  std::string textForSetPoint = panelState;
  textForSetPoint.replace(textForSetPoint.find("model 2"), 7, "model 5");
  const Case cases[] = {
      {"another model", panelState, &model1,
       "the state file holds a panel of model 2, not model 1"},
      {"another record size", textForSetPoint, &model5,
       "message 1 does not have the record size of model 5"},
      {"a multiplexer for a panel", multiplexerState, &model1,
       "the state file holds a multiplexer, not a single panel"},
      {"a panel for a multiplexer", panelState, &empty,
       "the state file holds a single panel, not a multiplexer"},
      {"a port the multiplexer does not have", multiplexerState, &empty,
       "the state file holds a panel on port 3, where the multiplexer has none"},
      {"not a state file", "hello\n", &model1,
       "not a state file of orvane-panelsim (the first line must read \"orvane-panelsim state "
       "1\")"},
      {"a bad item", "orvane-panelsim state 1\n[panel]\nmodel 2\ntags 0g\n", &model1,
       "state file line 4: cannot read the item: tags 0g"},
      {"a port without a multiplexer", "orvane-panelsim state 1\n[port 2]\nmodel 1\n", &empty,
       "state file line 2: a port section without a multiplexer section before it"},
      {"a message under another number",
       "orvane-panelsim state 1\n[panel]\nmodel 1\nmessage 2 0001\n", &model1,
       "state file line 4: cannot read the item: message 2 0001"},
  };
  for (const Case& test : cases) {
    EXPECT_EQ(LoadState(test.text, *test.device), test.error) << test.what;
  }
  EXPECT_TRUE(model1.Memory().IsEmpty());
  EXPECT_EQ(LoadState(multiplexerState, withPanel), "");
}

}  // namespace
}  // namespace orvane::sim
