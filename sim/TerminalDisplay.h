// orvane-panelsim --display: the panel drawn in the terminal and redrawn in
// place whenever it changes, while the port is served. Typed keys press the
// panel's keys (sim/TerminalKeys.h); ':' opens a prompt for a register,
// ADDRESS=VALUE or #N=VALUE, set with Enter and left with Esc; q ends the
// program.
#pragma once

#include <termios.h>

#include <functional>
#include <string>
#include <vector>

#include "sim/LivePanel.h"
#include "sim/TerminalKeys.h"

namespace orvane::sim {

class TerminalDisplay {
 public:
  /// write takes the text to send to the terminal, escape sequences
  /// included. The first drawing is written at once.
  TerminalDisplay(const SimulatedPanel& device, std::function<void(const std::string&)> write);

  /// Bytes typed at the terminal; false after q.
  bool Take(const std::string& bytes);
  /// After the panel's line was answered: redraws when the panel changed.
  void Refresh();

  /// What is on the screen now: the panel, the key help, then the prompt
  /// or the last message.
  std::vector<std::string> Screen() const;

 private:
  bool Typed(const TypedKey& key);
  void Redraw();

  std::function<void(const std::string&)> write_;
  LivePanel panel_;
  TerminalKeyReader reader_;
  bool prompting_ = false;
  std::string input_;
  std::string message_;
  std::string drawn_;
  size_t drawnLines_ = 0;
};

/// The terminal on a descriptor in raw mode (no echo, keys as typed, Ctrl-C
/// still a SIGINT) with the cursor hidden, for as long as it lives.
class RawTerminal {
 public:
  RawTerminal() = default;
  ~RawTerminal() { Restore(); }
  RawTerminal(const RawTerminal&) = delete;
  RawTerminal& operator=(const RawTerminal&) = delete;

  /// false when fd is no terminal or cannot be set.
  bool Enter(int input_fd, int output_fd);
  void Restore();

 private:
  int input_ = -1;
  int output_ = -1;
  termios saved_{};
};

}  // namespace orvane::sim
