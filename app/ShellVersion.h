// The version text the desktop program shows on its welcome screen and in
// its About box.
#pragma once

#include <string>

#include "base/ProgramVersion.h"

namespace orvane {

struct ShellVersion {
  /// The version library's text; empty when the library or its export is
  /// missing.
  std::string text;
  /// The library did not load: the user is told "Error in loading Version
  /// Information. " (a missing export says nothing).
  bool loadFailed = false;
};

ShellVersion ShellVersionFrom(const ProgramVersion& version);

}  // namespace orvane
