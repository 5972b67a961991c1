// Arbitrary bytes as a Think & Do tag map file: it loads into both tag map
// tables alike, its first two lines are the headers, and every entry is a
// register tag (type 5 or 7) keyed by a name without a comma.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "base/UserInterface.h"
#include "project/TOvProject.h"
#include "project/TextNumbers.h"
#include "tests/fuzz/support/SilentUserInterface.h"

namespace {

// A folder in memory when there is one: the files are written for every
// input.
std::filesystem::path ScratchFolder() {
  std::error_code error;
  return std::filesystem::is_directory("/dev/shm", error) ? std::filesystem::path("/dev/shm")
                                                          : std::filesystem::temp_directory_path();
}

using orvane::fuzzing::SilentUserInterface;

std::string path;

// Takes the first line off text, without its line end and the CRs before it.
std::string FirstLine(std::string& text) {
  const size_t end = std::min(text.find('\n'), text.size());
  std::string line = text.substr(0, end);
  text.erase(0, std::min(end + 1, text.size()));
  while (!line.empty() && line.back() == '\r') {
    line.pop_back();
  }
  return line;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  path = (ScratchFolder() / ("orvane-fuzz-" + std::to_string(getpid()) + ".map")).string();
  std::atexit([] { std::filesystem::remove(path); });
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
  }
  SilentUserInterface ui;
  orvane::TOvProject project;
  if (!project.LoadTagMap(path, ui)) {
    std::abort();
  }
  const orvane::TOvTagMap& map = project.tagMaps[orvane::kTextModelTagMap];
  if (!(map == project.tagMaps[orvane::kSetPointTagMap]) || map.header1 != FirstLine(text) ||
      map.header2 != FirstLine(text)) {
    std::abort();
  }
  for (const auto& [name, rest] : map.entries) {
    const size_t first = rest.find(',');
    const size_t second = first == std::string::npos ? first : rest.find(',', first + 1);
    const int32_t type = second == std::string::npos
                             ? 0
                             : orvane::ParseInt32(rest.substr(first + 1, second - first - 1));
    if (name.find(',') != std::string::npos || (type != 5 && type != 7)) {
      std::abort();
    }
  }
  return 0;
}
