#include "view/FieldNumbers.h"

#include <cctype>
#include <limits>

#include "base/StringTable.h"
#include "base/UserInterface.h"

namespace orvane {
namespace {

bool IsBlank(char c) {
  return std::isspace(static_cast<unsigned char>(c)) != 0;
}

}  // namespace

std::optional<int64_t> ReadFieldNumber(const std::string& text) {
  size_t at = 0;
  size_t end = text.size();
  while (at < end && IsBlank(text[at])) {
    ++at;
  }
  while (end > at && IsBlank(text[end - 1])) {
    --end;
  }
  bool negative = false;
  if (at < end && (text[at] == '-' || text[at] == '+')) {
    negative = text[at] == '-';
    ++at;
  }
  if (at == end) {
    return std::nullopt;
  }
  // Accumulated as a negative number, so the most negative value fits too.
  constexpr int64_t kLowest = std::numeric_limits<int64_t>::min();
  int64_t value = 0;
  for (; at < end; ++at) {
    const char c = text[at];
    if (c < '0' || c > '9') {
      return std::nullopt;
    }
    const int digit = c - '0';
    if (value < (kLowest + digit) / 10) {
      return std::nullopt;
    }
    value = value * 10 - digit;
  }
  if (!negative) {
    if (value == kLowest) {
      return std::nullopt;
    }
    value = -value;
  }
  return value;
}

void ReportNotANumber(UserInterface& ui) {
  ui.Show("Please enter an integer.", Icon::Exclamation);
}

std::string NumberRangeText(int64_t low, int64_t high) {
  return FormatText("Please enter a number between %lld and %lld", static_cast<long long>(low),
                    static_cast<long long>(high));
}

void ReportNumberRange(UserInterface& ui, int64_t low, int64_t high) {
  ui.Show(NumberRangeText(low, high), Icon::Exclamation);
}

std::optional<int64_t> ReadFieldNumberIn(const std::string& text, int64_t low, int64_t high,
                                         UserInterface& ui) {
  const std::optional<int64_t> value = ReadFieldNumber(text);
  if (!value) {
    ReportNotANumber(ui);
    return std::nullopt;
  }
  if (*value < low || *value > high) {
    ReportNumberRange(ui, low, high);
    return std::nullopt;
  }
  return value;
}

}  // namespace orvane
