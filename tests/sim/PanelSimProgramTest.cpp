// orvane-panelsim as a program: started from the staging tree with a link
// in a temporary folder, driven by the program's link on the real port
// implementation over the pseudo-terminal, and stopped with SIGTERM.
#include <signal.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "link/BaudRate.h"
#include "link/BlockCommands.h"
#include "link/SimpleCommands.h"
#include "link/StandardReplies.h"
#include "link/StatusReplies.h"
#include "link/TOvExec.h"
#include "link/TOvMsgResp.h"
#include "link/TOvXComm.h"
#include "sim/StandInImage.h"
#include "tests/sim/SimTestSupport.h"
#include "tests/support/PanelSimProcess.h"
#include "tests/support/RunProgram.h"
#include "tests/support/TestPaths.h"

namespace orvane::sim {
namespace {

using namespace testing;
using orvane::testing::MakeTempDir;
using orvane::testing::ProgramResult;
using orvane::testing::ReadText;
using orvane::testing::RunProgram;
using orvane::testing::StagedBinDir;
using Clock = std::chrono::steady_clock;

// The read time-out tests use where no reply is the expected outcome, so
// that a silent line costs little real time.
constexpr uint32_t kShortTimeout_ms = 150;

using PanelSim = orvane::testing::PanelSimProcess;

// The text of a file that may not be there yet.
std::string TextIfAny(const std::filesystem::path& path) {
  return std::filesystem::exists(path) ? ReadText(path) : std::string();
}

// A link on the simulator's port with the real serial port implementation.
class PortLink {
 public:
  PortLink(const PanelSim& sim, int baud_rate, uint32_t read_timeout_ms = 0)
      : baud_(baud_rate), link_(sim.PortPath()) {
    if (read_timeout_ms != 0) {
      link_.SetReadTimeout(read_timeout_ms);
    }
  }
  TOvXComm& operator*() { return link_; }
  TOvXComm* operator->() { return &link_; }

 private:
  BaudRateScope baud_;
  TOvXComm link_;
};

std::string StatusOutcome(TOvXComm& link) {
  TOvStatusIdCmd status;
  const auto reply = link.Transact(status);
  if (reply == nullptr) {
    return "none";
  }
  if (const auto* panel = As<TOvStatusIdResp>(reply)) {
    return "model " + std::to_string(panel->PanelModel());
  }
  if (const auto* error = As<TOvErrorResp>(reply)) {
    return "link error " + std::to_string(error->ErrorCode());
  }
  if (const auto* standard = As<TOvStdResp>(reply)) {
    return "refused " + std::to_string(standard->ErrorCode());
  }
  return "other";
}

TEST(PanelSimProgram, AnswersOnItsLinkAndCleansUpOnSigterm) {
  PanelSim sim({"--model", "4", "-v"});
  ASSERT_TRUE(sim.Started()) << sim.Err();
  EXPECT_EQ(sim.PortPath(), sim.LinkPath().string());
  EXPECT_TRUE(std::filesystem::is_symlink(sim.LinkPath()));
  EXPECT_NE(sim.Out().find("orvane-panelsim: Ov400 panel (model 4) at 9600 baud\n"),
            std::string::npos);
  {
    PortLink link(sim, 9600);
    ASSERT_TRUE(link->IsOk()) << link->ErrorText();
    EXPECT_EQ(StatusOutcome(*link), "model 4");
  }
  EXPECT_EQ(sim.Stop(), 0);
  EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(sim.LinkPath())));
  // -v logged the frames.
  EXPECT_NE(sim.Err().find("<- aa 06 10 01 12 b8 65\n"), std::string::npos) << sim.Err();
  EXPECT_NE(sim.Err().find("-> aa 11 10 01 12 33 01 00 00 42 02 40 00 00 00 00 "),
            std::string::npos)
      << sim.Err();
}

TEST(PanelSimProgram, EveryFaultThroughThePseudoTerminal) {
  struct Case {
    std::vector<std::string> options;
    uint32_t timeout_ms;
    std::vector<std::string> outcomes;
  };
  const Case cases[] = {
      {{"--drop-reply", "1"}, kShortTimeout_ms, {"model 1", "model 1"}},
      {{"--drop-reply", "1,2"}, kShortTimeout_ms, {"link error 2", "model 1"}},
      {{"--corrupt-crc", "1,2"}, 0, {"link error 1", "model 1"}},
      {{"--stray-bytes", "100"}, 0, {"model 1"}},
      {{"--refuse", "0x12:13"}, 0, {"refused 13"}},
      {{"--stop-after", "1"}, kShortTimeout_ms, {"model 1", "link error 2"}},
      {{"--delay", "100"}, 0, {"model 1"}},
      {{"--delay", "400"}, kShortTimeout_ms, {"link error 2"}},
      {{"--unknown-reply", "1"}, 0, {"none", "model 1"}},
  };
  for (const Case& test : cases) {
    std::vector<std::string> options = {"--model", "1"};
    options.insert(options.end(), test.options.begin(), test.options.end());
    PanelSim sim(options);
    ASSERT_TRUE(sim.Started()) << sim.Err();
    PortLink link(sim, 9600, test.timeout_ms);
    std::vector<std::string> outcomes;
    for (size_t i = 0; i < test.outcomes.size(); ++i) {
      outcomes.push_back(StatusOutcome(*link));
    }
    EXPECT_EQ(outcomes, test.outcomes) << test.options[0] << " " << test.options[1];
  }
}

