// The keys typed at the terminal while orvane-panelsim --display shows the
// panel, and the panel keys they press:
//
//   1..5                F1..F5 (on model 3, whose keypad takes the digits,
//                       the shifted ! @ # $ % and the terminal's F1..F5)
//   the terminal's F1..F5, ! @ # $ %   F1..F5 on every text panel
//   arrow keys          UP, DOWN, LEFT, RIGHT
//   Enter, Esc          ENTER, ESC
//   0..9, Backspace     the keypad's digits and CLEAR (model 3)
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "sim/PanelKeys.h"

namespace orvane::sim {

struct TypedKey {
  enum class Kind { Char, Up, Down, Left, Right, Enter, Escape, Backspace, Function };
  Kind kind = Kind::Char;
  char character = 0;  // Kind::Char
  int function = 0;    // Kind::Function: 1..12
};

/// Splits what the terminal sends into keys. An escape sequence cut off at
/// the end of a read waits for the next; an Esc alone at the end of a read
/// is the Esc key (a terminal sends a sequence in one piece).
class TerminalKeyReader {
 public:
  std::vector<TypedKey> Take(const std::string& bytes);

 private:
  std::string pending_;
};

/// The panel key a typed key presses on a model; none when it presses none
/// of that model's keys.
std::optional<Key> PanelKeyOf(const TypedKey& typed, int model);

}  // namespace orvane::sim
