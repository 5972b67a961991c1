#include "sim/TerminalKeys.h"

#include <cstdlib>
#include <string_view>

namespace orvane::sim {
namespace {

using Kind = TypedKey::Kind;

constexpr char kEsc = '\x1b';

TypedKey Simple(Kind kind) {
  TypedKey key;
  key.kind = kind;
  return key;
}

TypedKey Function(int number) {
  TypedKey key;
  key.kind = Kind::Function;
  key.function = number;
  return key;
}

// A finished sequence after Esc: "[A", "OP", "[15~", "[[A" (the Linux
// console's F1..F5). None for sequences that are no key here.
std::optional<TypedKey> SequenceKey(const std::string& body) {
  const char last = body.back();
  if (body.size() == 2 || (body.size() == 3 && body[1] == '[')) {
    if (body.size() == 3 && last >= 'A' && last <= 'E') {
      return Function(last - 'A' + 1);
    }
    switch (last) {
      case 'A':
        return Simple(Kind::Up);
      case 'B':
        return Simple(Kind::Down);
      case 'C':
        return Simple(Kind::Right);
      case 'D':
        return Simple(Kind::Left);
      case 'P':
      case 'Q':
      case 'R':
      case 'S':
        if (body[0] == 'O') {
          return Function(last - 'P' + 1);
        }
        break;
      default:
        break;
    }
    return std::nullopt;
  }
  if (last == '~' && body[0] == '[') {
    const int number = std::atoi(body.c_str() + 1);
    // xterm's numbers: 11..15 (older) or 15, 17, 18, 19, 20, 21, 23, 24.
    static constexpr int kXterm[] = {11, 12, 13, 14, 15};
    for (int i = 0; i < 5; ++i) {
      if (number == kXterm[i]) {
        return Function(i + 1);
      }
    }
    static constexpr int kXtermHigh[] = {17, 18, 19, 20, 21, 23, 24};
    for (int i = 0; i < 7; ++i) {
      if (number == kXtermHigh[i]) {
        return Function(i + 6);
      }
    }
    if (number == 3) {  // Delete
      return Simple(Kind::Backspace);
    }
  }
  return std::nullopt;
}

// The length of the sequence after Esc at pending[0], 0 while unfinished,
// -1 when the Esc stands alone.
int SequenceLength(const std::string& pending) {
  if (pending.size() < 2) {
    return 0;
  }
  if (pending[1] == 'O') {
    return pending.size() < 3 ? 0 : 3;
  }
  if (pending[1] != '[') {
    return -1;
  }
  size_t end = 2;
  if (end < pending.size() && pending[end] == '[') {  // the Linux console's F keys
    return pending.size() < 4 ? 0 : 4;
  }
  while (end < pending.size()) {
    const auto c = static_cast<unsigned char>(pending[end]);
    if (c >= 0x40 && c <= 0x7E) {
      return static_cast<int>(end + 1);
    }
    ++end;
  }
  return 0;
}

}  // namespace

std::vector<TypedKey> TerminalKeyReader::Take(const std::string& bytes) {
  pending_ += bytes;
  std::vector<TypedKey> keys;
  while (!pending_.empty()) {
    const char c = pending_[0];
    if (c != kEsc) {
      pending_.erase(0, 1);
      if (c == '\r' || c == '\n') {
        keys.push_back(Simple(Kind::Enter));
      } else if (c == '\x7f' || c == '\b') {
        keys.push_back(Simple(Kind::Backspace));
      } else if (static_cast<unsigned char>(c) >= 0x20) {
        TypedKey key;
        key.character = c;
        keys.push_back(key);
      }
      continue;
    }
    const int length = SequenceLength(pending_);
    if (length == 0 && pending_.size() > 1) {
      break;  // the rest comes with the next read
    }
    if (length <= 0) {
      keys.push_back(Simple(Kind::Escape));
      pending_.erase(0, 1);
      continue;
    }
    if (const auto key = SequenceKey(pending_.substr(1, static_cast<size_t>(length) - 1))) {
      keys.push_back(*key);
    }
    pending_.erase(0, static_cast<size_t>(length));
  }
  return keys;
}

std::optional<Key> PanelKeyOf(const TypedKey& typed, int model) {
  std::optional<Key> key;
  switch (typed.kind) {
    case Kind::Up:
      key = Key::Up;
      break;
    case Kind::Down:
      key = Key::Down;
      break;
    case Kind::Left:
      key = Key::Left;
      break;
    case Kind::Right:
      key = Key::Right;
      break;
    case Kind::Enter:
      key = Key::Enter;
      break;
    case Kind::Escape:
      key = Key::Escape;
      break;
    case Kind::Backspace:
      key = Key::Clear;
      break;
    case Kind::Function:
      if (typed.function >= 1 && typed.function <= 5) {
        key = static_cast<Key>(static_cast<int>(Key::F1) + typed.function - 1);
      }
      break;
    case Kind::Char: {
      const char c = typed.character;
      constexpr std::string_view kShifted = "!@#$%";
      if (const size_t shifted = kShifted.find(c); shifted != std::string_view::npos) {
        key = static_cast<Key>(static_cast<int>(Key::F1) + static_cast<int>(shifted));
      } else if (c >= '0' && c <= '9' && model == 3) {
        key = static_cast<Key>(static_cast<int>(Key::Digit0) + (c - '0'));
      } else if (c >= '1' && c <= '5') {
        key = static_cast<Key>(static_cast<int>(Key::F1) + (c - '1'));
      }
      break;
    }
  }
  if (key && !ModelHasKey(model, *key)) {
    return std::nullopt;
  }
  return key;
}

}  // namespace orvane::sim
