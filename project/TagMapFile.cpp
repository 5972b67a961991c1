// Reading a Think & Do tag map file into the project's two tag map tables.
#include <filesystem>
#include <fstream>
#include <system_error>

#include "base/StringTable.h"
#include "base/UserInterface.h"
#include "project/LineReader.h"
#include "project/TOvProject.h"
#include "project/TextNumbers.h"

namespace orvane {
namespace {

// Type indices of the tags a panel can use: C (holding register) and N
// (32-bit register).
constexpr int32_t kHoldingRegisterType = 5;
constexpr int32_t kLongRegisterType = 7;

// The number in the remainder's second comma-separated field (the map
// line's third field); 0 unless the remainder has at least two commas.
int32_t TypeIndex(const std::string& remainder) {
  const std::string::size_type first = remainder.find(',');
  if (first == std::string::npos) {
    return 0;
  }
  const std::string::size_type second = remainder.find(',', first + 1);
  if (second == std::string::npos) {
    return 0;
  }
  return ParseInt32(remainder.substr(first + 1, second - first - 1));
}

}  // namespace

bool TOvProject::LoadTagMap(const std::string& path, UserInterface& ui) {
  std::error_code error;
  // Only a regular file: a device or a pipe could feed an endless line.
  std::ifstream in;
  if (std::filesystem::is_regular_file(path, error)) {
    in.open(path, std::ios::binary);
  }
  if (!in.is_open()) {
    ui.Show(FormatText(LoadString(strings::kT005), path.c_str()));
    return false;
  }
  LineReader lines(in);
  TOvTagMap table;
  table.header1 = lines.Line();
  table.header2 = lines.Line();
  std::string line;
  while (lines.Next(line)) {
    const std::string::size_type comma = line.find(',');
    const std::string name = line.substr(0, comma);
    const std::string remainder =
        comma == std::string::npos ? std::string() : line.substr(comma + 1);
    const int32_t type = TypeIndex(remainder);
    if (type == kHoldingRegisterType || type == kLongRegisterType) {
      table.entries[name] = remainder;
    }
  }
  tagMaps[kTextModelTagMap] = table;
  tagMaps[kSetPointTagMap] = std::move(table);
  return true;
}

}  // namespace orvane
