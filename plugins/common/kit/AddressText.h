// Small pieces of address texts the drivers write back.
#pragma once

#include <cctype>
#include <cstdio>
#include <string>

namespace orvane::plugin {

/// value in octal, zero-padded to at least digits digits.
inline std::string OctalText(unsigned value, int digits = 1) {
  char text[16] = {};
  std::snprintf(text, sizeof text, "%0*o", digits, value);
  return text;
}

/// The letters (and, where allowed, dots) at the start of text from at,
/// upper-cased; at moves past them.
inline std::string TakeName(const std::string& text, size_t& at, bool dots = false) {
  std::string name;
  while (at < text.size() &&
         (std::isalpha(static_cast<unsigned char>(text[at])) != 0 || (dots && text[at] == '.'))) {
    name += static_cast<char>(std::toupper(static_cast<unsigned char>(text[at])));
    ++at;
  }
  return name;
}

}  // namespace orvane::plugin
