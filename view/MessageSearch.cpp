#include "view/MessageSearch.h"

#include <cctype>

#include "view/ParsedText.h"

namespace orvane {
namespace {

bool SameCharacter(char a, char b, bool matchCase) {
  if (matchCase) {
    return a == b;
  }
  const auto lower = [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x80 ? static_cast<char>(std::tolower(byte)) : c;
  };
  return lower(a) == lower(b);
}

size_t FindFrom(std::string_view text, std::string_view what, size_t from, bool matchCase) {
  if (what.empty() || what.size() > text.size()) {
    return std::string_view::npos;
  }
  for (size_t at = from; at + what.size() <= text.size(); ++at) {
    bool match = true;
    for (size_t i = 0; i < what.size() && match; ++i) {
      match = SameCharacter(text[at + i], what[i], matchCase);
    }
    if (match) {
      return at;
    }
  }
  return std::string_view::npos;
}

bool Typable(std::string_view characters) {
  for (const char c : characters) {
    if (!IsTypableCharacter(c)) {
      return false;
    }
  }
  return true;
}

}  // namespace

bool TextContains(std::string_view text, std::string_view what, bool matchCase) {
  return Typable(what) && FindFrom(text, what, 0, matchCase) != std::string_view::npos;
}

std::optional<std::string> ReplacedText(std::string_view text, std::string_view what,
                                        std::string_view with, bool matchCase, size_t limit) {
  if (!Typable(what) || !Typable(with)) {
    return std::nullopt;
  }
  std::string result;
  size_t from = 0;
  bool found = false;
  for (size_t at = FindFrom(text, what, 0, matchCase); at != std::string_view::npos;
       at = FindFrom(text, what, from, matchCase)) {
    result.append(text.substr(from, at - from));
    result.append(with);
    from = at + what.size();
    found = true;
  }
  if (!found) {
    return std::nullopt;
  }
  result.append(text.substr(from));
  if (result.size() > limit) {
    return std::nullopt;
  }
  return result;
}

}  // namespace orvane
