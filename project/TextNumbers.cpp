#include "project/TextNumbers.h"

namespace orvane {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// The value as a 64-bit number that saturates instead of overflowing, so
// that an absurdly long digit run cannot cause undefined behaviour.
int64_t ParseSaturated(std::string_view text) {
  std::string_view::size_type at = 0;
  while (at < text.size() && IsBlank(text[at])) {
    ++at;
  }
  bool negative = false;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
    negative = text[at] == '-';
    ++at;
  }
  constexpr int64_t kLimit = INT64_MAX / 10 - 9;
  int64_t value = 0;
  while (at < text.size() && text[at] >= '0' && text[at] <= '9') {
    if (value < kLimit) {
      value = value * 10 + (text[at] - '0');
    }
    ++at;
  }
  return negative ? -value : value;
}

}  // namespace

uint32_t ParseUInt32(std::string_view text) {
  return static_cast<uint32_t>(static_cast<uint64_t>(ParseSaturated(text)));
}

int32_t ParseInt32(std::string_view text) {
  return static_cast<int32_t>(ParseUInt32(text));
}

}  // namespace orvane
