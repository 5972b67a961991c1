// The projects the benchmarks measure, made through the project model
// rather than kept as files: panels of the four-line model, each full of
// messages that show three data items apiece.
#pragma once

#include <filesystem>

#include "base/UserInterface.h"

namespace orvane::bench {

struct LargeProjectShape {
  /// 1 makes a single panel system; 2 to 5 a multi-panel system with the
  /// panels on ports 1 up.
  int panels = 5;
  /// PLC and local messages of each panel together (at most 256); a fifth
  /// of them, and at least one, are local messages.
  int messages = 256;
  /// Data items shown by every message, 0 to 3.
  int itemsPerMessage = 3;
  /// Data items of a panel at most (the messages after them show none); 0
  /// for no limit. A panel takes at most 300 addresses, its line registers
  /// among them, so a project to write keeps below that.
  int itemsPerPanel = 0;
};

/// Makes the project (PLC: the SLC 500 DF1 half duplex driver) and saves it
/// at path; false after the messages of a failure.
bool WriteLargeProject(const LargeProjectShape& shape, const std::filesystem::path& path,
                       UserInterface& ui);

}  // namespace orvane::bench
