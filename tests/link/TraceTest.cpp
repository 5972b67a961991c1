#include "link/Trace.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "link/SimpleCommands.h"
#include "link/TOvXComm.h"
#include "tests/support/FakeSerialPort.h"
#include "tests/support/TestPaths.h"

namespace orvane {
namespace {

using Bytes = std::vector<uint8_t>;
using testing::FakeSerialPort;
using testing::MakeReplyFrame;

// The trace text of bytes laid out from column 0.
std::string HexLines(const Bytes& bytes) {
  std::string text;
  for (size_t i = 0; i < bytes.size(); ++i) {
    char digits[4] = {};
    std::snprintf(digits, sizeof digits, "%02x%c", bytes[i], i % 40 == 39 ? '\n' : ' ');
    text += digits;
  }
  return text;
}

class TraceTest : public ::testing::Test {
 protected:
  void TearDown() override { CloseTrace(); }

  std::filesystem::path dir_ = testing::MakeTempDir("trace");
};

TEST_F(TraceTest, AnExchangeByteForByte) {
  ASSERT_TRUE(OpenTrace("Write.txt", dir_));
  TraceNote("Status ID");
  FakeSerialPort fake;
  TOvXComm link(fake.Connect(), "COM1");
  // Three stray bytes, then a 45-byte reply: the 40th byte ends its line.
  const Bytes reply = MakeReplyFrame(0x12, Bytes(38, 0xAA));
  ASSERT_EQ(reply.size(), 45u);
  fake.Feed({0x01, 0x02, 0x03});
  fake.Feed(reply);
  TOvStatusIdCmd status;
  ASSERT_NE(link.Transact(status), nullptr);
  TraceNote("Clear Memory");
  CloseTrace();

  Bytes received = {0x01, 0x02, 0x03};
  received.insert(received.end(), reply.begin(), reply.end());
  const std::string expected =
      "-- Status ID\n"
      "I said:\n"
      "aa 06 10 01 12 b8 65 \n"
      "Panel said:\n" +
      HexLines(received) +
      "\n"
      "-- Clear Memory\n";
  EXPECT_EQ(testing::ReadText(dir_ / "Write.txt"), expected);
}

TEST_F(TraceTest, ALineOfExactlyFortyBytesIsNotEndedTwice) {
  ASSERT_TRUE(OpenTrace("Read.txt", dir_));
  FakeSerialPort fake;
  TOvXComm link(fake.Connect(), "COM1");
  const Bytes reply = MakeReplyFrame(0x00, Bytes(33, 0x00));
  ASSERT_EQ(reply.size(), 40u);
  fake.Feed(reply);
  TOvClrMemCmd clear;
  ASSERT_NE(link.Transact(clear), nullptr);
  TraceNote("done");
  CloseTrace();
  const std::string text = testing::ReadText(dir_ / "Read.txt");
  EXPECT_EQ(text, "I said:\naa 06 10 01 0b a0 e6 \nPanel said:\n" + HexLines(reply) + "-- done\n");
}

TEST_F(TraceTest, FailedAttemptsAreTracedToo) {
  ASSERT_TRUE(OpenTrace("Write.txt", dir_));
  FakeSerialPort fake;
  TOvXComm link(fake.Connect(), "COM1");
  TOvStatusIdCmd status;
  // No reply at all: two attempts, each timing out without a received byte.
  ASSERT_NE(link.Transact(status), nullptr);
  CloseTrace();
  EXPECT_EQ(testing::ReadText(dir_ / "Write.txt"),
            "I said:\naa 06 10 01 12 b8 65 \nPanel said:\n"
            "I said:\naa 06 10 01 12 b8 65 \nPanel said:\n");
}

TEST_F(TraceTest, OpeningAgainTruncatesAndStartsAFreshLine) {
  ASSERT_TRUE(OpenTrace("Write.txt", dir_));
  TraceByte(0x12);
  TraceByte(0x34);
  ASSERT_TRUE(OpenTrace("Write.txt", dir_));
  TraceHeader("I said:\n");
  CloseTrace();
  EXPECT_EQ(testing::ReadText(dir_ / "Write.txt"), "I said:\n");
}

TEST_F(TraceTest, WithoutATraceNothingIsWritten) {
  CloseTrace();
  EXPECT_FALSE(IsTraceOpen());
  TraceNote("nowhere");
  TraceByte(0x01);
  FakeSerialPort fake;
  TOvXComm link(fake.Connect(), "COM1");
  fake.Feed(MakeReplyFrame(0x00, {0x00, 0x00}));
  TOvClrMemCmd clear;
  EXPECT_NE(link.Transact(clear), nullptr);
  EXPECT_TRUE(std::filesystem::is_empty(dir_));
}

TEST_F(TraceTest, TheDefaultDirectoryIsTheCurrentOne) {
  const std::filesystem::path previous = std::filesystem::current_path();
  std::filesystem::current_path(dir_);
  const bool opened = OpenTrace("Read.txt");
  TraceNote("here");
  CloseTrace();
  std::filesystem::current_path(previous);
  ASSERT_TRUE(opened);
  EXPECT_EQ(testing::ReadText(dir_ / "Read.txt"), "-- here\n");
}

TEST_F(TraceTest, AFileThatCannotBeCreatedLeavesTheTraceClosed) {
  EXPECT_FALSE(OpenTrace("Write.txt", dir_ / "missing" / "folder"));
  EXPECT_FALSE(IsTraceOpen());
}

}  // namespace
}  // namespace orvane
