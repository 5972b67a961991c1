// orvane-cli panel as a user runs it: the staged program against
// orvane-panelsim on a pseudo-terminal, with the example projects.
#include <signal.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/BackgroundProgram.h"
#include "tests/support/PanelSimProcess.h"
#include "tests/support/RunProgram.h"
#include "tests/support/TestInstall.h"
#include "tests/support/TestPaths.h"

namespace orvane::testing {
namespace {

namespace fs = std::filesystem;

constexpr const char* kExamplePlugin = "/usr/local/lib/orvane/dll/Brisko.so";
constexpr std::chrono::seconds kPatience{60};
constexpr const char* kBrisko = "Allen-Bradley SLC 500/MicroLogix DF1(Half Duplex) - Rev C";

fs::path Example(const std::string& name) {
  return fs::path(ORVANE_TEST_SOURCE_DIR) / "examples" / name;
}

// An example's text as a read saves it here: with the staged plug-in's path.
std::string WithStagedPlugin(std::string text) {
  return text.replace(text.find(kExamplePlugin), std::string(kExamplePlugin).size(),
                      (StagedInstallDir() / "dll" / "Brisko.so").string());
}

// A multi-panel project's text with the selected port a read sets (the
// 8th line).
std::string WithSelectedPort1(std::string text) {
  size_t line = 0;
  for (int i = 0; i < 7; ++i) {
    line = text.find('\n', line) + 1;
  }
  return text.replace(line, text.find('\n', line) - line, "1");
}

// The frames of a trace ("I said:" / "Panel said:" and the hex bytes after
// them) as "<- " and "-> " lines, the way the simulator logs them.
std::vector<std::string> TraceFrames(const std::string& trace) {
  std::vector<std::string> frames;
  std::istringstream in(trace);
  for (std::string line; std::getline(in, line);) {
    if (line == "I said:" || line == "Panel said:") {
      frames.push_back(line == "I said:" ? "<-" : "->");
    } else if (!line.starts_with("--") && !frames.empty()) {
      std::istringstream bytes(line);
      for (std::string byte; bytes >> byte;) {
        frames.back() += " " + byte;
      }
    }
  }
  return frames;
}

// The frames of the simulator's log ("[   1.234] <- aa 06 ...").
std::vector<std::string> LoggedFrames(const std::string& log) {
  std::vector<std::string> frames;
  std::istringstream in(log);
  for (std::string line; std::getline(in, line);) {
    const std::string entry = line.substr(line.find("] ") + 2);
    if (entry.starts_with("<- ") || entry.starts_with("-> ")) {
      frames.push_back(entry);
    }
  }
  return frames;
}

class PanelCliTest : public ::testing::Test {
 protected:
  std::string Path(const std::string& name) const { return (dir_ / name).string(); }
  /// orvane-cli panel with the port and the trace folder.
  ProgramResult Panel(const PanelSimProcess& sim, std::vector<std::string> args) {
    args.insert(args.begin(), "panel");
    args.insert(args.end(), {"--port", sim.PortPath(), "--trace-dir", dir_.string()});
    return RunCli(args);
  }

