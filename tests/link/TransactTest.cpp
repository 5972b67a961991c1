// The link over the scriptable port: opening and settings, the exchange and
// its retry, failures, and the replies it hands out.
#include "link/TOvXComm.h"

#include <gtest/gtest.h>

#include <vector>

#include "link/BaudRate.h"
#include "link/BlockCommands.h"
#include "link/BlockReplies.h"
#include "link/SimpleCommands.h"
#include "link/StandardReplies.h"
#include "link/StatusReplies.h"
#include "tests/support/FakeSerialPort.h"

namespace orvane {
namespace {

using Bytes = std::vector<uint8_t>;
using testing::FakeSerialPort;
using testing::MakeReplyFrame;

const Bytes kStatusRequest = {0xAA, 0x06, 0x10, 0x01, 0x12, 0xB8, 0x65};

Bytes StatusReply() {
  return MakeReplyFrame(0x12, {'3', 0, 8, 3, 'B', 2, 32, 1, 4, 'A', 0});
}

Bytes WithBadCrc(Bytes frame) {
  frame.back() ^= 0xFF;
  return frame;
}

template <typename T>
const T* As(const std::unique_ptr<TOvXResp>& reply) {
  return dynamic_cast<const T*>(reply.get());
}

class BaudRateGuard {
 public:
  BaudRateGuard() : saved_(BaudRateSetting()) {}
  ~BaudRateGuard() { SetBaudRateSetting(saved_); }

