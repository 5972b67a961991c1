// Replacing the firmware of a simulated panel (restart into the loader,
// its silence, the image, restart into the new firmware) and of the
// multiplexer (boot loader, image, exec).
#include <gtest/gtest.h>

#include "link/BlockCommands.h"
#include "link/SimpleCommands.h"
#include "link/StandardReplies.h"
#include "link/StatusReplies.h"
#include "tests/sim/SimTestSupport.h"

namespace orvane::sim {
namespace {

using namespace testing;

// Puts a panel into its loader and polls it as the program does, with the
// short read time-out; the number of status requests sent until one was
// answered.
int RestartAndPoll(SimLink& link, InProcessSimulator& simulator) {
  TOvRestartCmd restart;
  EXPECT_EQ(link.Acknowledge(restart), 0);
  EXPECT_TRUE(link.Link().SetReadTimeout(100));
  const int before = simulator.CommandCount();
  for (int poll = 0; poll < 500; ++poll) {
    TOvStatusIdCmd status;
    if (As<TOvStatusIdResp>(link.Send(status)) != nullptr) {
      break;
    }
  }
  EXPECT_TRUE(link.Link().ApplySettings());
  return simulator.CommandCount() - before;
}

TEST(PanelFirmware, TheLoaderLeavesTheFirstStatusRequestsUnanswered) {
  for (const int silence : {0, 1, 3, 6}) {
    auto simulator = MakePanelSimulator({.model = 1, .loaderSilentStatusRequests = silence});
    SimLink link(*simulator, 9600);
    EXPECT_EQ(RestartAndPoll(link, *simulator), silence + 1) << silence;
    EXPECT_TRUE(simulator->Panel().InLoader());
  }
}

TEST(PanelFirmware, ANewImageRunsAfterTheNextRestart) {
  auto simulator = MakePanelSimulator({.model = 4, .firmwareLetter = 'B', .firmwareNumber = 2});
  SimLink link(*simulator, 9600);
  ASSERT_EQ(link.Acknowledge(0xB5, TextRecord(1, "Kept until the upgrade")), 0);
  const Bytes none;
  TOvLoadExecCmd early(1, none, 0, 0, 0);
  EXPECT_EQ(link.Acknowledge(early), 4);  // not in the loader

  RestartAndPoll(link, *simulator);
  // The loader knows only status, firmware blocks and restart.
  EXPECT_EQ(link.Acknowledge(0xB5, TextRecord(2, "No")), 3);
  const Bytes image = StandInPanelFirmware(4, 'C', 5, 120);
  ASSERT_EQ(link.WriteBlocks(0xBD, image), 0);
  EXPECT_TRUE(simulator->Panel().Memory().IsEmpty());    // the user program is gone
  EXPECT_EQ(simulator->Panel().Firmware().letter, 'B');  // until the restart

  TOvRestartCmd restart;
  ASSERT_EQ(link.Acknowledge(restart), 0);
  EXPECT_FALSE(simulator->Panel().InLoader());
  TOvStatusIdCmd status;
  const auto reply = link.Send(status);
  ASSERT_NE(As<TOvStatusIdResp>(reply), nullptr);
  EXPECT_EQ(As<TOvStatusIdResp>(reply)->FirmwareRevisionText(), "C.5");
  EXPECT_EQ(simulator->Panel().Firmware().image, image);
}

TEST(PanelFirmware, FirmwareForAnotherPanelIsRefused) {
  struct Case {
    const char* what;
    Bytes image;
  };
  const Case cases[] = {
      {"another text panel", StandInPanelFirmware(2, 'C', 1, 200)},
      {"the set point panel", StandInPanelFirmware(5, 'C', 1, 200)},
      {"the multiplexer", StandInMultiplexerFirmware('C', 1, 200)},
      // A revision the status reply and the state file cannot carry.
      {"a revision that is no letter", StandInPanelFirmware(1, '\xC3', 1, 200)},
      {"a driver", StandInPanelDriver(1, 4, 'C', 200)},
      {"not a stand-in", Bytes(200, 0x42)},
      {"too short for a header", Bytes(20, 0)},
  };
  for (const Case& test : cases) {
    auto simulator = MakePanelSimulator({.model = 1});
    SimLink link(*simulator, 9600);
    RestartAndPoll(link, *simulator);
    EXPECT_EQ(link.WriteBlocks(0xBD, test.image), 9) << test.what;
    TOvRestartCmd restart;
    ASSERT_EQ(link.Acknowledge(restart), 0);
    EXPECT_EQ(simulator->Panel().Firmware().letter, 'B') << test.what;
  }
}

// The multiplexer's firmware download: the start block carries the first
// 50 bytes, data blocks follow from sequence 1, the end block the rest.
int SendMultiplexerFirmware(SimLink& link, const Bytes& image) {
  TOvLoadExecCmd start(1, image, 0, 0, 50);
  if (const int error = link.Acknowledge(start); error != 0) {
    return error;
  }
  const uint32_t blocks = static_cast<uint32_t>(image.size() / 50);
  uint8_t sequence = 1;
  for (uint32_t i = 1; i < blocks; ++i, ++sequence) {
    TOvLoadExecCmd data(0, image, sequence, i * 50, i * 50 + 50);
    if (const int error = link.Acknowledge(data); error != 0) {
      return error;
    }
  }
  TOvLoadExecCmd end(2, image, sequence, blocks * 50, static_cast<uint32_t>(image.size()));
  return link.Acknowledge(end);
}

TEST(MultiplexerFirmware, BootLoadAndExec) {
  auto simulator = MakeMultiplexerSimulator({{1, {.model = 1}}});
  SimLink link(*simulator, 38400);
  Bytes image = StandInMultiplexerFirmware('D', 3, 101);
  image.push_back(0xFF);                               // the program evens the length
  EXPECT_EQ(SendMultiplexerFirmware(link, image), 4);  // not in the boot loader

  TOvExecBootCmd boot;
  ASSERT_EQ(link.Acknowledge(boot), 0);
  EXPECT_TRUE(simulator->Multiplexer().InBootLoader());
  const int before = simulator->CommandCount();
  ASSERT_EQ(SendMultiplexerFirmware(link, image), 0);
  EXPECT_EQ(simulator->CommandCount() - before, 3);  // bytes 0-49, 50-99, 100-101
  TOvExecExecCmd exec;
  ASSERT_EQ(link.Acknowledge(exec), 0);

  TOvStatusIdCmd status;
  const auto reply = link.Send(status);
  ASSERT_NE(As<TOvMuxStatusIdResp>(reply), nullptr);
  EXPECT_EQ(As<TOvMuxStatusIdResp>(reply)->FirmwareRevisionText(), "D.3");
  EXPECT_EQ(simulator->Multiplexer().Firmware().image, image);
}

TEST(MultiplexerFirmware, RefusesFirmwareOfAPanel) {
  auto simulator = MakeMultiplexerSimulator({});
  SimLink link(*simulator, 38400);
  TOvExecBootCmd boot;
  ASSERT_EQ(link.Acknowledge(boot), 0);
  EXPECT_EQ(SendMultiplexerFirmware(link, StandInPanelFirmware(1, 'D', 1, 150)), 9);
  EXPECT_EQ(SendMultiplexerFirmware(link, StandInMultiplexerFirmware('\xC3', 1, 150)), 9);
  // Exec without a whole image starts the old firmware.
  TOvExecExecCmd exec;
  ASSERT_EQ(link.Acknowledge(exec), 0);
  EXPECT_FALSE(simulator->Multiplexer().InBootLoader());
  EXPECT_EQ(simulator->Multiplexer().Firmware().letter, 'C');
}

}  // namespace
}  // namespace orvane::sim
