// orvane-cli plc: the installed PLC drivers.
#include <cstdio>
#include <stdexcept>

#include "base/AtomicFile.h"
#include "base/InstallDir.h"
#include "cli/Arguments.h"
#include "cli/CommandGroups.h"
#include "cli/DriverSelection.h"
#include "cli/ExitStatus.h"
#include "cli/Json.h"
#include "cli/TerminalUserInterface.h"
#include "plchost/DriverCatalog.h"
#include "project/ProjectDriver.h"

namespace orvane::cli {
namespace {

const char* const kUsage =
    "Usage: orvane-cli plc list [--json]\n"
    "       orvane-cli plc default-attributes PLC -o FILE\n"
    "\n"
    "list                 every PLC driver in the install directory's dll/ folder,\n"
    "                     in file-name order: its name, manufacturer and model\n"
    "                     code, map string length, panel-side driver image name\n"
    "                     and path. A library there that does not load or does\n"
    "                     not name itself is left out. Exit status 1 when no\n"
    "                     driver is installed.\n"
    "  --json             one JSON array of objects with the keys name,\n"
    "                     manufacturer, model, map_length, driver_image, path\n"
    "\n"
    "default-attributes   the driver writes its default PLC attribute file (.atr)\n"
    "  -o, --output FILE  the file to write (replaced when it exists)\n"
    "\n"
    "The install directory is lib/orvane beside the program's bin/ folder, or\n"
    "ORVANE_INSTALL_DIR.\n";

void PrintText(const std::vector<DriverEntry>& entries) {
  for (const DriverEntry& entry : entries) {
    std::printf("%s\n  codes %u:%u, map length %d, driver image %s\n  %s\n", entry.name.c_str(),
                entry.manufacturerCode, entry.modelCode, entry.mapLength, entry.driverImage.c_str(),
                entry.path.c_str());
  }
}

void PrintJson(const std::vector<DriverEntry>& entries) {
  std::printf("[");
  for (size_t i = 0; i < entries.size(); ++i) {
    const DriverEntry& entry = entries[i];
    std::printf(
        "%s\n  {\"name\": %s, \"manufacturer\": %u, \"model\": %u, \"map_length\": %d, "
        "\"driver_image\": %s, \"path\": %s}",
        i == 0 ? "" : ",", JsonString(entry.name).c_str(), entry.manufacturerCode, entry.modelCode,
        entry.mapLength, JsonString(entry.driverImage).c_str(), JsonString(entry.path).c_str());
  }
  std::printf("%s]\n", entries.empty() ? "" : "\n");
}

int List(const std::vector<std::string>& rest) {
  const Arguments args(rest, {{"--json", false, false, ""}});
  if (!args.Positional().empty()) {
    throw UsageError("plc list takes no arguments");
  }
  DriverCatalog catalog(PluginDir());
  catalog.ScanDrivers();
  const std::vector<DriverEntry>& entries = catalog.Entries();
  if (args.Has("--json")) {
    PrintJson(entries);
  } else {
    PrintText(entries);
  }
  if (entries.empty()) {
    std::fprintf(stderr, "No PLC driver in %s\n", PluginDir().string().c_str());
    return kExitNegative;
  }
  return kExitOk;
}

int DefaultAttributes(const std::vector<std::string>& rest) {
  const Arguments args(rest, {{"-o", true, false, "--output"}});
  if (args.Positional().size() != 1) {
    throw UsageError("plc default-attributes takes one PLC");
  }
  const std::string output = args.Required("-o");
  TerminalUserInterface ui;
  DriverSession session(ui);
  session.Open(args.Positional()[0]);
  // The driver writes into the host's private attribute file; the host
  // puts the bytes in place like every file it writes (atomically, through
  // a link, with the reason when it cannot).
  const std::vector<unsigned char> bytes = DefaultAttributeBytes(session.Driver());
  if (bytes.empty()) {
    std::fprintf(stderr, "%s could not write %s: the driver made no attributes\n",
                 session.Entry().name.c_str(), output.c_str());
    return kExitFile;
  }
  std::string error;
  if (!WriteFileAtomically(
          output, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()),
          &error)) {
    std::fprintf(stderr, "%s could not write %s: %s\n", session.Entry().name.c_str(),
                 output.c_str(), error.c_str());
    return kExitFile;
  }
  return kExitOk;
}

int Run(const std::vector<std::string>& args) {
  if (args.empty()) {
    throw UsageError("missing plc command");
  }
  const std::vector<std::string> rest(args.begin() + 1, args.end());
  if (args[0] == "list") {
    return List(rest);
  }
  if (args[0] == "default-attributes") {
    return DefaultAttributes(rest);
  }
  throw UsageError("unknown plc command '" + args[0] + "'");
}

}  // namespace

CommandGroup PlcCommandGroup() {
  static const std::string usage = std::string(kUsage) + "\n" + kPlcArgumentHelp;
  return CommandGroup{"plc", "list the PLC drivers, write a driver's default attributes",
                      usage.c_str(), &Run};
}

}  // namespace orvane::cli