  fs::path dir_ = MakeTempDir("panel-cli");
};

TEST_F(PanelCliTest, WriteReadBackVerifyAndFindAChangedMessage) {
  PanelSimProcess sim({"--model", "4", "-v"});
  ASSERT_TRUE(sim.Started()) << sim.Err();
  const std::string example = Example("single-panel.ovx").string();

  ProgramResult run = Panel(sim, {"write", example, "--yes"});
  ASSERT_EQ(run.exitStatus, 0) << run.err;
  EXPECT_NE(run.err.find("COM Port - Ov400 Panel\n"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("  [x] Writing PLC attributes. \n"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("Project has been written to the panel successfully.\n"),
            std::string::npos);
  EXPECT_NE(run.err.find("The trace is in " + (dir_ / "Write.txt").string() + "\n"),
            std::string::npos);
  // The trace holds every frame as sent and received, after the version.
  const std::string trace = ReadText(dir_ / "Write.txt");
  EXPECT_TRUE(trace.starts_with("-- -- Program version: ")) << trace.substr(0, 80);
  EXPECT_EQ(TraceFrames(trace), LoggedFrames(sim.Err()));

  run = Panel(sim, {"read", "-o", Path("back.ovx"), "--yes", "--quiet"});
  ASSERT_EQ(run.exitStatus, 0) << run.err;
  EXPECT_EQ(ReadText(Path("back.ovx")), WithStagedPlugin(ReadText(example)));
  EXPECT_TRUE(ReadText(dir_ / "Read.txt").starts_with("-- -- Program version: "));
  EXPECT_NE(run.out.find("  Port 1: Ov400, 10 PLC messages, 13 local messages\n"),
            std::string::npos)
      << run.out;

  run = Panel(sim, {"verify", example, "--quiet"});
  EXPECT_EQ(run.exitStatus, 0) << run.err;
  EXPECT_EQ(run.out, "");
  EXPECT_NE(run.err.find("Project file on PC is same as the \nproject loaded in the panel"),
            std::string::npos);

  std::string changed = ReadText(example);
  changed.replace(changed.find("LIFT STATION 3  AUTO"), 20, "LIFT STATION 3  HAND");
  WriteText(Path("changed.ovx"), changed);
  run = Panel(sim, {"verify", Path("changed.ovx"), "--quiet"});
  EXPECT_EQ(run.exitStatus, 1) << run.err;
  EXPECT_EQ(run.out,
            "Port 1, message 1: text differs (PC \"LIFT STATION 3  HAND\", panel \"LIFT "
            "STATION 3  AUTO\")\n");
  run = Panel(sim, {"verify", Path("changed.ovx"), "--quiet", "--json"});
  EXPECT_EQ(run.exitStatus, 1);
  EXPECT_NE(run.out.find("\"result\": \"done\", \"error\": null"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("\"equal\": false, \"differences\": [\n  {\"kind\": \"message\", "
                         "\"port\": 1, \"message\": 1, \"local\": false, \"offset\": 0, "
                         "\"field\": \"text\", \"pc\": \"\\\"LIFT STATION 3  HAND\\\"\""),
            std::string::npos)
      << run.out;

  run = Panel(sim, {"info", "--model", "4", "--json"});
  EXPECT_EQ(run.exitStatus, 0) << run.err;
  EXPECT_NE(run.out.find("\"status\": {\"device\": \"panel\", \"port\": 0, \"model\": 4, "
                         "\"model_name\": \"Ov400\", \"firmware\": \"B.2\", \"memory\": \"  64 "
                         "KB\", \"driver\": {\"manufacturer\": 1, \"model\": 4, \"revision\": "
                         "\"C\", \"name\": \"Allen-Bradley"),
            std::string::npos)
      << run.out;
}

TEST_F(PanelCliTest, AProjectTheWriteWouldSpoilIsRefusedAndThePanelKeepsItsProgram) {
  PanelSimProcess sim({"--model", "4"});
  ASSERT_TRUE(sim.Started()) << sim.Err();
  const std::string example = Example("single-panel.ovx").string();
  ASSERT_EQ(Panel(sim, {"write", example, "--quiet"}).exitStatus, 0);

  // An address the driver refuses, a text longer than the panel shows, and
  // (in an install without it) the panel-side driver image gone.
  std::string broken = ReadText(example);
  broken.replace(broken.find("\nN7:0\t\n"), 7, "\nX9:9\t\n");
  broken.replace(broken.find("LIFT STATION 3  AUTO"), 20, "LIFT STATION 3  AUTOMATIC");
  WriteText(Path("broken.ovx"), broken);
  {
    TestInstall install("panel-cli-no-driver", false);
    const ProgramResult run = Panel(sim, {"write", Path("broken.ovx"), "--quiet", "--json"});
    EXPECT_EQ(run.exitStatus, 3) << run.err;
    const std::string list =
        "ERROR On COM Port. The project cannot be written: 3 problems found, nothing was sent to "
        "the panel.\n"
        "Port 1, message 1, text: 25 characters, where the Ov400 shows 20\n"
        "Port 1, line register 1: \"X9:9\" is not an address " +
        std::string(kBrisko) + " accepts\n" +
        (install.Dir() / "driver" / "BriskoPanel.plx").string() +
        ": No such file or directory\n"
        "Correct the project and write it again; the panel still holds the program it had.\n";
    EXPECT_NE(run.err.find(list), std::string::npos) << run.err;
    EXPECT_NE(run.out.find("\"result\": \"failed\", \"error\": \"ERROR On COM Port. The project "
                           "cannot be written"),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("\"details\": \"Correct the project and write it again"),
              std::string::npos)
        << run.out;
  }
  const ProgramResult verify = Panel(sim, {"verify", example, "--quiet"});
  EXPECT_EQ(verify.exitStatus, 0) << verify.err;
  EXPECT_NE(verify.err.find("Project file on PC is same as the \nproject loaded in the panel"),
            std::string::npos);
}

TEST_F(PanelCliTest, IdentifyNamesWhatAnswersAtWhichRate) {
  {
    PanelSimProcess panel({"--model", "3", "--firmware", "C4"});
    ASSERT_TRUE(panel.Started()) << panel.Err();
    const ProgramResult run = Panel(panel, {"identify"});
    EXPECT_EQ(run.exitStatus, 0) << run.err;
    EXPECT_EQ(run.out,
              "At 9600 baud:\n  Device: Ov200P/Ov200PV (model 3)\n  Firmware revision: C.4\n"
              "  Memory:   64 KB\n  PLC driver: none\n");
  }
  {
    PanelSimProcess multiplexer({"--multiplexer", "--panel", "2:1"});
    ASSERT_TRUE(multiplexer.Started()) << multiplexer.Err();
    const ProgramResult run = Panel(multiplexer, {"identify", "--json"});
    EXPECT_EQ(run.exitStatus, 0) << run.err;
    EXPECT_NE(run.out.find("\"result\": \"done\", \"error\": null, \"details\": null, "
                           "\"devices\": [{\"baud_rate\": 38400, \"device\": \"multiplexer\", "
                           "\"port\": 0, \"model\": 6"),
              std::string::npos)
        << run.out;
  }
  // A device at another rate: nothing answers.
  PanelSimProcess other({"--model", "1", "--baud", "19200"});
  ASSERT_TRUE(other.Started()) << other.Err();
  const ProgramResult run = Panel(other, {"identify", "--json"});
  EXPECT_EQ(run.exitStatus, 3) << run.err;
  EXPECT_NE(
      run.out.find("\"result\": \"failed\", \"error\": \"Nothing answered on " + other.PortPath() +
                   " at 9600 or at 38400 baud.\", \"details\": \"Check "
                   "the cable"),
      std::string::npos)
      << run.out;
  EXPECT_NE(run.out.find("\"devices\": []"), std::string::npos) << run.out;
}

TEST_F(PanelCliTest, ClearingAMultiPanelSystemListsEachPort) {
  PanelSimProcess sim(
      {"--multiplexer", "--panel", "1:1", "--panel", "2:1", "--panel", "3:1", "--panel", "4:1"});
  ASSERT_TRUE(sim.Started()) << sim.Err();
  const ProgramResult run = Panel(sim, {"clear", "--multi", "--yes"});
  EXPECT_EQ(run.exitStatus, 0) << run.err;
  EXPECT_EQ(run.out,
            "Multiplexer: cleared\nPort 1: cleared\nPort 2: cleared\nPort 3: cleared\nPort 4: "
            "cleared\nPort 5: not cleared: ERROR On Port 5. Error C009: Time out Error.\n\nMake "
            "sure Panel is in Setup Mode.\nTo enter Setup Mode, press the up and down arrow "
            "keys\nsimultaneously.\n");
}

TEST_F(PanelCliTest, MultiPanelWriteAndRead) {
  // Panels on every port in port order, so that the read finds one on each
  // (a silent port costs the read a time-out) and saves them as they were:
  // an empty one on port 1, the example's on 2, 4 and 5, and its port 2
  // again on port 3.
  const std::string example = Example("multi-panel.ovx").string();
  const std::string five = Path("five.ovx");
  ProgramResult run =
      RunCli({"project", "new", "-o", five, "--plc", "Brisko", "--model", "3", "--multi"});
  ASSERT_EQ(run.exitStatus, 0) << run.err;
  for (const auto& [from, to] : {std::pair{"2", "2"}, {"2", "3"}, {"4", "4"}, {"5", "5"}}) {
    run = RunCli({"project", "import-panel", five, "--from", example, "--from-port", from, "--port",
                  to, "-o", five});
    ASSERT_EQ(run.exitStatus, 0) << run.err;
  }
  PanelSimProcess sim({"--multiplexer", "--panel", "1:3", "--panel", "2:3", "--panel", "3:3",
                       "--panel", "4:5", "--panel", "5:2"});
  ASSERT_TRUE(sim.Started()) << sim.Err();

  run = Panel(sim, {"write", five, "--json"});
  ASSERT_EQ(run.exitStatus, 0) << run.err;
  EXPECT_EQ(run.out,
            "{\"command\": \"write\", \"port\": \"" + sim.PortPath() +
                "\", \"result\": \"done\", \"error\": null, \"details\": null, \"file\": \"" +
                five + "\"}\n");
  EXPECT_NE(run.err.find("Port 3 - Ov200P/Ov200PV Panel\n"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("Project has been written to the multiplexer and panel(s) "
                         "successfully.\n"),
            std::string::npos);

  run = Panel(sim, {"read", "-o", Path("back.ovx"), "--yes", "--json"});
  ASSERT_EQ(run.exitStatus, 0) << run.err;
  EXPECT_NE(run.out.find("\"saved\": true, \"system\": \"multi-panel\""), std::string::npos)
      << run.out;
  EXPECT_NE(run.err.find("Project has been read from the multiplexer and panel(s) "
                         "successfully.\n"),
            std::string::npos);
  EXPECT_EQ(ReadText(Path("back.ovx")), WithSelectedPort1(ReadText(five)));
}

TEST_F(PanelCliTest, FirmwareOfAPanelAndOfTheMultiplexer) {
  const std::string panelImage = Path("panel.hex");
  const std::string muxImage = Path("mux.s19");
  const fs::path tool = StagedBinDir() / "orvane-standin-image";
  ASSERT_EQ(RunProgram(tool, {"--kind", "panel-firmware", "--panel-model", "1", "--firmware", "E1",
                              "-o", panelImage})
                .exitStatus,
            0);
  ASSERT_EQ(RunProgram(tool, {"--kind", "multiplexer-firmware", "--firmware", "F2", "-o", muxImage})
                .exitStatus,
            0);
  {
    PanelSimProcess sim({"--model", "1"});
    ASSERT_TRUE(sim.Started()) << sim.Err();
    ProgramResult run = Panel(sim, {"upgrade-firmware", panelImage});
    ASSERT_EQ(run.exitStatus, 0) << run.err;
    EXPECT_NE(run.err.find("  Downloading Completed Successfully\n"), std::string::npos) << run.err;
    EXPECT_TRUE(fs::exists(dir_ / "Write.txt"));
    run = Panel(sim, {"info"});
    EXPECT_EQ(run.exitStatus, 0) << run.err;
    EXPECT_EQ(run.out,
              "Device: Ov200/Ov200V (model 1)\nFirmware revision: E.1\nMemory:   32 KB\n"
              "PLC driver: none\n");
  }
  PanelSimProcess sim({"--multiplexer"});
  ASSERT_TRUE(sim.Started()) << sim.Err();
  ProgramResult run = Panel(sim, {"upgrade-firmware", muxImage, "--mux", "--quiet"});
  ASSERT_EQ(run.exitStatus, 0) << run.err;
  EXPECT_EQ(run.err, "");
  run = Panel(sim, {"info", "--multi", "--json"});
  EXPECT_EQ(run.exitStatus, 0) << run.err;
  EXPECT_NE(run.out.find("\"device\": \"multiplexer\", \"port\": 0, \"model\": 6, "
                         "\"model_name\": \"Multiplexer\", \"firmware\": \"F.2\""),
            std::string::npos)
      << run.out;
}

TEST_F(PanelCliTest, CtrlCDuringAWriteCancelsItAndClearsThePanel) {
  // Each reply takes a little while, so the write is still sending the
  // driver when the interrupt comes.
  PanelSimProcess sim({"--model", "4", "--delay", "20"});
  ASSERT_TRUE(sim.Started()) << sim.Err();
  BackgroundProgram cli(StagedBinDir() / "orvane-cli",
                        {"panel", "write", Example("single-panel.ovx").string(), "--port",
                         sim.PortPath(), "--trace-dir", dir_.string()},
                        MakeTempDir("panel-cli-run"));
  ASSERT_TRUE(cli.WaitForText(true, "[>] Writing PLC driver.", kPatience)) << cli.Err();
  cli.Signal(SIGINT);
  EXPECT_EQ(cli.Wait(), 3) << cli.Err();
  EXPECT_NE(cli.Err().find("Cancelling...\n"), std::string::npos);
  EXPECT_NE(cli.Err().find("Cancelled.\n"), std::string::npos);
  EXPECT_EQ(cli.Err().find("successfully"), std::string::npos);
  // The last command the panel got was the clear, and it holds nothing.
  const std::vector<std::string> frames = TraceFrames(ReadText(dir_ / "Write.txt"));
  ASSERT_GE(frames.size(), 2u);
  EXPECT_EQ(frames[frames.size() - 2], "<- aa 06 10 01 0b a0 e6");
  const ProgramResult info = Panel(sim, {"info", "--model", "4", "--json"});
  EXPECT_EQ(info.exitStatus, 0) << info.err;
  EXPECT_NE(info.out.find("\"driver\": null"), std::string::npos) << info.out;
}

TEST_F(PanelCliTest, PortsAndCommandLine) {
  const std::string example = Example("single-panel.ovx").string();
  const std::string kept = Path("kept.ovx");
  WriteText(kept, "what the user had");
  const std::vector<std::vector<std::string>> commands = {
      {"write", example, "--yes", "--json"},
      {"read", "-o", kept, "--yes", "--json"},
  };
  for (const std::vector<std::string>& command : commands) {
    std::vector<std::string> args = {"panel"};
    args.insert(args.end(), command.begin(), command.end());
    args.insert(args.end(), {"--port", Path("no-such-port"), "--trace-dir", dir_.string()});
    const ProgramResult run = RunCli(args);
    EXPECT_EQ(run.exitStatus, 3) << run.err;
    EXPECT_NE(run.err.find("Error C003: Error opening port\n"), std::string::npos) << run.err;
    EXPECT_NE(run.out.find("\"result\": \"failed\", \"error\": \"Error C003: Error opening "
                           "port\""),
              std::string::npos)
        << run.out;
  }
  // A failed read leaves the file as it was.
  EXPECT_EQ(ReadText(kept), "what the user had");
  // A file that does not open: status 4, and the JSON failure object.
  ProgramResult missing =
      RunCli({"panel", "write", Path("none.ovx"), "--json", "--port", Path("no-such-port")});
  EXPECT_EQ(missing.exitStatus, 4);
  EXPECT_EQ(missing.out,
            "{\"command\": \"panel write\", \"result\": \"failed\", \"error\": \"Error Z002: "
            "You are trying to read from an invalid file\", \"details\": \"" +
                Path("none.ovx") + ": no such file\"}\n");

  ProgramResult run = RunCli({"panel", "clear"});
  EXPECT_EQ(run.exitStatus, 2);
  EXPECT_NE(run.err.find("no serial port: give --port NAME"), std::string::npos) << run.err;
  run = RunCli({"panel", "upgrade-firmware", "x.hex", "--mux", "--mux-port", "2"});
  EXPECT_EQ(run.exitStatus, 2);
  run = RunCli({"panel", "--help"});
  EXPECT_EQ(run.exitStatus, 0);
  EXPECT_NE(run.out.find("Exit status: 0 done"), std::string::npos);
  // Without --yes and without a terminal, clear takes the question's
  // default, No, and says so.
  run = RunCli({"panel", "clear", "--port", Path("no-such-port")});
  EXPECT_EQ(run.exitStatus, 1);
  EXPECT_NE(run.err.find("This command will clear the panel. Do you want to continue? No (the "
                         "default"),
            std::string::npos)
      << run.err;
}

}  // namespace
}  // namespace orvane::testing
