// A simulated multiplexer: its own status and memory on port 0, routing to
// the panels on ports 1 to 5, silence on a port without a panel.
#include <gtest/gtest.h>

#include "link/BlockCommands.h"
#include "link/SimpleCommands.h"
#include "link/StandardReplies.h"
#include "link/StatusReplies.h"
#include "sim/StandInFiles.h"
#include "tests/sim/SimTestSupport.h"

namespace orvane::sim {
namespace {

using namespace testing;

constexpr int kMultiplexerRate = 38400;

TEST(SimulatedMultiplexer, ReportsItselfWithTheLongStatusReply) {
  auto simulator = MakeMultiplexerSimulator({{1, {.model = 1}}}, {.memoryBytes = 65536});
  SimLink link(*simulator, kMultiplexerRate);
  TOvStatusIdCmd status;
  const auto reply = link.Send(status);
  const auto* multiplexer = As<TOvMuxStatusIdResp>(reply);
  ASSERT_NE(multiplexer, nullptr);
  EXPECT_EQ(multiplexer->LengthByte(), 24);
  EXPECT_EQ(multiplexer->DeviceModel(), kMultiplexerModel);
  EXPECT_EQ(multiplexer->FirmwareRevisionText(), "C.1");
  EXPECT_EQ(multiplexer->MemoryBytes(), 65536u);
  EXPECT_FALSE(multiplexer->HasDriver());

  const Bytes driver = MakeStandInImage(
      MakeDriverHeader(ImageKind::MultiplexerDriver, 31, 3, 'F', "mux driver"), 500);
  ASSERT_EQ(link.WriteBlocks(0xBA, driver), 0);
  const auto after = link.Send(status);
  ASSERT_NE(As<TOvMuxStatusIdResp>(after), nullptr);
  EXPECT_EQ(As<TOvMuxStatusIdResp>(after)->DriverManufacturer(), 31);
  EXPECT_EQ(As<TOvMuxStatusIdResp>(after)->DriverModel(), 3);
  EXPECT_EQ(As<TOvMuxStatusIdResp>(after)->DriverRevisionText(), "F");
  EXPECT_EQ(As<TOvMuxStatusIdResp>(after)->Value10(), 500u);  // bytes in use
}

TEST(SimulatedMultiplexer, RoutesToThePanelOnEachPort) {
  auto simulator = MakeMultiplexerSimulator({{2, {.model = 4}}, {5, {.model = 5}}});
  SimLink link(*simulator, kMultiplexerRate);
  TOvStatusIdCmd status;
  for (const auto& [port, model] : std::vector<std::pair<uint8_t, int>>{{2, 4}, {5, 5}}) {
    TOvSwitchPrtCmd route(port);
    ASSERT_EQ(link.Acknowledge(route), 0);
    const auto reply = link.Send(status);
    ASSERT_NE(As<TOvStatusIdResp>(reply), nullptr) << "port " << int{port};
    EXPECT_EQ(As<TOvStatusIdResp>(reply)->PanelModel(), model);
  }
  // A message goes to the panel routed to, not to the others.
  TOvSwitchPrtCmd port2(2);
  ASSERT_EQ(link.Acknowledge(port2), 0);
  ASSERT_EQ(link.Acknowledge(0xB5, TextRecord(9, "Port two")), 0);
  EXPECT_TRUE(simulator->Multiplexer().Panel(2)->Memory().messages.contains(9));
  EXPECT_TRUE(simulator->Multiplexer().Panel(5)->Memory().messages.empty());
  // Clearing a panel leaves the multiplexer's own memory alone, and back on
  // port 0 the multiplexer answers for itself.
  TOvSwitchPrtCmd itself(0);
  ASSERT_EQ(link.Acknowledge(itself), 0);
  ASSERT_EQ(link.WriteBlocks(0xB7, TagStream(5, 7)), 0);
  ASSERT_EQ(link.Acknowledge(port2), 0);
  TOvClrMemCmd clear;
  ASSERT_EQ(link.Acknowledge(clear), 0);
  EXPECT_TRUE(simulator->Multiplexer().Panel(2)->Memory().IsEmpty());
  EXPECT_EQ(simulator->Multiplexer().Memory().tagStream, TagStream(5, 7));
  ASSERT_EQ(link.Acknowledge(itself), 0);
  EXPECT_NE(As<TOvMuxStatusIdResp>(link.Send(status)), nullptr);
}

TEST(SimulatedMultiplexer, APortWithoutAPanelGivesNoReply) {
  auto simulator = MakeMultiplexerSimulator({{3, {.model = 1}}});
  SimLink link(*simulator, kMultiplexerRate);
  TOvSwitchPrtCmd port1(1);
  ASSERT_EQ(link.Acknowledge(port1), 0);
  TOvStatusIdCmd status;
  const auto reply = link.Send(status);
  ASSERT_NE(As<TOvErrorResp>(reply), nullptr);
  EXPECT_EQ(As<TOvErrorResp>(reply)->ErrorCode(), 2);
  // The switch itself is the multiplexer's, whatever the route.
  TOvSwitchPrtCmd port3(3);
  EXPECT_EQ(link.Acknowledge(port3), 0);
  EXPECT_NE(As<TOvStatusIdResp>(link.Send(status)), nullptr);
  TOvSwitchPrtCmd port6(6);
  EXPECT_EQ(link.Acknowledge(port6), 24);
  EXPECT_EQ(simulator->Multiplexer().RoutedPort(), 3);
}

TEST(SimulatedMultiplexer, KeepsItsTagListAndPlcStream) {
  auto simulator = MakeMultiplexerSimulator({{1, {.model = 1}}});
  SimLink link(*simulator, kMultiplexerRate);
  // An empty store reads as an empty list and an empty block.
  EXPECT_EQ(link.ReadBlocks(0xB6), Bytes{});
  EXPECT_EQ(link.ReadBlocks(0x2A), (Bytes{0x04, 0x00}));

  const Bytes tags = TagStream(300, 7);
  ASSERT_EQ(link.WriteBlocks(0xB7, tags), 0);
  EXPECT_EQ(link.ReadBlocks(0xB6), tags);

  for (const size_t size : {15, 48, 120}) {
    const Bytes block = PlcBlock(size);
    ASSERT_EQ(link.WriteBlocks(0x29, MultiplexerPlcStream(block)), 0) << size;
    // The program rebuilds the block from the stream's first two bytes.
    const std::optional<Bytes> stream = link.ReadBlocks(0x2A);
    ASSERT_TRUE(stream && stream->size() >= 2);
    const size_t announced = (*stream)[0] | (*stream)[1] << 8;
    Bytes rebuilt = {static_cast<uint8_t>((announced - 2) & 0xFF),
                     static_cast<uint8_t>((announced - 2) >> 8)};
    rebuilt.insert(rebuilt.end(), stream->begin() + 2, stream->end());
    EXPECT_EQ(rebuilt, block) << size;
  }

  Bytes bad = MultiplexerPlcStream(PlcBlock(15));
  bad.back() ^= 0x10;
  EXPECT_EQ(link.WriteBlocks(0x29, bad), 24);
  EXPECT_EQ(simulator->Multiplexer().Memory().plcStream.size(), 120u);  // the last good one

  TOvClrMemCmd clear;
  ASSERT_EQ(link.Acknowledge(clear), 0);
  EXPECT_TRUE(simulator->Multiplexer().Memory().IsEmpty());
  // Panel commands are not the multiplexer's.
  EXPECT_EQ(link.Acknowledge(0xB5, TextRecord(1, "No")), 3);
  EXPECT_EQ(link.Acknowledge(0xBE, {}), 3);
}

TEST(SimulatedMultiplexer, TakesOnlyDriversMeantForWhereTheyGo) {
  auto simulator = MakeMultiplexerSimulator({{1, {.model = 1}}});
  SimLink link(*simulator, kMultiplexerRate);
  const Bytes panelDriver = StandInPanelDriver(1, 4, 'C', 200);
  const Bytes linkDriver = MakeStandInImage(
      MakeDriverHeader(ImageKind::PanelBehindMultiplexerDriver, 0, 0, 'A', ""), 200);
  EXPECT_EQ(link.WriteBlocks(0xBA, panelDriver), 11);
  TOvSwitchPrtCmd port1(1);
  ASSERT_EQ(link.Acknowledge(port1), 0);
  EXPECT_EQ(link.WriteBlocks(0xBA, panelDriver), 11);
  EXPECT_EQ(link.WriteBlocks(0xBA, linkDriver), 0);
  // Images that are not stand-ins are kept as they come.
  EXPECT_EQ(link.WriteBlocks(0xBA, Bytes(100, 0x11)), 0);
}

}  // namespace
}  // namespace orvane::sim
