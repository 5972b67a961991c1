#include "cli/CommandGroups.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "cli/Arguments.h"
#include "cli/ExitStatus.h"
#include "link/PortNames.h"

namespace orvane::cli {
namespace {

constexpr char kUsage[] =
    "Usage: orvane-cli port list\n"
    "\n"
    "Lists the serial ports present, one a line: the name to pass as a port\n"
    "(COM1..COM4 where one maps to the device, else the device path), the\n"
    "device and its description. COM1..COM4 stand for /dev/ttyS0../dev/ttyS3\n"
    "unless ORVANE_COM1..ORVANE_COM4 name other devices; any device path (a\n"
    "USB adapter, a pseudo-terminal) can be given as a port.\n";

int RunPort(const std::vector<std::string>& rawArgs) {
  const Arguments args(rawArgs, {});
  const std::vector<std::string>& positional = args.Positional();
  if (positional.empty()) {
    throw UsageError("missing subcommand");
  }
  if (positional[0] != "list") {
    throw UsageError("unknown subcommand '" + positional[0] + "'");
  }
  if (positional.size() > 1) {
    throw UsageError("too many arguments");
  }
  for (const SerialPortEntry& entry : ListSerialPorts()) {
    std::string line = entry.name;
    line.resize(std::max<size_t>(line.size() + 1, 15), ' ');
    line += entry.device;
    if (!entry.description.empty()) {
      line.resize(std::max<size_t>(line.size() + 1, 40), ' ');
      line += entry.description;
    }
    std::printf("%s\n", line.c_str());
  }
  return kExitOk;
}

}  // namespace

CommandGroup PortCommandGroup() {
  return CommandGroup{"port", "list the serial ports present", kUsage, RunPort};
}

}  // namespace orvane::cli
