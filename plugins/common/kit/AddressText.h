// Small pieces of the address texts drivers read and write.
#pragma once

#include <cctype>
#include <cstdint>
#include <cstdio>
#include <string>

#include "corvel/Corvel.h"

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

/// A number read without a message of the number parser's, for the rules
/// whose driver says what is wrong in its own words.
inline bool ReadQuietly(const CCorvel& corvel, const std::string& text, DATA_TYPE notation,
                        uint16_t& value) {
  CCorvel quiet = corvel;
  quiet.SetDisplayMessages(false);
  return quiet.StringtoValue(text.c_str(), &value, notation, "error_string");
}

}  // namespace orvane::plugin
