#include "link/FrameReceiver.h"

#include <gtest/gtest.h>

#include <vector>

#include "link/FrameBuilder.h"
#include "tests/support/FakeSerialPort.h"

namespace orvane {
namespace {

using Bytes = std::vector<uint8_t>;
using Status = FrameReceiver::Status;
using testing::MakeReplyFrame;

// Feeds the bytes until the receiver finishes; the status after the last byte
// fed, and how many bytes it took.
struct Outcome {
  Status status = Status::NeedMore;
  size_t used = 0;
};

Outcome FeedAll(FrameReceiver& receiver, const Bytes& bytes) {
  Outcome outcome;
  for (const uint8_t byte : bytes) {
    ++outcome.used;
    outcome.status = receiver.Feed(byte);
    if (outcome.status != Status::NeedMore) {
      break;
    }
  }
  return outcome;
}

Bytes Concat(Bytes a, const Bytes& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

TEST(FrameReceiver, SkipsUpToAHundredStrayBytes) {
  const Bytes reply = MakeReplyFrame(0x00, {0x00, 0x00});
  FrameReceiver receiver;
  receiver.Reset();
  const Outcome outcome = FeedAll(receiver, Concat(Bytes(100, 0x55), reply));
  ASSERT_EQ(outcome.status, Status::Complete);
  EXPECT_EQ(Bytes(receiver.Frame().begin(), receiver.Frame().end()), reply);
}

TEST(FrameReceiver, TheHundredAndFirstStrayByteEndsWithATimeOut) {
  FrameReceiver receiver;
  receiver.Reset();
  const Outcome outcome = FeedAll(receiver, Concat(Bytes(101, 0x00), MakeReplyFrame(0x00, {0, 0})));
  EXPECT_EQ(outcome.status, Status::Failed);
  EXPECT_EQ(outcome.used, 101u);
  EXPECT_EQ(receiver.Error(), 2);
  EXPECT_TRUE(receiver.Frame().empty());
}

TEST(FrameReceiver, ResetGivesAFreshBudget) {
  FrameReceiver receiver;
  receiver.Reset();
  ASSERT_EQ(FeedAll(receiver, Concat(Bytes(60, 0x01), MakeReplyFrame(0, {0, 0}))).status,
            Status::Complete);
  receiver.Reset();
  EXPECT_EQ(FeedAll(receiver, Concat(Bytes(100, 0x01), MakeReplyFrame(0, {0, 0}))).status,
            Status::Complete);
}

TEST(FrameReceiver, StartByteInsideTheBodyIsData) {
  const Bytes reply = MakeReplyFrame(0xB6, {0xAA, 0x00, 0x03, 0xAA, 0xAA, 0xAA});
  FrameReceiver receiver;
  receiver.Reset();
  ASSERT_EQ(FeedAll(receiver, reply).status, Status::Complete);
  EXPECT_EQ(Bytes(receiver.Frame().begin(), receiver.Frame().end()), reply);
}

TEST(FrameReceiver, LengthLimits) {
  // Length 69: the longest reply, a 70-byte frame.
  const Bytes longest = MakeReplyFrame(0xB6, Bytes(63, 0x11));
  ASSERT_EQ(longest[1], 69);
  FrameReceiver receiver;
  receiver.Reset();
  ASSERT_EQ(FeedAll(receiver, longest).status, Status::Complete);
  EXPECT_EQ(receiver.Frame().size(), 70u);

  // Length 6: header and CRC only.
  const Bytes shortest = MakeReplyFrame(0x12, {});
  receiver.Reset();
  EXPECT_EQ(FeedAll(receiver, shortest).status, Status::Complete);

  // Refused at the length byte: no room for header and CRC, or too long.
  for (const uint8_t length : {0, 1, 2, 5, 70, 71, 0xFF}) {
    receiver.Reset();
    const Outcome outcome = FeedAll(receiver, Concat({0xAA, length}, Bytes(300, 0x00)));
    EXPECT_EQ(outcome.status, Status::Failed) << int{length};
    EXPECT_EQ(outcome.used, 2u) << int{length};
    EXPECT_EQ(receiver.Error(), 25) << int{length};
  }
}

TEST(FrameReceiver, CrcMustBeLowByteFirst) {
  Bytes swapped = MakeReplyFrame(0x00, {0x00, 0x07});
  ASSERT_NE(swapped[swapped.size() - 1], swapped[swapped.size() - 2]);
  std::swap(swapped[swapped.size() - 1], swapped[swapped.size() - 2]);
  FrameReceiver receiver;
  receiver.Reset();
  EXPECT_EQ(FeedAll(receiver, swapped).status, Status::Failed);
  EXPECT_EQ(receiver.Error(), 1);

  Bytes corrupted = MakeReplyFrame(0x00, {0x00, 0x07});
  corrupted[6] ^= 0x01;
  receiver.Reset();
  EXPECT_EQ(FeedAll(receiver, corrupted).status, Status::Failed);
  EXPECT_EQ(receiver.Error(), 1);
}

TEST(FrameReceiver, ACommandReceiverTakesLongFramesAndAnyStrayBytes) {
  FrameReceiver receiver(256, -1);
  const Bytes longest = MakeReplyFrame(0xBC, Bytes(249, 0x5A));
  ASSERT_EQ(longest[1], 255);
  receiver.Reset();
  const Outcome outcome = FeedAll(receiver, Concat(Bytes(500, 0x00), longest));
  ASSERT_EQ(outcome.status, Status::Complete);
  EXPECT_EQ(Bytes(receiver.Frame().begin(), receiver.Frame().end()), longest);
}

TEST(FrameBuilder, BuildsWholeFrames) {
  EXPECT_EQ(BuildFrame(0x12, {}), (Bytes{0xAA, 0x06, 0x10, 0x01, 0x12, 0xB8, 0x65}));
  const Bytes port3 = {0x03};
  EXPECT_EQ(BuildFrame(0xC1, port3), (Bytes{0xAA, 0x07, 0x10, 0x01, 0xC1, 0x03, 0x45, 0x5E}));
  EXPECT_EQ(BuildFrame(0x00, Bytes(249, 0)).size(), 256u);
  EXPECT_TRUE(BuildFrame(0x00, Bytes(250, 0)).empty());
}

}  // namespace
}  // namespace orvane
