#include "cli/Commands.h"

#include "cli/CommandGroups.h"

namespace orvane::cli {

const std::vector<CommandGroup>& CommandGroups() {
  static const std::vector<CommandGroup> groups = {
      PlcCommandGroup(),     AddressCommandGroup(), ImageCommandGroup(),  PortCommandGroup(),
      ProjectCommandGroup(), PanelCommandGroup(),   ConfigCommandGroup(),
  };
  return groups;
}

}  // namespace orvane::cli
