// orvane-cli config: the settings the desktop program and orvane-cli share.
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "base/Settings.h"
#include "cli/Arguments.h"
#include "cli/CommandGroups.h"
#include "cli/ExitStatus.h"
#include "link/PortNames.h"

namespace orvane::cli {
namespace {

constexpr char kUsage[] =
    "Usage: orvane-cli config port [NAME]\n"
    "\n"
    "port        shows the \"Port\" setting: the serial port the desktop program\n"
    "            starts with and orvane-cli panel uses without --port, and the\n"
    "            file that holds it. With NAME (COM1..COM4 or a device path such\n"
    "            as /dev/ttyUSB0) stores it: in the machine-wide file beside the\n"
    "            installation, or in your own settings file when that one\n"
    "            cannot be written.\n"
    "\n"
    "Exit status: 0 done; 2 bad command line (a NAME that is no port); 4 the\n"
    "setting could not be stored.\n";

int Port(const std::vector<std::string>& positional) {
  Settings& settings = AppSettings();
  if (positional.size() > 2) {
    throw UsageError("config port takes at most one NAME");
  }
  if (positional.size() == 2) {
    const std::string& name = positional[1];
    const std::vector<std::string> comNames = ComPortNames();
    const bool comName = std::find(comNames.begin(), comNames.end(), name) != comNames.end();
    if (!comName && (name.empty() || name.front() != '/')) {
      throw UsageError("'" + name + "' is no port: give COM1..COM4 or a device path");
    }
    if (!settings.SetPort(name)) {
      std::fprintf(stderr, "The Port setting could not be stored in %s nor in %s (%s)\n",
                   settings.Paths().machineFile.c_str(), settings.Paths().userFile.c_str(),
                   settings.WriteError().c_str());
      return kExitFile;
    }
  }
  const std::string port = settings.Port();
  const std::optional<std::filesystem::path> file = settings.MachineValueFile(settings::kPort);
  if (port.empty() || !file) {
    std::printf("Port: not set (orvane-cli panel then needs --port; it would be stored in %s)\n",
                settings.Paths().machineFile.c_str());
    return kExitOk;
  }
  std::printf("Port: %s\n", PortNameAndDevice(port).c_str());
  std::printf("Stored in: %s\n", file->c_str());
  return kExitOk;
}

int Run(const std::vector<std::string>& rawArgs) {
  const Arguments args(rawArgs, {});
  const std::vector<std::string>& positional = args.Positional();
  if (positional.empty()) {
    throw UsageError("missing config setting");
  }
  if (positional[0] == "port") {
    return Port(positional);
  }
  throw UsageError("unknown setting '" + positional[0] + "'");
}

}  // namespace

CommandGroup ConfigCommandGroup() {
  return CommandGroup{"config", "show or store the settings (the serial port)", kUsage, Run};
}

}  // namespace orvane::cli
