// The times of a line paced at its real rate.
#include "sim/LinePacing.h"

#include <gtest/gtest.h>

namespace orvane::sim {
namespace {

using std::chrono::nanoseconds;

TEST(LinePacing, ByteAndLineTimes) {
  struct Case {
    size_t count;
    int baudRate;
    long long nanos;
  };
  const Case cases[] = {
      {1, 9600, 1'041'667},
      {1, 38400, 260'417},
      {1, 0, 1'041'667},  // an unknown rate counts as 9600
      {1, -5, 1'041'667},
      // Over a whole transfer the time is exact, not a rounded byte time
      // added up: 23 000 bytes at 9600 baud are 23.958 s, not 23.943 s.
      {23'000, 9600, 23'958'333'333},
      {3, 38400, 781'250},
      {0, 9600, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(LineTime(c.count, c.baudRate), nanoseconds(c.nanos))
        << c.count << " bytes at " << c.baudRate;
  }
  EXPECT_EQ(ByteTimeAt(38400), LineTime(1, 38400));
}

TEST(LinePacing, IncomingBytesQueueBehindTheOnesBefore) {
  const PacingClock::time_point t0{std::chrono::seconds(100)};
  const nanoseconds byte = ByteTimeAt(9600);
  IncomingLine line;
  // Five bytes read at once arrive over five byte times.
  EXPECT_EQ(line.Arrived(t0, 5, 9600), t0 + LineTime(5, 9600));
  // Three more read while those are still arriving come after them.
  EXPECT_EQ(line.Arrived(t0 + byte, 3, 9600), t0 + LineTime(5, 9600) + LineTime(3, 9600));
  // A byte read once the line has been quiet starts from when it was read.
  const PacingClock::time_point later = t0 + byte * 100;
  EXPECT_EQ(line.Arrived(later, 1, 9600), later + byte);
  // Another rate from then on.
  EXPECT_EQ(line.Arrived(later + byte, 2, 38400), later + byte + LineTime(2, 38400));
}

TEST(LinePacing, ReplyBytesFollowFromTheReplyStart) {
  const PacingClock::time_point start{std::chrono::seconds(7)};
  EXPECT_EQ(ReplyByteArrives(start, 0, 38400), start + LineTime(1, 38400));
  EXPECT_EQ(ReplyByteArrives(start, 17, 38400), start + LineTime(18, 38400));
  EXPECT_EQ(ReplyByteArrives(start, 8, 9600), start + LineTime(9, 9600));
}

}  // namespace
}  // namespace orvane::sim
