// The command groups of orvane-cli. Each group lives in its own file and
// parses its own arguments (everything after the group's name).
#pragma once

#include <string>
#include <vector>

namespace orvane::cli {

struct CommandGroup {
  const char* name;
  const char* summary;
  const char* usage;  // the group's own help text
  int (*run)(const std::vector<std::string>& args);
};

/// Every command group, in the order --help lists them.
const std::vector<CommandGroup>& CommandGroups();

}  // namespace orvane::cli
