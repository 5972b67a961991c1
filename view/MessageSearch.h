// Finding and replacing typed text in message texts. Only the ordinary
// characters are searched: a data item's digit positions and the decimal
// point are never part of a match, and a replacement never puts one in.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvane {

/// Whether text holds what (an empty what is never found); without
/// matchCase, ASCII letters match in either case.
bool TextContains(std::string_view text, std::string_view what, bool matchCase);

/// text with every match of what replaced by with; nothing when there is no
/// match, when with holds a character that cannot be typed or when the
/// result would pass limit characters.
std::optional<std::string> ReplacedText(std::string_view text, std::string_view what,
                                        std::string_view with, bool matchCase, size_t limit);

}  // namespace orvane
