#include "cli/Commands.h"

#include "cli/ImageCommands.h"
#include "cli/PortCommands.h"

namespace orvane::cli {

const std::vector<CommandGroup>& CommandGroups() {
  static const std::vector<CommandGroup> groups = {
      ImageCommandGroup(),
      PortCommandGroup(),
  };
  return groups;
}

}  // namespace orvane::cli
