#include "sim/LinePacing.h"

#include <algorithm>

namespace orvane::sim {
namespace {

constexpr long long kBitsPerByte = 10;
constexpr int kFallbackBaudRate = 9600;

}  // namespace

std::chrono::nanoseconds ByteTimeAt(int baud_rate) {
  return LineTime(1, baud_rate);
}

std::chrono::nanoseconds LineTime(size_t count, int baud_rate) {
  const long long rate = baud_rate > 0 ? baud_rate : kFallbackBaudRate;
  // Rounded to the nearest nanosecond over the whole count: whole
  // microseconds a byte would run the line fast (0.16 % at 38400 baud).
  const long long bits = kBitsPerByte * static_cast<long long>(count);
  return std::chrono::nanoseconds((bits * 1'000'000'000LL + rate / 2) / rate);
}

PacingClock::time_point IncomingLine::Arrived(PacingClock::time_point read_at, size_t count,
                                              int baud_rate) {
  freeAt_ = std::max(freeAt_, read_at) + LineTime(count, baud_rate);
  return freeAt_;
}

PacingClock::time_point ReplyByteArrives(PacingClock::time_point start, size_t index,
                                         int baud_rate) {
  return start + LineTime(index + 1, baud_rate);
}

}  // namespace orvane::sim
