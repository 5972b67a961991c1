#include "cli/DriverCallOptions.h"

#include <cctype>

#include "plchost/PlcDataTypes.h"

namespace orvane::cli {

std::vector<OptionSpec> DriverCallSpecs() {
  return {{"--type-code", true, false, ""},
          {"--app-type", true, false, ""},
          {"--check-access", false, false, ""},
          {"--check-type", false, false, ""}};
}

DriverCallOptions ReadDriverCallOptions(const Arguments& args) {
  DriverCallOptions options;
  if (const auto code = args.Integer("--type-code", 0, plc::kDataTypeCount - 1)) {
    options.typeCode = static_cast<int>(*code);
  }
  options.applicationType = static_cast<int>(args.Integer("--app-type", 0, 2).value_or(2));
  options.checkAccess = args.Has("--check-access");
  options.checkDataType = args.Has("--check-type");
  options.any =
      options.typeCode || args.Has("--app-type") || options.checkAccess || options.checkDataType;
  return options;
}

std::string DriverCallHelp() {
  std::string help = "  --type-code N    the data type code handed to the driver as it is:\n";
  for (const plc::DataTypeName& name : plc::kDataTypeNames) {
    help += "                     " + std::to_string(name.code) + " " + name.identifier + " (" +
            name.displayName + ")\n";
  }
  help +=
      "  --app-type N     the driver's application type: 0, 1 or 2 (default 2, as\n"
      "                   in the desktop program)\n"
      "  --check-access   ValidatePlc's check-access flag: the address's access must\n"
      "                   suit --access\n"
      "  --check-type     ValidatePlc's check-data-type flag: the address must suit\n"
      "                   the data type code\n";
  return help;
}

std::vector<unsigned char> ParseMapBytes(const std::string& text) {
  std::vector<unsigned char> bytes;
  std::string digits;
  const auto take = [&] {
    if (!digits.empty()) {
      bytes.push_back(static_cast<unsigned char>(std::stoul(digits, nullptr, 16)));
      digits.clear();
    }
  };
  for (const char c : text) {
    if (std::isspace(static_cast<unsigned char>(c)) != 0) {
      take();
    } else if (std::isxdigit(static_cast<unsigned char>(c)) != 0) {
      digits += c;
      if (digits.size() == 2) {
        take();
      }
    } else {
      throw UsageError("--map takes hexadecimal bytes, such as \"FF 07 00 07 00 00 FF\"");
    }
  }
  take();
  if (bytes.empty()) {
    throw UsageError("--map needs at least one byte");
  }
  return bytes;
}

}  // namespace orvane::cli
