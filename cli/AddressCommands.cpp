// orvane-cli address: PLC addresses through a driver.
#include <cstdio>

#include "cli/AddressRebuild.h"
#include "cli/Arguments.h"
#include "cli/CommandGroups.h"
#include "cli/DriverCallOptions.h"
#include "cli/DriverSelection.h"
#include "cli/ExitStatus.h"
#include "cli/Json.h"
#include "cli/MessageRecorder.h"
#include "cli/TerminalUserInterface.h"
#include "plchost/DriverAddress.h"

namespace orvane::cli {
namespace {

const char* const kUsage =
    "Usage: orvane-cli address validate --plc PLC [--data-type N] [--access N]\n"
    "                                   [--raw [--type-code N] [--app-type N]\n"
    "                                    [--check-access] [--check-type]]\n"
    "                                   [--json] TEXT...\n"
    "\n"
    "Checks each address TEXT with the PLC's driver, as an address field of the\n"
    "desktop program does: the driver's syntax and range check, then the\n"
    "program's own: bit addresses are refused (Error Z007) and the address's\n"
    "access must suit the wanted access (Error T002). An empty TEXT is an unset\n"
    "address and is accepted without a check.\n"
    "\n"
    "  --plc PLC        the driver (see below)\n"
    "  --data-type N    the tag's data type: 0 BCD 16 (default), 1 Binary 16,\n"
    "                   2 BCD 32, 3 Binary 32\n"
    "  --access N       the access the field needs: 0 read and write (default),\n"
    "                   1 read only, 2 write only\n"
    "  --raw            the driver's own check only (ValidatePlc), no program\n"
    "                   checks; an empty TEXT is checked too. With --raw:\n"
    "  --json           one JSON array of objects with the keys text, valid, map,\n"
    "                   access, is_bit, canonical, message (access and is_bit are\n"
    "                   null for an invalid address)\n"
    "\n"
    "For each TEXT it prints whether it is valid, its map string as hexadecimal\n"
    "bytes, the address's access (0 read/write, 1 read only), whether it names a\n"
    "single bit, the driver's canonical spelling, and the message the driver or\n"
    "the program showed. Messages also go to standard error as they are shown.\n"
    "The driver works in application type 2, as in the desktop program (the SLC\n"
    "500 driver then refuses floating point files), unless --app-type says\n"
    "otherwise.\n"
    "\n"
    "Exit status: 0 when every TEXT is valid, 1 otherwise.\n";

// The usage of both address commands: validate's with its --raw options,
// then rebuild's.
std::string Usage() {
  std::string usage = kUsage;
  const std::string marker = "With --raw:\n";
  usage.insert(usage.find(marker) + marker.size(), DriverCallHelp());
  return usage + "\n" + kRebuildUsage;
}

struct Result {
  std::string text;
  bool valid = false;
  bool checked = true;  // false for an unset (empty) address
  DriverAddress address;
  std::string canonical;
  std::string message;
};

void PrintText(const Result& result) {
  if (!result.valid) {
    std::printf("%-14s invalid  %s\n", result.text.c_str(), result.message.c_str());
  } else if (!result.checked) {
    std::printf("%-14s valid    (unset address)\n", "\"\"");
  } else {
    std::printf("%-14s valid    map %s  access %d  is-bit %d  canonical %s\n", result.text.c_str(),
                result.address.MapText().c_str(), result.address.access, result.address.isBit,
                result.canonical.c_str());
  }
  std::fflush(stdout);
}

std::string JsonObject(const Result& result) {
  const bool filled = result.valid && result.checked;
  return "{\"text\": " + JsonString(result.text) +
         ", \"valid\": " + (result.valid ? "true" : "false") +
         ", \"map\": " + JsonString(filled ? result.address.MapText() : "") +
         ", \"access\": " + (filled ? std::to_string(result.address.access) : "null") +
         ", \"is_bit\": " + (filled ? std::to_string(result.address.isBit) : "null") +
         ", \"canonical\": " + JsonString(result.canonical) +
         ", \"message\": " + JsonString(result.message) + "}";
}

int Validate(const std::vector<std::string>& rest) {
  std::vector<OptionSpec> optionSpecs = {{"--plc", true, false, ""},
                                         {"--data-type", true, false, ""},
                                         {"--access", true, false, ""},
                                         {"--raw", false, false, ""},
                                         {"--json", false, false, ""}};
  for (const OptionSpec& optionSpec : DriverCallSpecs()) {
    optionSpecs.push_back(optionSpec);
  }
  const Arguments args(rest, optionSpecs);
  const std::string plc = args.Required("--plc");
  const int dataType = static_cast<int>(args.Integer("--data-type", 0, 3).value_or(0));
  const int access = static_cast<int>(args.Integer("--access", 0, 2).value_or(0));
  const bool raw = args.Has("--raw");
  const bool json = args.Has("--json");
  const DriverCallOptions call = ReadDriverCallOptions(args);
  if (call.any && !raw) {
    throw UsageError("--type-code, --app-type, --check-access and --check-type need --raw");
  }
  if (call.typeCode && args.Has("--data-type")) {
    throw UsageError("give either --data-type or --type-code");
  }
  const RawValidation rawCall{access, call.typeCode.value_or(DriverDataTypeCode(dataType)),
                              call.checkAccess, call.checkDataType};
  if (args.Positional().empty()) {
    throw UsageError("no address given");
  }

  TerminalUserInterface terminal;
  MessageRecorder recorder(terminal);
  DriverSession session(recorder);
  session.Open(plc);
  PlcDriver& driver = session.Driver();
  driver.TellApplicationType(call.applicationType);

  bool allValid = true;
  std::vector<Result> results;
  for (const std::string& text : args.Positional()) {
    Result result;
    result.text = text;
    recorder.TakeMessages();
    if (text.empty() && !raw) {
      result.valid = true;
      result.checked = false;
    } else {
      result.valid = raw ? driver.ValidateRaw(result.address, text, rawCall)
                         : driver.ValidateAddress(result.address, text, access, dataType);
      if (result.valid) {
        result.canonical = driver.AddressText(result.address);
      }
    }
    result.message = recorder.TakeMessages();
    allValid = allValid && result.valid;
    if (json) {
      results.push_back(result);
    } else {
      PrintText(result);
    }
  }
  if (json) {
    std::printf("[");
    for (size_t i = 0; i < results.size(); ++i) {
      std::printf("%s\n  %s", i == 0 ? "" : ",", JsonObject(results[i]).c_str());
    }
    std::printf("\n]\n");
  }
  return allValid ? kExitOk : kExitNegative;
}

int Run(const std::vector<std::string>& args) {
  if (args.empty()) {
    throw UsageError("missing address command");
  }
  const std::vector<std::string> rest(args.begin() + 1, args.end());
  if (args[0] == "validate") {
    return Validate(rest);
  }
  if (args[0] == "rebuild") {
    return RebuildAddress(rest);
  }
  throw UsageError("unknown address command '" + args[0] + "'");
}

}  // namespace

CommandGroup AddressCommandGroup() {
  static const std::string usage = Usage() + "\n" + kPlcArgumentHelp;
  return CommandGroup{"address", "check and rebuild PLC addresses through a driver", usage.c_str(),
                      &Run};
}

}  // namespace orvane::cli