 private:
  int saved_;
};

TEST(Link, OpensThroughTheFactoryAndClosesAtTheEnd) {
  FakeSerialPort fake;
  {
    ScopedSerialPortFactory factory(fake.Factory());
    TOvXComm link("COM3");
    EXPECT_TRUE(link.IsOk());
    EXPECT_EQ(link.ErrorText(), "");
    EXPECT_EQ(link.LinkError(), 0);
    EXPECT_EQ(fake.OpenedName(), "COM3");
    EXPECT_TRUE(fake.IsOpen());
  }
  EXPECT_FALSE(fake.IsOpen());
  EXPECT_EQ(fake.CloseCount(), 1);
}

TEST(Link, AppliesTheStandardTimeOutsAndChangesOnlyTheLineFieldsItOwns) {
  BaudRateGuard guard;
  SetBaudRateSetting(38400);
  FakeSerialPort fake;
  TOvXComm link(fake.Connect(), "COM1");
  ASSERT_TRUE(link.IsOk());
  EXPECT_EQ(fake.Timeouts(), (PortTimeouts{20, 10, 2500, 10, 10}));
  LineSettings expected{};
  expected.baud_rate = 38400;
  expected.data_bits = 8;
  expected.parity = Parity::None;
  expected.parity_check = false;
  expected.stop_bits = StopBits::Two;             // as the port reported it
  expected.flow_control = FlowControl::Hardware;  // as the port reported it
  EXPECT_EQ(fake.Settings(), expected);

  // A later change of the setting reaches the port with ApplySettings.
  SetBaudRateSetting(9600);
  ASSERT_TRUE(link.ApplySettings());
  EXPECT_EQ(fake.Settings().baud_rate, 9600);
}

TEST(Link, SetReadTimeoutChangesOnlyTheReadIntervalAndConstant) {
  FakeSerialPort fake;
  TOvXComm link(fake.Connect(), "COM1");
  ASSERT_TRUE(link.SetReadTimeout(100));
  EXPECT_EQ(fake.Timeouts(), (PortTimeouts{100, 10, 100, 10, 10}));
  ASSERT_TRUE(link.ApplySettings());
  EXPECT_EQ(fake.Timeouts(), TOvXComm::kStandardTimeouts);

  fake.FailGetTimeouts(true);
  EXPECT_FALSE(link.SetReadTimeout(100));
}

TEST(Link, OpenAndSettingFailuresGiveTheirTexts) {
  const struct {
    const char* name;
    void (*script)(FakeSerialPort&);
    const char* text;
  } cases[] = {
      {"open", [](FakeSerialPort& f) { f.FailOpen(true); }, "Error C003: Error opening port"},
      {"time-outs", [](FakeSerialPort& f) { f.FailSetTimeouts(true); },
       "Error C004: Error in setting communication attributes"},
      {"reading the line settings", [](FakeSerialPort& f) { f.FailGetLineSettings(true); },
       "Error C004: Error in setting communication attributes"},
      {"writing the line settings", [](FakeSerialPort& f) { f.FailSetLineSettings(true); },
       "Error C004: Error in setting communication attributes"},
  };
  for (const auto& c : cases) {
    FakeSerialPort fake;
    c.script(fake);
    TOvXComm link(fake.Connect(), "COM2");
    EXPECT_FALSE(link.IsOk()) << c.name;
    EXPECT_EQ(link.ErrorText(), c.text) << c.name;
  }
  // A factory that hands out no port at all is an open failure too.
  ScopedSerialPortFactory none([] { return std::unique_ptr<SerialPort>(); });
  TOvXComm link("COM1");
  EXPECT_EQ(link.ErrorText(), "Error C003: Error opening port");
}

TEST(Link, OneExchange) {
  FakeSerialPort fake;
  TOvXComm link(fake.Connect(), "COM1");
  fake.Feed(StatusReply());
  TOvStatusIdCmd command;
  const auto reply = link.Transact(command);
  ASSERT_NE(As<TOvStatusIdResp>(reply), nullptr);
  EXPECT_EQ(As<TOvStatusIdResp>(reply)->PanelModel(), 2);
  EXPECT_EQ(fake.Writes(), std::vector<Bytes>{kStatusRequest});
  EXPECT_EQ(fake.PendingBytes(), 0u);
}

TEST(Link, RetriesOnceAfterALinkError) {
  const struct {
    const char* name;
    Bytes first;  // what the line delivers after the first frame
  } failures[] = {
      {"checksum", WithBadCrc(StatusReply())},
      {"time-out", {}},
      {"invalid length", {0xAA, 0x46}},
      {"too many stray bytes", Bytes(101, 0x00)},
  };
  for (const auto& failure : failures) {
    FakeSerialPort fake;
    TOvXComm link(fake.Connect(), "COM1");
    int writes = 0;
    fake.SetResponder(
        [&](std::span<const uint8_t>) { return ++writes == 1 ? failure.first : StatusReply(); });
    TOvStatusIdCmd command;
    const auto reply = link.Transact(command);
    EXPECT_NE(As<TOvStatusIdResp>(reply), nullptr) << failure.name;
    EXPECT_EQ(fake.Writes(), (std::vector<Bytes>{kStatusRequest, kStatusRequest})) << failure.name;
  }
}

TEST(Link, TellsThePortHowMuchOfEachFrameIsStillToCome) {
  // Once the length byte is in, the port hears how many bytes follow: L - 1
  // (the status reply's L is 17), once a frame, and never for a frame that
  // failed at its length.
  const Bytes reply = StatusReply();
  Bytes strayFirst = {0x55, 0x55};
  strayFirst.insert(strayFirst.end(), reply.begin(), reply.end());
  const struct {
    const char* name;
    Bytes first;  // what the line delivers after the first frame
    std::vector<size_t> expected;
  } cases[] = {
      {"the reply", reply, {16}},
      {"stray bytes, then the reply", strayFirst, {16}},
      {"an invalid length, then the reply on the retry", Bytes{0xAA, 0x46}, {16}},
      {"a bad CRC, then the reply on the retry", WithBadCrc(StatusReply()), {16, 16}},
  };
  for (const auto& c : cases) {
    FakeSerialPort fake;
    TOvXComm link(fake.Connect(), "COM1");
    int writes = 0;
    fake.SetResponder(
        [&](std::span<const uint8_t>) { return ++writes == 1 ? c.first : StatusReply(); });
    TOvStatusIdCmd command;
    EXPECT_NE(As<TOvStatusIdResp>(link.Transact(command)), nullptr) << c.name;
    EXPECT_EQ(fake.ExpectedByteCounts(), c.expected) << c.name;
  }
}

TEST(Link, TwoLinkErrorsReturnTheSecond) {
  FakeSerialPort fake;
  TOvXComm link(fake.Connect(), "COM1");
  int writes = 0;
  fake.SetResponder([&](std::span<const uint8_t>) {
    return ++writes == 1 ? WithBadCrc(StatusReply()) : Bytes{0xAA, 0x50};
  });
  TOvStatusIdCmd command;
  const auto reply = link.Transact(command);
  ASSERT_NE(As<TOvErrorResp>(reply), nullptr);
  EXPECT_EQ(As<TOvErrorResp>(reply)->ErrorCode(), 25);
  EXPECT_EQ(link.LinkError(), 25);
  EXPECT_EQ(fake.Writes().size(), 2u);
  // The link still works for the next exchange.
  fake.SetResponder(nullptr);
  fake.Feed(StatusReply());
  EXPECT_NE(As<TOvStatusIdResp>(link.Transact(command)), nullptr);
}

TEST(Link, PanelRefusalsAndUnknownCodesAreNotRetried) {
  FakeSerialPort fake;
  TOvXComm link(fake.Connect(), "COM1");
  fake.Feed(MakeReplyFrame(0x00, {0x00, 0x07}));
  TOvClrMemCmd clear;
  const auto refused = link.Transact(clear);
  ASSERT_NE(As<TOvStdResp>(refused), nullptr);
  EXPECT_EQ(As<TOvStdResp>(refused)->ErrorCode(), 7);
  EXPECT_EQ(fake.Writes().size(), 1u);

  fake.Feed(MakeReplyFrame(0xB5, {0x00, 0x00}));
  EXPECT_EQ(link.Transact(clear), nullptr);
  EXPECT_EQ(fake.Writes().size(), 2u);
}

TEST(Link, AFailedWriteStillWaitsForTheReplyAndTimesOut) {
  FakeSerialPort fake;
  TOvXComm link(fake.Connect(), "COM1");
  fake.FailWrites(true);
  TOvStatusIdCmd command;
  const auto reply = link.Transact(command);
  ASSERT_NE(As<TOvErrorResp>(reply), nullptr);
  EXPECT_EQ(As<TOvErrorResp>(reply)->ErrorCode(), 2);
  EXPECT_FALSE(link.IsOk());
  EXPECT_EQ(link.ErrorText(), "Error Writing File");
  // Both attempts wrote and then waited for a reply.
  EXPECT_EQ(fake.Writes().size(), 2u);
  EXPECT_EQ(fake.TimedOutReads(), 2);
}

TEST(Link, ACommandThatCannotBeFramedSendsNothing) {
  FakeSerialPort fake;
  TOvXComm link(fake.Connect(), "COM1");
  const Bytes stream(200, 0x42);
  TOvLoadExecCmd tooLong(0, stream, 1, 0, 51);
  EXPECT_EQ(link.Transact(tooLong), nullptr);
  EXPECT_TRUE(fake.Writes().empty());
  EXPECT_EQ(fake.TimedOutReads(), 0);
}

TEST(Link, ABlockReplyStaysValidAfterTheNextExchange) {
  FakeSerialPort fake;
  TOvXComm link(fake.Connect(), "COM1");
  fake.Feed(MakeReplyFrame(0xB6, {0x00, 0x00, 0x03, 0x00, 0x02, 0x04}));
  TOvReadTagCmd first(1, 0);
  const auto tags = link.Transact(first);
  ASSERT_NE(As<TOvTagResp>(tags), nullptr);

  fake.Feed(MakeReplyFrame(0xB6, {0x00, 0x02, 0x02, 0x99, 0x98}));
  TOvReadTagCmd second(0, 1);
  const auto more = link.Transact(second);
  ASSERT_NE(As<TOvTagResp>(more), nullptr);

  const auto data = As<TOvTagResp>(tags)->Data();
  EXPECT_EQ(Bytes(data.begin(), data.end()), (Bytes{0x00, 0x02, 0x04}));
  EXPECT_FALSE(As<TOvTagResp>(tags)->IsLastBlock());
  EXPECT_TRUE(As<TOvTagResp>(more)->IsLastBlock());
}

TEST(Link, AReplyTooShortForItsClassIsAnInvalidLength) {
  FakeSerialPort fake;
  TOvXComm link(fake.Connect(), "COM1");
  // A tag block that claims 9 data bytes and carries 2, twice.
  const Bytes lying = MakeReplyFrame(0xB6, {0x00, 0x02, 0x09, 0x01, 0x02});
  fake.Feed(lying);
  fake.Feed(lying);
  TOvReadTagCmd command(1, 0);
  const auto reply = link.Transact(command);
  ASSERT_NE(As<TOvErrorResp>(reply), nullptr);
  EXPECT_EQ(As<TOvErrorResp>(reply)->ErrorCode(), 25);
  EXPECT_EQ(link.LinkError(), 25);
  EXPECT_EQ(fake.Writes().size(), 2u);
}

}  // namespace
}  // namespace orvane
