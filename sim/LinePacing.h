// The timing of a line paced at its real rate: every byte takes 10 bit
// times (start bit, 8 data bits, stop bit), in both directions.
#pragma once

#include <chrono>
#include <cstddef>

namespace orvane::sim {

using PacingClock = std::chrono::steady_clock;

/// One byte's time on the line, to the nanosecond (1 041 667 ns at 9600
/// baud, 260 417 ns at 38400); a rate of 0 or less counts as 9600.
std::chrono::nanoseconds ByteTimeAt(int baud_rate);
/// The time count bytes take, to the nearest nanosecond.
std::chrono::nanoseconds LineTime(size_t count, int baud_rate);

/// The bytes coming in to the device. The program writes a frame at once
/// and the device reads what has come so far; on the line those bytes
/// arrive one after another, behind any bytes still arriving before them.
class IncomingLine {
 public:
  /// count bytes read at read_at: the time the last of them has arrived.
  PacingClock::time_point Arrived(PacingClock::time_point read_at, size_t count, int baud_rate);

 private:
  PacingClock::time_point freeAt_{};
};

/// When byte index (0 for the first) of a reply whose first bit goes out
/// at start has arrived at the program's end: (index + 1) byte times later.
/// The times follow from start alone, so a byte written late does not make
/// the ones after it late.
PacingClock::time_point ReplyByteArrives(PacingClock::time_point start, size_t index,
                                         int baud_rate);

}  // namespace orvane::sim
