#include "cli/Commands.h"

namespace orvane::cli {

const std::vector<CommandGroup>& CommandGroups() {
  static const std::vector<CommandGroup> groups = {
  };
  return groups;
}

}  // namespace orvane::cli