TEST(PanelSimProgram, AnInterruptDoesNotWaitForADelayedReply) {
  PanelSim sim({"--model", "1", "--delay", "600000"});
  ASSERT_TRUE(sim.Started()) << sim.Err();
  {
    PortLink link(sim, 9600, kShortTimeout_ms);
    EXPECT_EQ(StatusOutcome(*link), "link error 2");
  }
  const Clock::time_point start = Clock::now();
  EXPECT_EQ(sim.Stop(SIGINT), 0);
  EXPECT_LT(Clock::now() - start, std::chrono::seconds(10));
  EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(sim.LinkPath())));
}

TEST(PanelSimProgram, TheWrongBaudRateGetsNoReply) {
  PanelSim sim({"--model", "2"});
  ASSERT_TRUE(sim.Started()) << sim.Err();
  PortLink link(sim, 38400, kShortTimeout_ms);
  EXPECT_EQ(StatusOutcome(*link), "link error 2");
  SetBaudRateSetting(9600);
  ASSERT_TRUE(link->ApplySettings());
  EXPECT_EQ(StatusOutcome(*link), "model 2");
}

TEST(PanelSimProgram, AMultiplexerRoutesToItsPanels) {
  PanelSim sim({"--multiplexer", "--panel", "2:4", "--panel", "5:5"});
  ASSERT_TRUE(sim.Started()) << sim.Err();
  EXPECT_NE(sim.Out().find("multiplexer with Ov400 on port 2, OvSP on port 5 at 38400 baud"),
            std::string::npos)
      << sim.Out();
  PortLink link(sim, 38400);
  TOvStatusIdCmd status;
  EXPECT_NE(As<TOvMuxStatusIdResp>(link->Transact(status)), nullptr);
  TOvSwitchPrtCmd port5(5);
  ASSERT_NE(As<TOvStdResp>(link->Transact(port5)), nullptr);
  EXPECT_EQ(StatusOutcome(*link), "model 5");
}

