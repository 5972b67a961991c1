#include "plchost/AddressConversionLog.h"

#include <ctime>

#include "base/AtomicFile.h"
#include "base/StringTable.h"

namespace orvane {

std::string AddressLogFileText(const std::vector<std::string>& lines,
                               const std::string& createdOn) {
  std::string text = "Address conversion log file\n";
  text += FormatText("Created on : %s\n", createdOn.c_str());
  text += FormatText("%s\t%s\t\t%s\n\n", LoadString(strings::kOldAddress),
                     LoadString(strings::kNewAddress), LoadString(strings::kRemarks));
  for (const std::string& line : lines) {
    text += line;
    text += '\n';
  }
  return text;
}

std::string LogTimestamp() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char text[128] = {};
  // The locale's own date and time form.
  std::strftime(text, sizeof text, "%c", &local);
  return text;
}

bool SaveAddressLogFile(const std::filesystem::path& path, const std::vector<std::string>& lines,
                        std::string* error) {
  return WriteFileAtomically(path, AddressLogFileText(lines, LogTimestamp()), error);
}

}  // namespace orvane
