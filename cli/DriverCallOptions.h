// The options with which orvane-cli's address commands reach every path of
// a driver: the raw data type code, the application type and the two check
// flags of ValidatePlc, and map strings typed as hexadecimal bytes.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/Arguments.h"
#include "plchost/PlcDriver.h"

namespace orvane::cli {

/// --type-code N, --app-type N, --check-access, --check-type.
std::vector<OptionSpec> DriverCallSpecs();

struct DriverCallOptions {
  std::optional<int> typeCode;  // 0 to 12
  int applicationType = 2;      // as in the desktop program
  bool checkAccess = false;
  bool checkDataType = false;

  /// Whether any of the options was given.
  bool any = false;
};

/// Reads the options; usage errors for values out of range.
DriverCallOptions ReadDriverCallOptions(const Arguments& args);

/// The help lines of the options, with the data type codes and their names.
std::string DriverCallHelp();

/// "FF 07 00 07 00 00 FF" (blanks optional between bytes) as bytes; a usage
/// error for anything else.
std::vector<unsigned char> ParseMapBytes(const std::string& text);

}  // namespace orvane::cli
