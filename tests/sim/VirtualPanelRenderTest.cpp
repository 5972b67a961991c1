// orvane-panelsim --render on projects written through orvane-cli panel
// write: what the panel shows for set registers and pressed keys.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/sim/PanelProjects.h"
#include "tests/support/PanelSimProcess.h"
#include "tests/support/RunProgram.h"
#include "tests/support/TestPaths.h"

namespace orvane::sim {
namespace {

namespace fs = std::filesystem;
using orvane::testing::MakeTempDir;
using orvane::testing::PanelSimProcess;
using orvane::testing::ProgramResult;
using orvane::testing::RunCli;
using orvane::testing::RunProgram;
using orvane::testing::StagedBinDir;
using namespace orvane::sim::testing;

class VirtualPanelRender : public ::testing::Test {
 protected:
  /// Writes the project (a panel section of the model) through orvane-cli
  /// into a simulated panel and keeps the panel's state file.
  void WriteProject(int model, const std::string& panel_section) {
    const fs::path file = SaveProject(dir_, model, panel_section);
    PanelSimProcess sim({"--model", std::to_string(model), "--state", state_.string()}, dir_);
    ASSERT_TRUE(sim.Started()) << sim.Err();
    const ProgramResult write = RunCli({"panel", "write", file.string(), "--port", sim.PortPath(),
                                        "--yes", "--quiet", "--trace-dir", dir_.string()});
    ASSERT_EQ(write.exitStatus, 0) << write.out << write.err;
    ASSERT_EQ(sim.Stop(), 0);
  }

  ProgramResult Render(std::vector<std::string> args) {
    args.insert(args.begin(), {"--state", state_.string(), "--render"});
    return RunProgram(StagedBinDir() / "orvane-panelsim", args);
  }

  /// The display lines of a text render, without the rules.
  std::vector<std::string> Lines(const ProgramResult& render) {
    std::vector<std::string> lines;
    std::istringstream in(render.out);
    for (std::string line; std::getline(in, line);) {
      if (line.starts_with("|")) {
        lines.push_back(line.substr(1, line.size() - 2));
      }
    }
    return lines;
  }

  /// Keys pressed after the registers: the lines shown and a register
  /// written ("" for none).
  struct KeyCase {
    std::vector<std::string> keys;
    std::vector<std::string> lines;
    std::string wrote;
  };
  void ExpectKeys(std::vector<std::string> args, const KeyCase& c) {
    for (const std::string& key : c.keys) {
      args.insert(args.end(), {"--press", key});
    }
    const ProgramResult render = Render(args);
    ASSERT_EQ(render.exitStatus, 0) << render.err;
    EXPECT_EQ(Lines(render), c.lines) << render.out;
    EXPECT_EQ(render.out.find("Wrote:") != std::string::npos, !c.wrote.empty()) << render.out;
    if (!c.wrote.empty()) {
      EXPECT_NE(render.out.find(c.wrote), std::string::npos) << render.out;
    }
  }

