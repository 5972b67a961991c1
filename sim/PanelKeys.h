// The keys of the virtual panel: the five function keys, the navigation
// keys, and the numeric keypad of model 3.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvane::sim {

enum class Key {
  F1,
  F2,
  F3,
  F4,
  F5,
  Up,
  Down,
  Left,
  Right,
  Enter,
  Escape,
  Clear,
  Digit0,  // Digit0..Digit9 follow in order
  Digit1,
  Digit2,
  Digit3,
  Digit4,
  Digit5,
  Digit6,
  Digit7,
  Digit8,
  Digit9,
};

/// "F1".."F5", "UP", "DOWN", "LEFT", "RIGHT", "ENTER", "ESC", "CLEAR", "0".."9"
/// (any case).
std::optional<Key> ParseKey(std::string_view name);
std::string KeyName(Key key);

inline bool IsFunctionKey(Key key) {
  return key <= Key::F5;
}
inline int FunctionKeyIndex(Key key) {
  return static_cast<int>(key) - static_cast<int>(Key::F1);
}
inline bool IsDigitKey(Key key) {
  return key >= Key::Digit0;
}
inline int DigitOf(Key key) {
  return static_cast<int>(key) - static_cast<int>(Key::Digit0);
}

/// The keys a model has: the function keys on the text panels, the keypad
/// on model 3 only, the navigation keys on all.
bool ModelHasKey(int model, Key key);

}  // namespace orvane::sim