TEST(PanelSimProgram, TheStateSurvivesARestartAndDumps) {
  const std::filesystem::path dir = MakeTempDir("state");
  const std::filesystem::path state = dir / "panel.state";
  const Bytes message = TextRecord(7, "Kept \x83\x84", 1);
  {
    PanelSim sim({"--model", "1", "--state", state.string()}, dir);
    ASSERT_TRUE(sim.Started()) << sim.Err();
    PortLink link(sim, 9600);
    RawCommand write(0xB5, message);
    const auto reply = link->Transact(write);
    ASSERT_NE(As<TOvStdResp>(reply), nullptr);
    EXPECT_EQ(As<TOvStdResp>(reply)->ErrorCode(), 0);
    // Once the line is quiet the state is on disk, so even a simulator that
    // is killed outright keeps what it acknowledged.
    const Clock::time_point until = Clock::now() + std::chrono::seconds(5);
    while (TextIfAny(state).find("\nmessage 7 ") == std::string::npos && Clock::now() < until) {
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
  }
  ASSERT_NE(TextIfAny(state).find("\nmessage 7 "), std::string::npos);
  // The killed simulator left its link behind; the next one replaces it.
  ASSERT_TRUE(std::filesystem::is_symlink(dir / "port"));
  {
    PanelSim sim({"--model", "1", "--state", state.string()}, dir);
    ASSERT_TRUE(sim.Started()) << sim.Err();
    PortLink link(sim, 9600);
    TOvReadMsgCmd start(1, 0);
    ASSERT_NE(As<TOvMsgResp>(link->Transact(start)), nullptr);
    TOvReadMsgCmd first(0, 7);  // request 7 asks for message 7
    const auto reply = link->Transact(first);
    ASSERT_NE(As<TOvMsgResp>(reply), nullptr);
    EXPECT_EQ(As<TOvMsgResp>(reply)->Record(), message);
    EXPECT_EQ(sim.Stop(), 0);
  }
  const ProgramResult dump =
      RunProgram(StagedBinDir() / "orvane-panelsim", {"--state", state.string(), "--dump"});
  EXPECT_EQ(dump.exitStatus, 0) << dump.err;
  EXPECT_NE(dump.out.find("Panel: Ov200/Ov200V (model 1), firmware B.2, memory 32 KB"),
            std::string::npos)
      << dump.out;
  EXPECT_NE(dump.out.find("    7  |Kept 11             |\n"), std::string::npos) << dump.out;
  // Another model refuses the state rather than lose it.
  const ProgramResult other =
      RunProgram(StagedBinDir() / "orvane-panelsim", {"--model", "2", "--state", state.string()});
  EXPECT_EQ(other.exitStatus, 4);
  EXPECT_NE(other.err.find("holds a panel of model 1, not model 2"), std::string::npos);
}

TEST(PanelSimProgram, LineRatePacesTheBytes) {
  PanelSim sim({"--model", "1", "--line-rate"});
  ASSERT_TRUE(sim.Started()) << sim.Err();
  PortLink link(sim, 9600);
  // A 7-byte status request and an 18-byte reply: 25 bytes of 10 bits at
  // 9600 baud, 26 ms on the line.
  const Clock::time_point start = Clock::now();
  EXPECT_EQ(StatusOutcome(*link), "model 1");
  EXPECT_GE(Clock::now() - start, std::chrono::milliseconds(25));
}

TEST(PanelSimProgram, CommandLine) {
  const std::filesystem::path program = StagedBinDir() / "orvane-panelsim";
  const ProgramResult help = RunProgram(program, {"--help"});
  EXPECT_EQ(help.exitStatus, 0);
  for (const char* option :
       {"--model N", "--multiplexer", "--panel PORT:MODEL", "--link PATH", "--state FILE", "--dump",
        "--line-rate", "--drop-reply", "--corrupt-crc", "--stray-bytes", "--refuse CODE:ERROR",
        "--stop-after", "--delay MS", "--unknown-reply", "-v", "--display"}) {
    EXPECT_NE(help.out.find(option), std::string::npos) << option;
  }
  struct Case {
    std::vector<std::string> args;
    const char* error;
  };
  const Case cases[] = {
      {{}, "give --model N, or --multiplexer with --panel PORT:MODEL"},
      {{"--model", "6"}, "--model"},
      {{"--model", "1", "--multiplexer"}, "--model and --multiplexer exclude each other"},
      {{"--panel", "1:1"}, "--panel needs --multiplexer"},
      {{"--multiplexer", "--panel", "6:1"}, "--panel takes PORT:MODEL"},
      {{"--multiplexer", "--panel", "1:1", "--panel", "1:2"}, "--panel gives port 1 twice"},
      {{"--model", "1", "--refuse", "0xB5"}, "--refuse takes CODE:ERROR"},
      {{"--model", "1", "--drop-reply", "0"}, "--drop-reply takes numbers"},
      {{"--model", "1", "--firmware", "2B"}, "--firmware takes a revision letter"},
      {{"--model", "1", "--baud", "1000"}, "--baud takes a standard rate"},
      {{"--dump"}, "give --model N"},
      {{"--model", "1", "--display", "--control"}, "--display and --control exclude each other"},
      {{"--multiplexer", "--panel", "1:1", "--display"}, "--display draws a single panel"},
      // the test's standard input and output are no terminal
      {{"--model", "1", "--display"}, "--display needs a terminal"},
  };
  for (const Case& test : cases) {
    const ProgramResult result = RunProgram(program, test.args);
    EXPECT_EQ(result.exitStatus, 2) << test.error;
    EXPECT_NE(result.err.find(test.error), std::string::npos) << result.err;
  }
  // A link path that is a file is not replaced.
  const std::filesystem::path dir = MakeTempDir("file-link");
  orvane::testing::WriteText(dir / "taken", "mine");
  const ProgramResult taken =
      RunProgram(program, {"--model", "1", "--link", (dir / "taken").string()});
  EXPECT_EQ(taken.exitStatus, 3);
  EXPECT_EQ(ReadText(dir / "taken"), "mine");
}

TEST(PanelSimProgram, TheImageToolWritesFirmwareTheProgramReads) {
  const std::filesystem::path file = MakeTempDir("tool") / "Ov200C3.hex";
  const ProgramResult result =
      RunProgram(StagedBinDir() / "orvane-standin-image",
                 {"--kind", "panel-firmware", "--panel-model", "1", "--firmware", "C3", "--length",
                  "120", "-o", file.string()});
  ASSERT_EQ(result.exitStatus, 0) << result.err;
  std::ifstream in(file);
  TOvExec image(in, TOvExec::kFirmwareStart);
  ASSERT_TRUE(image.IsValid());
  EXPECT_EQ(image.ImageLength(), 120u);
  const std::optional<StandInHeader> header = ReadStandInHeader(image.Image());
  ASSERT_TRUE(header);
  EXPECT_EQ(header->kind, ImageKind::PanelFirmware);
  EXPECT_EQ(header->deviceModel, 1);
  EXPECT_EQ(header->firmwareLetter, 'C');
  EXPECT_EQ(header->firmwareNumber, 3);
}

}  // namespace
}  // namespace orvane::sim