  fs::path dir_ = MakeTempDir("render");
  fs::path state_ = dir_ / "panel.state";
};

TEST_F(VirtualPanelRender, APlcMessageShowsItsThreeDataItems) {
  WriteProject(1, TextPanel());
  struct Case {
    std::vector<std::string> registers;
    std::string line1;
  };
  const Case cases[] = {
      // one decimal by the PLC, zeros kept for item 2, the typed point
      {{"N7:10=57", "N7:11=1", "N7:20=4321", "N7:30=5"}, "A 5.7 B004321 C 0.5 "},
      // no decimal: the point's place stays blank in front
      {{"N7:10=57", "N7:20=0", "N7:30=333"}, "A  57 B000000 C33.3 "},
      // too many digits: stars; a BCD register with a nibble above 9: dashes
      {{"N7:10=1234", "N7:30=0x0FFF"}, "A***  B000000 C**.* "},
      {{"N7:10=0x00A1", "N7:20=123456"}, "A---  B123456 C 0.0 "},
  };
  for (const Case& c : cases) {
    std::vector<std::string> args = {"--register", "N7:0=1"};
    for (const std::string& r : c.registers) {
      args.insert(args.end(), {"--register", r});
    }
    const ProgramResult render = Render(args);
    ASSERT_EQ(render.exitStatus, 0) << render.err;
    EXPECT_EQ(Lines(render), (std::vector<std::string>{c.line1, std::string(20, ' ')}))
        << render.out;
  }
  // Line 2 asks for a number without a PLC message: a blank line; no line
  // register asked: the local messages.
  EXPECT_EQ(Lines(Render({"--register", "N7:1=9"})),
            (std::vector<std::string>{std::string(20, ' '), std::string(20, ' ')}));
  EXPECT_EQ(Lines(Render({})),
            (std::vector<std::string>{"+SETUP              ", "ABOUT               "}));
  const ProgramResult unknown = Render({"--register", "N7:99=1"});
  EXPECT_EQ(unknown.exitStatus, 2);
  EXPECT_NE(unknown.err.find("N7:99: the panel does not use this register"), std::string::npos);
}

TEST_F(VirtualPanelRender, LocalMessagesAreBrowsedAndEditedWithTheKeys) {
  WriteProject(1, TextPanel());
  const KeyCase cases[] = {
      {{"DOWN"}, {"ABOUT               ", std::string(20, ' ')}, ""},
      {{"DOWN", "UP", "ENTER"}, {"SPEED  120          ", "TEMP    7           "}, ""},
      {{"ENTER", "ESC"}, {"+SETUP              ", "ABOUT               "}, ""},
      // read only: the panel says so until the next key
      {{"ENTER", "DOWN", "ENTER"}, {"READ ONLY VALUE     ", std::string(20, ' ')}, ""},
      // the units up, the tens up, Enter writes 131
      {{"ENTER", "ENTER", "UP", "LEFT", "UP", "ENTER"},
       {"SPEED  131          ", "TEMP    7           "},
       "N7:40 = 131 (0x0131, message 3 item 1)"},
      // beyond the limits: refused, the digits stay
      {{"ENTER", "ENTER", "LEFT", "LEFT", "LEFT", "UP", "ENTER"},
       {"OUT OF RANGE        ", "TEMP    7           "},
       ""},
  };
  for (const KeyCase& c : cases) {
    ExpectKeys({"--register", "N7:40=120", "--register", "N7:41=7"}, c);
  }
  const ProgramResult unknown = Render({"--press", "F9"});
  EXPECT_EQ(unknown.exitStatus, 2);
  EXPECT_NE(unknown.err.find("F9: not a key"), std::string::npos);
}

TEST_F(VirtualPanelRender, FunctionKeysLeaveTheirBitsAndTheLedsFollow) {
  WriteProject(1, TextPanel());
  struct Case {
    std::vector<std::string> args;
    std::string leds;
    std::string wrote;
  };
  const Case cases[] = {
      // momentary held, alternate on, panel set; LED 3 and 5 by the PLC
      {{"--register", "N7:51=0x0400", "--press", "F1:down", "--press", "F2", "--press", "F3"},
       "LEDs: 1 on, 2 flash, 3 on, 4 off, 5 off",
       "N7:50 = 1792 (0x0700, button word)"},
      // momentary let go, alternate pressed twice: nothing left set
      {{"--press", "F1", "--press", "F2", "--press", "F2"},
       "LEDs: 1 off, 2 off, 3 off, 4 off, 5 off",
       "N7:50 = 0 (0x0000, button word)"},
      // the PLC's release of key 3: the key's bit goes, the acknowledgement
      // stays while the release does
      {{"--register", "N7:51=0x1004", "--press", "F3", "--press", "F2"},
       "LEDs: 1 off, 2 flash, 3 off, 4 off, 5 on",
       "N7:50 = 516 (0x0204, button word)"},
  };
  for (const Case& c : cases) {
    const ProgramResult render = Render(c.args);
    ASSERT_EQ(render.exitStatus, 0) << render.err;
    EXPECT_NE(render.out.find(c.leds), std::string::npos) << render.out;
    EXPECT_NE(render.out.find(c.wrote), std::string::npos) << render.out;
  }
}

TEST_F(VirtualPanelRender, AnnunciatorLampsFollowTheirBitPairsOnModel3) {
  WriteProject(3, PasswordPanel());

  // Lamp 1 bits 0,1 = (1,0); lamp 2 bits 2,3 = (0,1); lamp 3 (1,1).
  const ProgramResult lamps = Render({"--register", "N7:60=0x39"});
  EXPECT_NE(lamps.out.find("Annunciator: 1 on, 2 flash, 3 fast flash"), std::string::npos)
      << lamps.out;
  // The value asks for the local password first.
  const std::vector<std::string> select = {"--register", "N7:0=1", "--register", "N7:10=20"};
  auto with = [&select](std::vector<std::string> keys) {
    std::vector<std::string> args = select;
    for (const std::string& key : keys) {
      args.insert(args.end(), {"--press", key});
    }
    return args;
  };
  const std::string blank(20, ' ');
  EXPECT_EQ(Lines(Render(with({"ENTER", "4", "3"}))),
            (std::vector<std::string>{"PASSWORD=        ** ", blank}));
  EXPECT_EQ(Lines(Render(with({"ENTER", "1", "ENTER"}))),
            (std::vector<std::string>{"INVALID             ", blank}));
  const ProgramResult entered = Render(with({"ENTER", "4", "3", "2", "1", "ENTER", "7", "ENTER"}));
  EXPECT_EQ(Lines(entered), (std::vector<std::string>{"PRESSURE  207       ", blank}));
  EXPECT_NE(entered.out.find("N7:10 = 207"), std::string::npos) << entered.out;
}

TEST_F(VirtualPanelRender, TheSetPointPanelChangesAValueWithinItsLimits) {
  WriteProject(5, SetPointPanel());

  const KeyCase cases[] = {
      // the value line is padded to the description's width here
      {{}, {"FEED RATE       ", "    12.34       "}, ""},
      {{"DOWN"}, {"BATCH COUNT     ", "     987        "}, ""},
      {{"DOWN", "ENTER"}, {"READ ONLY VALUE ", "     987        "}, ""},
      {{"ENTER", "UP", "ENTER"}, {"FEED RATE       ", "    12.35       "}, "N7:70 = 1235"},
      {{"ENTER", "LEFT", "LEFT", "LEFT", "LEFT", "UP", "ENTER"},
       {"OUT OF RANGE    ", "000112.34       "},
       ""},
  };
  for (const KeyCase& c : cases) {
    ExpectKeys({"--register", "N7:70=1234", "--register", "N7:72=987"}, c);
  }
}

}  // namespace
}  // namespace orvane::sim
