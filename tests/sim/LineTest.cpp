// The simulated line in-process: every named fault as the program's link
// meets it, the line settings the device answers at, the virtual clock and
// the port's own rules.
#include <gtest/gtest.h>

#include "link/Crc16.h"
#include "link/SimpleCommands.h"
#include "link/StandardReplies.h"
#include "link/StatusReplies.h"
#include "tests/sim/SimTestSupport.h"

namespace orvane::sim {
namespace {

using namespace testing;

// The outcome of one status exchange: the reply class (or link error) the
// program got.
std::string Outcome(const std::unique_ptr<TOvXResp>& reply) {
  if (reply == nullptr) {
    return "none";
  }
  if (const auto* error = As<TOvErrorResp>(reply)) {
    return "link error " + std::to_string(error->ErrorCode());
  }
  if (As<TOvStatusIdResp>(reply) != nullptr) {
    return "status";
  }
  if (const auto* standard = As<TOvStdResp>(reply)) {
    return "refused " + std::to_string(standard->ErrorCode());
  }
  return "other";
}

TEST(SimulatedLine, EveryFaultAsTheLinkMeetsIt) {
  struct Case {
    const char* what;
    FaultPlan faults;
    std::vector<std::string> outcomes;  // of consecutive status requests
    int commands;                       // the device received
  };
  const Case cases[] = {
      {"no fault", {}, {"status", "status"}, 2},
      {"a dropped reply is asked for again", {.dropReplyTo = {1}}, {"status", "status"}, 3},
      {"two dropped replies", {.dropReplyTo = {1, 2}}, {"link error 2", "status"}, 3},
      {"a corrupted CRC is asked for again", {.corruptCrcOf = {2}}, {"status", "status"}, 3},
      {"two corrupted CRCs", {.corruptCrcOf = {1, 2}}, {"link error 1", "status"}, 3},
      {"100 stray bytes are skipped", {.strayBytes = 100}, {"status", "status"}, 2},
      // The 101st stray byte ends the first attempt; the retry then finds the
      // first reply's frame still on the line.
      {"101 stray bytes are too many", {.strayBytes = 101}, {"status"}, 2},
      {"stray bytes before one reply",
       {.strayBytes = 101, .strayReply = 1},
       {"status", "status"},
       3},
      {"refused command", {.refuse = {{0x12, 13}}}, {"refused 13", "refused 13"}, 2},
      {"refusal of another command", {.refuse = {{0x0B, 13}}}, {"status"}, 1},
      {"stop answering", {.stopAfter = 1}, {"status", "link error 2", "link error 2"}, 5},
      {"unknown reply code", {.unknownCodeOn = {2}}, {"status", "none", "status"}, 3},
  };
  for (const Case& test : cases) {
    auto simulator = MakePanelSimulator({.model = 1});
    simulator->SetFaults(test.faults);
    SimLink link(*simulator, 9600);
    std::vector<std::string> outcomes;
    for (size_t i = 0; i < test.outcomes.size(); ++i) {
      TOvStatusIdCmd status;
      outcomes.push_back(Outcome(link.Send(status)));
    }
    EXPECT_EQ(outcomes, test.outcomes) << test.what;
    EXPECT_EQ(simulator->CommandCount(), test.commands) << test.what;
  }
}

TEST(SimulatedLine, ARefusedCommandIsNotCarriedOut) {
  auto simulator = MakePanelSimulator({.model = 1});
  SimLink link(*simulator, 9600);
  ASSERT_EQ(link.Acknowledge(0xB5, TextRecord(1, "Kept")), 0);
  simulator->SetFaults({.refuse = {{0x0B, 10}}});
  TOvClrMemCmd clear;
  EXPECT_EQ(link.Acknowledge(clear), 10);
  EXPECT_FALSE(simulator->Panel().Memory().IsEmpty());
  // A dropped or unknown-coded reply still follows a command carried out.
  simulator->SetFaults({.dropReplyTo = {3, 4}, .unknownCodeOn = {5}});
  EXPECT_EQ(link.Acknowledge(0xB5, TextRecord(2, "Dropped")), -1);
  EXPECT_EQ(link.Acknowledge(0xB5, TextRecord(3, "Unknown")), -1);
  EXPECT_EQ(simulator->Panel().Memory().messages.size(), 3u);
}

TEST(SimulatedLine, ADelayedReplyIsLateOnlyAgainstTheReadTimeOut) {
  auto simulator = MakePanelSimulator({.model = 1});
  SimLink link(*simulator, 9600);
  TOvStatusIdCmd status;

  // Within the standard 2.51 s a one-byte read waits: on time.
  simulator->SetFaults({.delay_ms = 2000});
  EXPECT_EQ(Outcome(link.Send(status)), "status");
  EXPECT_EQ(simulator->Elapsed_ms(), 2000u);

  // Past it: the first attempt times out, and the late reply arrives during
  // the retry.
  simulator->SetFaults({.delay_ms = 3000});
  EXPECT_EQ(Outcome(link.Send(status)), "status");
  EXPECT_EQ(simulator->CommandCount(), 3);
  EXPECT_EQ(simulator->Elapsed_ms(), 2000u + 3000u);

  // With the short time-out of the firmware poll even 500 ms is too late,
  // for both attempts.
  ASSERT_TRUE(link.Link().SetReadTimeout(100));
  simulator->SetFaults({.delay_ms = 500});
  EXPECT_EQ(Outcome(link.Send(status)), "link error 2");
}

TEST(SimulatedLine, OnlyTheDeviceRateAndEightBitsWithoutParityAreHeard) {
  auto simulator = MakePanelSimulator({.model = 1});
  {
    SimLink link(*simulator, 38400);
    TOvStatusIdCmd status;
    EXPECT_EQ(Outcome(link.Send(status)), "link error 2");
    EXPECT_EQ(simulator->CommandCount(), 0);
  }
  {
    const std::unique_ptr<SerialPort> port = simulator->Connect();
    ASSERT_TRUE(port->Open("COM1"));
    for (const LineSettings& settings :
         {LineSettings{9600, 7, Parity::None}, LineSettings{9600, 8, Parity::Even}}) {
      ASSERT_TRUE(port->SetLineSettings(settings));
      ASSERT_TRUE(port->Write(Bytes{0xAA, 0x06, 0x10, 0x01, 0x12, 0xB8, 0x65}));
      EXPECT_EQ(port->ReadByte(), -1);
    }
    // Half a frame at the wrong rate spoils the frame.
    ASSERT_TRUE(port->SetLineSettings({9600, 8, Parity::None}));
    ASSERT_TRUE(port->Write(Bytes{0xAA, 0x06, 0x10}));
    ASSERT_TRUE(port->SetLineSettings({19200, 8, Parity::None}));
    ASSERT_TRUE(port->Write(Bytes{0x01}));
    ASSERT_TRUE(port->SetLineSettings({9600, 8, Parity::None}));
    ASSERT_TRUE(port->Write(Bytes{0x12, 0xB8, 0x65}));
    EXPECT_EQ(port->ReadByte(), -1);
    EXPECT_EQ(simulator->CommandCount(), 0);
  }
  // The device's own rate can be set.
  simulator->SetBaudRate(19200);
  SimLink link(*simulator, 19200);
  TOvStatusIdCmd status;
  EXPECT_EQ(Outcome(link.Send(status)), "status");
}

TEST(SimulatedLine, FramesNotMeantForTheDeviceAreIgnored) {
  auto simulator = MakePanelSimulator({.model = 1});
  const std::unique_ptr<SerialPort> port = simulator->Connect();
  ASSERT_TRUE(port->Open("COM1"));
  std::vector<std::string> log;
  simulator->SetLog([&log](const std::string& line) { log.push_back(line); });
  // Another address, a bad CRC, then noise and a good frame.
  Bytes other = {0xAA, 0x06, 0x20, 0x01, 0x12};
  const uint16_t crc = CalcCrc16(std::span<const uint8_t>(other).subspan(1));
  other.push_back(static_cast<uint8_t>(crc & 0xFF));
  other.push_back(static_cast<uint8_t>(crc >> 8));
  Bytes badCrc = {0xAA, 0x06, 0x10, 0x01, 0x12, 0xB8, 0x66};
  Bytes noisy = {0x00, 0x13, 0xAA, 0x06, 0x10, 0x01, 0x12, 0xB8, 0x65};
  for (const Bytes* bytes : {&other, &badCrc, &noisy}) {
    ASSERT_TRUE(port->Write(*bytes));
  }
  EXPECT_EQ(simulator->CommandCount(), 1);
  EXPECT_EQ(simulator->ReplyCount(), 1);
  EXPECT_EQ(port->ReadByte(), 0xAA);
  ASSERT_GE(log.size(), 4u);
  EXPECT_NE(log[0].find("not addressed to this device"), std::string::npos);
  EXPECT_EQ(log[1], "   a frame with a bad CRC ignored");
  EXPECT_EQ(log[2], "<- aa 06 10 01 12 b8 65");
  EXPECT_EQ(log[3].substr(0, 15), "-> aa 11 10 01 ");
}

TEST(SimulatedLine, OnePortAtATime) {
  auto simulator = MakePanelSimulator({.model = 1});
  const std::unique_ptr<SerialPort> first = simulator->Connect();
  const std::unique_ptr<SerialPort> second = simulator->Connect();
  ASSERT_TRUE(first->Open("COM2"));
  EXPECT_FALSE(second->Open("COM2"));
  EXPECT_EQ(simulator->OpenedName(), "COM2");
  first->Close();
  EXPECT_TRUE(second->Open("/dev/ttyS9"));
  // A port that outlives its simulator fails quietly.
  simulator.reset();
  EXPECT_FALSE(second->Write(Bytes{0xAA}));
  EXPECT_EQ(second->ReadByte(), -1);
}

TEST(SimulatedLine, TheFactoryServesLinksOpenedByName) {
  auto simulator = MakeMultiplexerSimulator({{1, {.model = 3}}});
  BaudRateScope baud(38400);
  ScopedSerialPortFactory factory(simulator->PortFactory());
  TOvXComm link("COM4");
  ASSERT_TRUE(link.IsOk());
  TOvStatusIdCmd status;
  EXPECT_NE(As<TOvMuxStatusIdResp>(link.Transact(status)), nullptr);
  EXPECT_EQ(simulator->OpenedName(), "COM4");
}

}  // namespace
}  // namespace orvane::sim
