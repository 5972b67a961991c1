#include "sim/TerminalDisplay.h"

#include <unistd.h>

#include <iterator>

#include "sim/PanelDrawing.h"

namespace orvane::sim {
namespace {

const char* const kHelp[] = {
    "Keys: 1-5, ! @ # $ % or F1-F5 press F1-F5 (model 3: not 1-5), arrows, Enter, Esc,",
    "0-9 and Backspace the keypad of model 3; : sets a register; q quits",
};

// Byte offset of character column in a UTF-8 line.
size_t ByteOfColumn(const std::string& line, int column) {
  size_t at = 0;
  for (int seen = 0; at < line.size(); ++at) {
    if ((static_cast<unsigned char>(line[at]) & 0xC0) != 0x80 && seen++ == column) {
      break;
    }
  }
  return at;
}

size_t CharacterLength(const std::string& line, size_t at) {
  size_t end = at + 1;
  while (end < line.size() && (static_cast<unsigned char>(line[end]) & 0xC0) == 0x80) {
    ++end;
  }
  return end - at;
}

}  // namespace

TerminalDisplay::TerminalDisplay(const SimulatedPanel& device,
                                 std::function<void(const std::string&)> write)
    : write_(std::move(write)), panel_(device) {
  Redraw();
}

std::vector<std::string> TerminalDisplay::Screen() const {
  std::vector<std::string> screen = DrawPanel(panel_.Panel().View()).lines;
  screen.insert(screen.end(), std::begin(kHelp), std::end(kHelp));
  screen.push_back(prompting_ ? "Register (ADDRESS=VALUE or #N=VALUE): " + input_ : message_);
  return screen;
}

void TerminalDisplay::Redraw() {
  const DrawnPanel drawn = DrawPanel(panel_.Panel().View());
  std::vector<std::string> screen = Screen();
  if (drawn.cursor && !prompting_) {
    // The cursor's character in reverse video.
    std::string& line = screen[static_cast<size_t>(drawn.cursor->line)];
    const size_t at = ByteOfColumn(line, drawn.cursor->column);
    if (at < line.size()) {
      line.insert(at + CharacterLength(line, at), "\x1b[27m");
      line.insert(at, "\x1b[7m");
    }
  }
  std::string text;
  for (const std::string& line : screen) {
    text += "\x1b[2K" + line + "\r\n";
  }
  if (text == drawn_) {
    return;
  }
  drawn_ = text;
  // Back to the first line drawn last time, then over it; lines wider than
  // the terminal are cut rather than wrapped, so the count stays true.
  std::string out = "\x1b[?7l\r";
  if (drawnLines_ > 0) {
    out += "\x1b[" + std::to_string(drawnLines_) + "A";
  }
  write_(out + text + "\x1b[J\x1b[?7h");
  drawnLines_ = screen.size();
}

bool TerminalDisplay::Typed(const TypedKey& key) {
  using Kind = TypedKey::Kind;
  if (prompting_) {
    if (key.kind == Kind::Enter) {
      prompting_ = false;
      const std::string error = input_.empty() ? std::string() : panel_.SetRegister(input_);
      message_ = error.empty() ? (input_.empty() ? "" : "Set " + input_) : error;
      input_.clear();
    } else if (key.kind == Kind::Escape) {
      prompting_ = false;
      input_.clear();
    } else if (key.kind == Kind::Backspace) {
      if (!input_.empty()) {
        input_.pop_back();
      }
    } else if (key.kind == Kind::Char) {
      input_ += key.character;
    }
    return true;
  }
  if (key.kind == Kind::Char && key.character == 'q') {
    return false;
  }
  if (key.kind == Kind::Char && key.character == ':') {
    prompting_ = true;
    message_.clear();
    return true;
  }
  if (const std::optional<Key> pressed = PanelKeyOf(key, panel_.Panel().Model())) {
    const std::string error = panel_.Key(KeyName(*pressed));
    message_ = error;
  }
  return true;
}

bool TerminalDisplay::Take(const std::string& bytes) {
  bool going = true;
  for (const TypedKey& key : reader_.Take(bytes)) {
    if (!Typed(key)) {
      going = false;
      break;
    }
  }
  Redraw();
  return going;
}

void TerminalDisplay::Refresh() {
  panel_.Follow();
  Redraw();
}

bool RawTerminal::Enter(int input_fd, int output_fd) {
  if (::isatty(input_fd) == 0 || ::isatty(output_fd) == 0 || ::tcgetattr(input_fd, &saved_) != 0) {
    return false;
  }
  termios raw = saved_;
  raw.c_iflag &= ~static_cast<tcflag_t>(IXON | ICRNL | INLCR | IGNCR | ISTRIP | BRKINT);
  raw.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO | IEXTEN);
  raw.c_cc[VMIN] = 1;
  raw.c_cc[VTIME] = 0;
  // Ctrl-C stays a SIGINT (the program stops as usual); Ctrl-Z would leave
  // the terminal raw behind a stopped program.
  raw.c_cc[VSUSP] = _POSIX_VDISABLE;
  if (::tcsetattr(input_fd, TCSAFLUSH, &raw) != 0) {
    return false;
  }
  input_ = input_fd;
  output_ = output_fd;
  [[maybe_unused]] const ssize_t written = ::write(output_, "\x1b[?25l", 6);
  return true;
}

void RawTerminal::Restore() {
  if (input_ < 0) {
    return;
  }
  ::tcsetattr(input_, TCSAFLUSH, &saved_);
  [[maybe_unused]] const ssize_t written = ::write(output_, "\x1b[?25h", 6);
  input_ = -1;
}

}  // namespace orvane::sim
