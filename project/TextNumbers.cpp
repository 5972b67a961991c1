#include "project/TextNumbers.h"

namespace orvane {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// The value as a 64-bit number that saturates at the 64-bit limits the way
// strtol does on a platform with 64-bit long, so that an absurdly long digit
// run reads predictably instead of overflowing.
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
  const uint64_t limit = negative ? uint64_t{1} << 63 : (uint64_t{1} << 63) - 1;
  uint64_t magnitude = 0;
  bool overflow = false;
  for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
    const uint64_t digit = static_cast<uint64_t>(text[at] - '0');
    if (overflow || magnitude > (limit - digit) / 10) {
      overflow = true;
      continue;
    }
    magnitude = magnitude * 10 + digit;
  }
  if (overflow) {
    return negative ? INT64_MIN : INT64_MAX;
  }
  return negative ? static_cast<int64_t>(0 - magnitude) : static_cast<int64_t>(magnitude);
}

}  // namespace

uint32_t ParseUInt32(std::string_view text) {
  return static_cast<uint32_t>(static_cast<uint64_t>(ParseSaturated(text)));
}

int32_t ParseInt32(std::string_view text) {
  return static_cast<int32_t>(ParseUInt32(text));
}

}  // namespace orvane
