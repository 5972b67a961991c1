#include "sim/DataItemFormat.h"

#include <algorithm>
#include <vector>

namespace orvane::sim {
namespace {

uint64_t PowerOfTen(int exponent) {
  uint64_t power = 1;
  while (exponent-- > 0) {
    power *= 10;
  }
  return power;
}

char DigitAt(uint32_t value, int position) {
  return static_cast<char>('0' + (value / PowerOfTen(position)) % 10);
}

// The highest position with a digit other than 0, -1 for 0.
int HighestNonZero(uint32_t value) {
  int position = -1;
  for (int p = 0; value != 0; ++p, value /= 10) {
    if (value % 10 != 0) {
      position = p;
    }
  }
  return position;
}

// n digits with a point decimals places from the right (a blank in front
// for none), leading zeros blanked down to the digit before the point.
std::string PointedDigits(uint32_t value, int digits, int decimals, bool leading_zeros) {
  decimals = std::clamp(decimals, 0, digits);
  // The decimals always show, and the digit before the point.
  const int kept = std::max(HighestNonZero(value), std::min(decimals, digits - 1));
  std::string out;
  if (decimals == 0) {
    out += ' ';
  }
  for (int position = digits - 1; position >= 0; --position) {
    out += leading_zeros || position <= kept ? DigitAt(value, position) : ' ';
    if (decimals > 0 && position == decimals) {
      out += '.';
    }
  }
  if (decimals == digits) {
    out.insert(out.begin(), '.');
  }
  // Blanks before the point move to the front, so the number stays whole.
  std::stable_partition(out.begin(), out.end(), [](char c) { return c == ' '; });
  return out;
}

}  // namespace

std::string TextCharacters(const MessageText& text) {
  std::string line;
  for (const TextCell& cell : text.cells) {
    line += cell.kind == CellKind::Character ? static_cast<char>(cell.byte) : ' ';
  }
  return line;
}

void FillItem(const MessageText& text, int item, const ItemShow& show, std::string& line) {
  const ItemLayout& layout = text.items[item - 1];
  const int digits = layout.digits;
  if (digits == 0) {
    return;
  }
  std::vector<size_t> cells;  // the item's digit and point cells, in order
  int firstDigit = -1;
  int lastDigit = -1;
  for (size_t i = 0; i < text.cells.size(); ++i) {
    const TextCell& cell = text.cells[i];
    if (cell.item != item || cell.kind == CellKind::Character) {
      continue;
    }
    cells.push_back(i);
    if (cell.kind == CellKind::Digit) {
      firstDigit = firstDigit < 0 ? static_cast<int>(i) : firstDigit;
      lastDigit = static_cast<int>(i);
    }
  }
  const bool fits = show.value && *show.value < PowerOfTen(digits);
  if (!fits) {
    for (const size_t i : cells) {
      const bool digit = text.cells[i].kind == CellKind::Digit;
      line[i] = !digit ? ' ' : show.value ? '*' : '-';
    }
    return;
  }
  const uint32_t value = *show.value;
  if (layout.hasDecimalPointCell) {
    const std::string shown = PointedDigits(value, digits, show.decimals, show.leadingZeros);
    for (size_t k = 0; k < cells.size() && k < shown.size(); ++k) {
      line[cells[k]] = shown[k];
    }
    return;
  }
  // A point typed among the digits: the digit before it always shows.
  int kept = 0;
  for (int i = firstDigit; i < lastDigit; ++i) {
    if (text.cells[i].kind == CellKind::Character && text.cells[i].byte == '.') {
      kept = static_cast<int>(std::count_if(cells.begin(), cells.end(),
                                            [&](size_t c) { return static_cast<int>(c) > i; }));
    }
  }
  kept = std::max(kept, HighestNonZero(value));
  for (const size_t i : cells) {
    const int position = text.cells[i].position;
    line[i] = show.leadingZeros || position <= kept ? DigitAt(value, position) : ' ';
  }
}

std::string FormatSetPointValue(std::optional<uint32_t> value, int decimals, bool leading_zeros) {
  constexpr int kDigits = 8;
  if (!value) {
    return std::string(kDigits, '-');
  }
  if (*value >= PowerOfTen(kDigits)) {
    return std::string(kDigits, '*');
  }
  std::string shown = PointedDigits(*value, kDigits, decimals, leading_zeros);
  if (std::clamp(decimals, 0, kDigits) == 0) {
    shown.erase(0, 1);  // no point: no cell for it
  }
  return shown;
}

}  // namespace orvane::sim
