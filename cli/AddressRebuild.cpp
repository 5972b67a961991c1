#include "cli/AddressRebuild.h"

#include <cstdio>

#include "cli/Arguments.h"
#include "cli/DriverCallOptions.h"
#include "cli/DriverSelection.h"
#include "cli/ExitStatus.h"
#include "cli/Json.h"
#include "cli/MessageRecorder.h"
#include "cli/TerminalUserInterface.h"
#include "plchost/DriverAddress.h"
#include "plchost/PlcDataTypes.h"

namespace orvane::cli {

const char* const kRebuildUsage =
    "Usage: orvane-cli address rebuild --plc PLC --map \"HEX BYTES\" [--type-code N]\n"
    "                                  [--app-type N] [--json]\n"
    "\n"
    "Asks the PLC's driver for the text of a map string (ReBuildAddress) and\n"
    "prints it, or the driver's message when it refuses. The text is then\n"
    "validated again (ValidatePlc with --type-code, default 8, BCD 16) and the\n"
    "output says whether it gives back the same map string.\n"
    "\n"
    "  --plc PLC        the driver (see below)\n"
    "  --map BYTES      the map string, as many bytes as the driver's map length\n"
    "  --type-code N    the data type code of the second validation, 0 to 12\n"
    "  --app-type N     the driver's application type: 0, 1 or 2 (default 2)\n"
    "  --json           one JSON object with the keys map, rebuilt, text, message,\n"
    "                   revalidated_map and round_trip\n"
    "\n"
    "Exit status: 0 when the driver rebuilt the text, 1 when it refused.\n";

int RebuildAddress(const std::vector<std::string>& rest) {
  std::vector<OptionSpec> optionSpecs = {
      {"--plc", true, false, ""}, {"--map", true, false, ""}, {"--json", false, false, ""}};
  for (const OptionSpec& optionSpec : DriverCallSpecs()) {
    if (optionSpec.name == "--type-code" || optionSpec.name == "--app-type") {
      optionSpecs.push_back(optionSpec);
    }
  }
  const Arguments args(rest, optionSpecs);
  const std::string plc = args.Required("--plc");
  const std::vector<unsigned char> bytes = ParseMapBytes(args.Required("--map"));
  const DriverCallOptions options = ReadDriverCallOptions(args);
  const bool json = args.Has("--json");
  if (!args.Positional().empty()) {
    throw UsageError("unexpected argument '" + args.Positional().front() + "'");
  }

  TerminalUserInterface terminal;
  MessageRecorder recorder(terminal);
  DriverSession session(recorder);
  session.Open(plc);
  PlcDriver& driver = session.Driver();
  driver.TellApplicationType(options.applicationType);
  const int mapLength = driver.DriverDetails().mapLength;
  if (static_cast<int>(bytes.size()) != mapLength) {
    throw UsageError("the map string of this driver has " + std::to_string(mapLength) +
                     " bytes, --map gives " + std::to_string(bytes.size()));
  }

  DriverAddress address;
  std::copy(bytes.begin(), bytes.end(), address.map.begin());
  address.mapLength = mapLength;
  recorder.TakeMessages();
  const std::string text = driver.AddressText(address);
  const std::string message = recorder.TakeMessages();
  const bool rebuilt = !text.empty();

  DriverAddress again;
  bool revalidated = false;
  std::string againMessage;
  if (rebuilt) {
    revalidated = driver.ValidateRaw(
        again, text, RawValidation{0, options.typeCode.value_or(plc::BCD_INT_16), false, false});
    againMessage = recorder.TakeMessages();
  }
  const bool same = revalidated && again.map == address.map;

  if (json) {
    std::printf(
        "{\"map\": %s, \"rebuilt\": %s, \"text\": %s, \"message\": %s, \"revalidated_map\": %s, "
        "\"round_trip\": %s}\n",
        JsonString(address.MapText()).c_str(), rebuilt ? "true" : "false", JsonString(text).c_str(),
        JsonString(rebuilt ? againMessage : message).c_str(),
        JsonString(revalidated ? again.MapText() : "").c_str(), same ? "true" : "false");
  } else if (!rebuilt) {
    std::printf("%s  refused  %s\n", address.MapText().c_str(), message.c_str());
  } else if (same) {
    std::printf("%s  rebuilt %s  (validates back to the same map string)\n",
                address.MapText().c_str(), text.c_str());
  } else if (revalidated) {
    std::printf("%s  rebuilt %s  (validates back to %s)\n", address.MapText().c_str(), text.c_str(),
                again.MapText().c_str());
  } else {
    std::printf("%s  rebuilt %s  (does not validate again: %s)\n", address.MapText().c_str(),
                text.c_str(), againMessage.c_str());
  }
  return rebuilt ? kExitOk : kExitNegative;
}

}  // namespace orvane::cli
