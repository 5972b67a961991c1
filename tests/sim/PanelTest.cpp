// A simulated panel through the program's own link: the status it reports,
// every record written and read back byte for byte, clear memory, and the
// refusals of the block protocol.
#include <map>

#include <gtest/gtest.h>

#include "link/AttributeReplies.h"
#include "link/BlockCommands.h"
#include "link/BlockReplies.h"
#include "link/SimpleCommands.h"
#include "link/StandardReplies.h"
#include "link/StatusReplies.h"
#include "link/TOvMsgResp.h"
#include "tests/sim/SimTestSupport.h"

namespace orvane::sim {
namespace {

using namespace testing;

constexpr int kPanelRate = 9600;

TEST(SimulatedPanel, AnswersTheStatusFrameWithItsModel) {
  auto simulator = MakePanelSimulator({.model = 2, .firmwareLetter = 'B', .firmwareNumber = 7});
  const std::unique_ptr<SerialPort> port = simulator->Connect();
  ASSERT_TRUE(port->Open("COM1"));
  ASSERT_TRUE(
      port->SetLineSettings({9600, 8, Parity::None, false, StopBits::One, FlowControl::None}));
  ASSERT_TRUE(port->Write(Bytes{0xAA, 0x06, 0x10, 0x01, 0x12, 0xB8, 0x65}));
  Bytes reply;
  for (int byte = port->ReadByte(); byte >= 0; byte = port->ReadByte()) {
    reply.push_back(static_cast<uint8_t>(byte));
  }
  // Family '3', variant 0 8 3, revision B.7, 32 KB, no driver, kept byte.
  const Bytes expected = RecordReply(0x12, Bytes{'3', 0, 8, 3, 'B', 7, 32, 0, 0, 0, 0});
  EXPECT_EQ(reply, expected);
  EXPECT_EQ(reply.size(), 18u);
}

TEST(SimulatedPanel, EveryModelComesBackThroughTheModelRule) {
  for (int model = 1; model <= 5; ++model) {
    auto simulator = MakePanelSimulator({.model = model});
    SimLink link(*simulator, kPanelRate);
    TOvStatusIdCmd status;
    const auto reply = link.Send(status);
    const auto* panel = As<TOvStatusIdResp>(reply);
    ASSERT_NE(panel, nullptr) << "model " << model;
    EXPECT_EQ(panel->PanelModel(), model);
    EXPECT_EQ(panel->MemoryKilobytes(), model == 3 || model == 4 ? 64 : 32);
    EXPECT_FALSE(panel->HasDriver());
  }
}

TEST(SimulatedPanel, ReportsTheDriverItLastReceived) {
  auto simulator = MakePanelSimulator({.model = 1});
  SimLink link(*simulator, kPanelRate);
  ASSERT_EQ(link.WriteBlocks(0xBA, StandInPanelDriver(31, 3, 'E', 777)), 0);
  ASSERT_EQ(link.WriteBlocks(0xBA, StandInPanelDriver(1, 4, 'C', 120)), 0);
  TOvStatusIdCmd status;
  const auto reply = link.Send(status);
  const auto* panel = As<TOvStatusIdResp>(reply);
  ASSERT_NE(panel, nullptr);
  EXPECT_EQ(panel->DriverManufacturer(), 1);
  EXPECT_EQ(panel->DriverModel(), 4);
  EXPECT_EQ(panel->DriverRevisionText(), "C");

  TOvClrMemCmd clear;
  ASSERT_EQ(link.Acknowledge(clear), 0);
  const auto cleared = link.Send(status);
  EXPECT_FALSE(As<TOvStatusIdResp>(cleared)->HasDriver());
  EXPECT_EQ(As<TOvStatusIdResp>(cleared)->DriverRevision(), 0);
}

// Reads every message as the program does: the start form, then request i
// with i as its sequence byte.
std::vector<Bytes> ReadAllMessages(SimLink& link, size_t requests) {
  std::vector<Bytes> records;
  TOvReadMsgCmd start(1, 0);
  EXPECT_FALSE(As<TOvMsgResp>(link.Send(start))->HasMessage());
  for (size_t i = 0; i < requests; ++i) {
    TOvReadMsgCmd next(0, static_cast<uint8_t>(i));
    const auto reply = link.Send(next);
    const auto* message = As<TOvMsgResp>(reply);
    EXPECT_NE(message, nullptr);
    if (message == nullptr) {
      break;
    }
    records.push_back(message->Record());
  }
  return records;
}

TEST(SimulatedPanel, EachReadRequestGetsTheMessageItsSequenceByteNames) {
  auto simulator = MakePanelSimulator({.model = 3});
  SimLink link(*simulator, kPanelRate);
  const Bytes seven = TextRecord(7, "T=\x83\x84\x84", 2, 0xFFFF, 0xFFFF, 0x12);
  const Bytes three = TextRecord(3, "Pressure", 1);
  const Bytes blank = BlankRecord(5, 43);
  const Bytes last = TextRecord(256, "Main menu");
  const Bytes system = TextRecord(257, "READ ONLY VALUE");
  for (const Bytes* record : {&seven, &three, &blank, &last, &system}) {
    ASSERT_EQ(link.Acknowledge(0xB5, *record), 0);
  }
  // The program's 257 requests: request 256 goes out as 0 after 255.
  const std::vector<Bytes> read = ReadAllMessages(link, 257);
  ASSERT_EQ(read.size(), 257u);
  const std::map<size_t, const Bytes*> stored = {
      {3, &three}, {5, &blank}, {7, &seven}, {256, &last}};
  for (size_t i = 0; i < read.size(); ++i) {
    SCOPED_TRACE(i);
    if (const auto found = stored.find(i); found != stored.end()) {
      // The reply's record (from frame offset 7) is exactly what was written.
      EXPECT_EQ(read[i], *found->second);
    } else {
      // Nothing there, and never a system message: an empty number.
      EXPECT_EQ(read[i][2], 0xFF);
      EXPECT_EQ(read[i].size(), 43u);
    }
  }
  TOvReadMsgCmd past(0, 1);  // after 256: 257, a system message
  EXPECT_FALSE(As<TOvMsgResp>(link.Send(past))->HasMessage());
  EXPECT_TRUE(simulator->Panel().Memory().messages.contains(257));
}

TEST(SimulatedPanel, SetPointEntriesUseTheirOwnRecord) {
  auto simulator = MakePanelSimulator({.model = 5});
  SimLink link(*simulator, kPanelRate);
  const Bytes entry = SetPointRecord(1, "Oven temperature", 3);
  ASSERT_EQ(entry.size(), 35u);
  ASSERT_EQ(link.Acknowledge(0xB5, entry), 0);
  // A text panel's record is the wrong length for the set point panel.
  EXPECT_EQ(link.Acknowledge(0xB5, TextRecord(2, "Text")), 8);
  const std::vector<Bytes> read = ReadAllMessages(link, 3);
  ASSERT_EQ(read.size(), 3u);
  EXPECT_EQ(read[1], entry);
  for (size_t empty : {0, 2}) {
    EXPECT_EQ(read[empty].size(), 35u);
    EXPECT_EQ(read[empty][2], 0xFF);
  }
}

TEST(SimulatedPanel, RefusesMessageNumbersOutsideItsMemory) {
  auto simulator = MakePanelSimulator({.model = 1});
  SimLink link(*simulator, kPanelRate);
  EXPECT_EQ(link.Acknowledge(0xB5, TextRecord(0, "zero")), 7);
  EXPECT_EQ(link.Acknowledge(0xB5, TextRecord(264, "past")), 7);
  EXPECT_EQ(link.Acknowledge(0xB5, TextRecord(263, "OUT OF RANGE")), 0);
  // A read that was never started.
  TOvReadMsgCmd next(0, 1);
  const auto reply = link.Send(next);
  ASSERT_NE(As<TOvStdResp>(reply), nullptr);
  EXPECT_EQ(As<TOvStdResp>(reply)->ErrorCode(), 5);
}

TEST(SimulatedPanel, SystemAttributesComeBackAtTheSameOffsets) {
  auto simulator = MakePanelSimulator({.model = 3});
  SimLink link(*simulator, kPanelRate);
  TOvReadSysAttrCmd read;
  {
    // Nothing written yet: every tag index none, no first message number.
    const auto reply = link.Send(read);
    const auto* unset = As<TOvSysAttrResp>(reply);
    ASSERT_NE(unset, nullptr);
    EXPECT_EQ(unset->ButtonWordTag(), 0xFFFF);
    EXPECT_EQ(unset->LineRegisterTag(0), 0xFFFF);
    EXPECT_EQ(unset->FirstMessageNumber(), 0xFFFF);
  }
  const Bytes record = SystemRecord();
  ASSERT_EQ(link.Acknowledge(0xB9, record), 0);
  const auto reply = link.Send(read);
  const auto* attributes = As<TOvSysAttrResp>(reply);
  ASSERT_NE(attributes, nullptr);
  const std::span<const uint8_t> frame = attributes->Frame();
  EXPECT_EQ(Bytes(frame.begin() + 5, frame.end() - 2), record);
  EXPECT_EQ(attributes->KeyLedWord(), 0x825B);
  EXPECT_EQ(attributes->FirstMessageNumber(), 12);
  EXPECT_EQ(link.Acknowledge(0xB9, Bytes(30, 0)), 8);
}

TEST(SimulatedPanel, TheTagStreamComesBackAcrossTheSequenceWrap) {
  auto simulator = MakePanelSimulator({.model = 4});
  SimLink link(*simulator, kPanelRate);
  // 300 entries of 53 bytes: 319 blocks each way, so the sequence numbers
  // pass 255 and start again at 0.
  const Bytes stream = TagStream(300, 50);
  ASSERT_GT(stream.size(), 256u * 50u);
  ASSERT_EQ(link.WriteBlocks(0xB7, stream), 0);
  EXPECT_EQ(simulator->Panel().Memory().tagStream, stream);
  EXPECT_EQ(link.ReadBlocks(0xB6), stream);

  // A stream of a whole number of blocks ends with an empty end block.
  const Bytes even = TagStream(1, 44);  // 3 + 47 = 50 bytes
  ASSERT_EQ(link.WriteBlocks(0xB7, even), 0);
  EXPECT_EQ(link.ReadBlocks(0xB6), even);
}

TEST(SimulatedPanel, PlcAttributesComeBackAsTheProgramRebuildsThem) {
  const Bytes block = PlcBlock(15);
  {
    auto simulator = MakePanelSimulator({.model = 1});
    SimLink link(*simulator, kPanelRate, {.systemMode = 0});
    TOvReadPlcAttrCmd read;
    const auto empty = link.Send(read);
    ASSERT_NE(As<TOvPlcAttrResp>(empty), nullptr);
    EXPECT_EQ(As<TOvPlcAttrResp>(empty)->Block(), (Bytes{0x02, 0x00}));

    ASSERT_EQ(link.Acknowledge(0xBC, SinglePanelPlcRecord(block)), 0);
    const auto reply = link.Send(read);
    ASSERT_NE(As<TOvPlcAttrResp>(reply), nullptr);
    EXPECT_EQ(As<TOvPlcAttrResp>(reply)->Block(), block);
  }
  {
    // Behind a multiplexer, the multi-panel form.
    auto simulator = MakeMultiplexerSimulator({{2, {.model = 4}}});
    SimLink link(*simulator, 38400, {.systemMode = 1});
    TOvSwitchPrtCmd port2(2);
    ASSERT_EQ(link.Acknowledge(port2), 0);
    // The single panel form's checksum is in the wrong place here.
    EXPECT_EQ(link.Acknowledge(0xBC, SinglePanelPlcRecord(block)), 24);
    ASSERT_EQ(link.Acknowledge(0xBC, MultiPanelPlcRecord(block)), 0);
    TOvReadPlcAttrCmd read;
    const auto reply = link.Send(read);
    ASSERT_NE(As<TOvPlcAttrResp>(reply), nullptr);
    EXPECT_EQ(As<TOvPlcAttrResp>(reply)->Block(), block);
  }
}

TEST(SimulatedPanel, RefusesABadInnerChecksumOrLength) {
  auto simulator = MakePanelSimulator({.model = 1});
  SimLink link(*simulator, kPanelRate);
  Bytes record = SinglePanelPlcRecord(PlcBlock(15));
  record.back() ^= 0x01;
  EXPECT_EQ(link.Acknowledge(0xBC, record), 24);
  Bytes wrongLength = SinglePanelPlcRecord(PlcBlock(15));
  wrongLength[0] = 16;
  EXPECT_EQ(link.Acknowledge(0xBC, wrongLength), 8);
  // A record whose reply could not come back under the program's length
  // limit.
  EXPECT_EQ(link.Acknowledge(0xBC, SinglePanelPlcRecord(PlcBlock(62))), 8);
  EXPECT_EQ(link.Acknowledge(0xBC, SinglePanelPlcRecord(PlcBlock(61))), 0);
  EXPECT_TRUE(simulator->Panel().Memory().plcAttributes.size() == 63);
}

TEST(SimulatedPanel, ClearMemoryEmptiesEverything) {
  auto simulator = MakePanelSimulator({.model = 3});
  SimLink link(*simulator, kPanelRate);
  ASSERT_EQ(link.Acknowledge(0xB5, TextRecord(1, "One")), 0);
  ASSERT_EQ(link.Acknowledge(0xB9, SystemRecord()), 0);
  ASSERT_EQ(link.WriteBlocks(0xB7, TagStream(3, 7)), 0);
  ASSERT_EQ(link.Acknowledge(0xBC, SinglePanelPlcRecord(PlcBlock(15))), 0);
  ASSERT_EQ(link.WriteBlocks(0xBA, StandInPanelDriver(1, 4, 'C', 300)), 0);
  ASSERT_FALSE(simulator->Panel().Memory().IsEmpty());

  TOvClrMemCmd clear;
  ASSERT_EQ(link.Acknowledge(clear), 0);
  EXPECT_TRUE(simulator->Panel().Memory().IsEmpty());
  EXPECT_EQ(ReadAllMessages(link, 1).at(0)[2], 0xFF);
  EXPECT_EQ(link.ReadBlocks(0xB6), Bytes{});
}

TEST(SimulatedPanel, UnknownCommandsGetInvalidMessageCode) {
  auto simulator = MakePanelSimulator({.model = 1});
  SimLink link(*simulator, kPanelRate);
  for (const uint8_t code : {0x3E, 0x3F, 0xC1, 0x29, 0x2A, 0x77}) {
    EXPECT_EQ(link.Acknowledge(code, {}), 3) << std::hex << int{code};
  }
  // A command without payload that comes with one.
  EXPECT_EQ(link.Acknowledge(0x0B, {0x00}), 8);
}

// Block protocol refusals, the same for every stream a panel receives.
TEST(SimulatedPanel, BlockWritesKeepTheirRules) {
  auto simulator = MakePanelSimulator({.model = 1, .memoryKilobytes = 1});
  SimLink link(*simulator, kPanelRate);
  const Bytes stream = TagStream(20, 7);  // 203 bytes
  auto block = [&](uint8_t phase, uint8_t sequence, uint32_t from, uint32_t to) {
    TOvWriteTagCmd command(phase, stream, sequence, from, to);
    return link.Acknowledge(command);
  };
  struct Case {
    const char* what;
    std::vector<std::array<uint32_t, 4>> blocks;  // phase, sequence, from, to
    int lastError;
  };
  const Case cases[] = {
      {"data block without a start", {{0, 1, 0, 50}}, 4},
      {"end block without a start", {{2, 1, 0, 10}}, 4},
      {"start with a sequence number", {{1, 1, 0, 0}}, 11},
      {"start with data", {{1, 0, 0, 5}}, 11},
      {"sequence skipped", {{1, 0, 0, 0}, {0, 2, 0, 50}}, 11},
      {"short data block", {{1, 0, 0, 0}, {0, 1, 0, 49}}, 11},
      {"end block of 50", {{1, 0, 0, 0}, {2, 1, 0, 50}}, 11},
      {"unknown phase", {{1, 0, 0, 0}, {3, 1, 0, 5}}, 11},
      {"after a refusal the stream is gone", {{1, 0, 0, 0}, {0, 5, 0, 50}, {0, 1, 0, 50}}, 4},
  };
  for (const Case& test : cases) {
    int error = -2;
    for (const auto& [phase, sequence, from, to] : test.blocks) {
      error = block(static_cast<uint8_t>(phase), static_cast<uint8_t>(sequence), from, to);
    }
    EXPECT_EQ(error, test.lastError) << test.what;
  }
  // A count that does not match the frame length.
  EXPECT_EQ(link.Acknowledge(0xB7, {0, 1, 10, 1, 2, 3}), 8);

  // More than the memory holds (1 KB).
  EXPECT_EQ(link.WriteBlocks(0xB7, TagStream(110, 7)), 6);
  EXPECT_TRUE(simulator->Panel().Memory().tagStream.empty());
  EXPECT_EQ(link.WriteBlocks(0xB7, TagStream(100, 7)), 0);
  // The memory counts everything it holds.
  EXPECT_EQ(link.WriteBlocks(0xBA, StandInPanelDriver(1, 4, 'C', 100)), 6);
}

TEST(SimulatedPanel, BlockReadsCheckTheirSequence) {
  auto simulator = MakePanelSimulator({.model = 1});
  SimLink link(*simulator, kPanelRate);
  ASSERT_EQ(link.WriteBlocks(0xB7, TagStream(40, 7)), 0);  // 403 bytes
  auto read = [&](uint8_t phase, uint8_t sequence) {
    TOvReadTagCmd command(phase, sequence);
    return link.Send(command);
  };
  EXPECT_EQ(As<TOvStdResp>(read(0, 1))->ErrorCode(), 5);  // not started
  EXPECT_EQ(As<TOvStdResp>(read(1, 3))->ErrorCode(), 11);
  ASSERT_NE(As<TOvTagResp>(read(1, 0)), nullptr);
  ASSERT_NE(As<TOvTagResp>(read(0, 1)), nullptr);
  EXPECT_EQ(As<TOvStdResp>(read(0, 3))->ErrorCode(), 11);
  EXPECT_EQ(As<TOvStdResp>(read(0, 2))->ErrorCode(), 5);  // the read ended with the refusal
}

TEST(SimulatedPanel, ARetriedCommandIsNotCarriedOutTwice) {
  auto simulator = MakePanelSimulator({.model = 1});
  SimLink link(*simulator, kPanelRate);
  const Bytes stream = TagStream(30, 7);
  // The reply to the first data block is lost; the program sends the same
  // block again and must get its acknowledgement, not a sequence error.
  simulator->SetFaults({.dropReplyTo = {2}});
  EXPECT_EQ(link.WriteBlocks(0xB7, stream), 0);
  EXPECT_EQ(simulator->CommandCount(), 9);  // start, 6 data blocks (one twice), end
  EXPECT_EQ(simulator->Panel().Memory().tagStream, stream);

  // The same for a message read: the retry gets the same message.
  ASSERT_EQ(link.Acknowledge(0xB5, TextRecord(1, "One")), 0);
  ASSERT_EQ(link.Acknowledge(0xB5, TextRecord(2, "Two")), 0);
  const int before = simulator->CommandCount();
  simulator->SetFaults({.dropReplyTo = {before + 3}});  // the request for message 1
  const std::vector<Bytes> read = ReadAllMessages(link, 3);
  EXPECT_EQ(read.at(1), TextRecord(1, "One"));
  EXPECT_EQ(read.at(2), TextRecord(2, "Two"));
}

}  // namespace
}  // namespace orvane::sim
