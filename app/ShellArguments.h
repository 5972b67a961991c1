// The desktop program's command line.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace orvane {

struct ShellArguments {
  /// --open FILE: the project to open once the welcome screen is up. A file
  /// named without --open opens nothing, as the program always starts on
  /// its welcome screen.
  std::optional<std::string> openFile;
  /// Names given without --open (ignored; the caller may say so).
  std::vector<std::string> ignored;
  bool help = false;
  /// --check-display: only say (by the exit status) whether the desktop
  /// program can show itself here.
  bool checkDisplay = false;
  /// A reason the command line is refused; empty when it is fine.
  std::string error;
};

/// Parses the arguments after the program name (Qt's own options already
/// taken out): "--open FILE", "--open=FILE", "--check-display",
/// "-h"/"--help".
ShellArguments ParseShellArguments(const std::vector<std::string>& args);

inline constexpr const char* kShellUsage =
    "Usage: orvane [--open FILE]\n"
    "       orvane --check-display\n"
    "\n"
    "Starts the Orvane desktop program on its welcome screen. With --open it\n"
    "then opens the project FILE; a file named without --open is not opened.\n"
    "--check-display only tells by its exit status whether the program can\n"
    "show itself on this display.\n";

}  // namespace orvane
