// Whole numbers typed into the editors' numeric fields, and the messages
// that refuse them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace orvane {

class UserInterface;

/// A whole number as typed: blanks around it, an optional sign and decimal
/// digits. Nothing for any other text (an empty field included) and for a
/// value beyond 64 bits.
std::optional<int64_t> ReadFieldNumber(const std::string& text);

/// "Please enter an integer.": a numeric field holds something else.
void ReportNotANumber(UserInterface& ui);
/// "Please enter a number between %d and %d" with the bounds.
std::string NumberRangeText(int64_t low, int64_t high);
void ReportNumberRange(UserInterface& ui, int64_t low, int64_t high);

/// Reads a numeric field that must lie in low to high: the value, or
/// nothing after the message that says why.
std::optional<int64_t> ReadFieldNumberIn(const std::string& text, int64_t low, int64_t high,
                                         UserInterface& ui);

}  // namespace orvane
