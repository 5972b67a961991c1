// How a data item shows its register's value in its digit positions: the
// digits by position, blanks for leading zeros unless the item keeps them,
// a fixed point typed in the text between its digits or the point the PLC
// places through the decimal point register.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "sim/MessageRecords.h"

namespace orvane::sim {

struct ItemShow {
  /// Nothing: the item has no register, or the register holds no value of
  /// its type (a BCD nibble above 9): every digit shows '-'.
  std::optional<uint32_t> value;
  bool leadingZeros = false;
  /// Digits after the PLC's point (item 1 with its point cell only).
  int decimals = 0;
};

/// Writes the item's characters into line, whose positions are those of
/// text.cells. A value with more digits than the item has positions shows
/// '*' in every digit.
void FillItem(const MessageText& text, int item, const ItemShow& show, std::string& line);

/// The characters of a text with nothing filled in: its own characters, and
/// blanks where the data items go.
std::string TextCharacters(const MessageText& text);

/// An 8-digit value as the set point panel shows it: right-aligned, the
/// point after the digit it follows (so 9 characters with a point),
/// decimals 0..7; "********" when it does not fit, "--------" without a
/// value.
std::string FormatSetPointValue(std::optional<uint32_t> value, int decimals, bool leading_zeros);

}  // namespace orvane::sim
