#include "tests/project/ProjectFileSupport.h"

#include "tests/support/TestPaths.h"

namespace orvane::testing {

DriverLookup FixedLookup() {
  return [](unsigned manufacturer, unsigned model) {
    if (manufacturer == 1 && model == 4) {
      return DriverNameAndPath{kBriskoName, kBriskoPath};
    }
    return DriverNameAndPath{};
  };
}

std::filesystem::path GoldenFile(const std::string& name) {
  return TestDataDir() / "projects" / name;
}

std::vector<std::string> CurrentGoldenFiles() {
  return {"single-panel.ovx", "multi-panel.ovx", "set-point.ovx",
          "model3.ovx",       "data-item.ovx",   "previous-version-saved.ovx"};
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::string::size_type start = 0;
  while (start < text.size()) {
    const std::string::size_type end = text.find('\n', start);
    const std::string::size_type stop = end == std::string::npos ? text.size() : end + 1;
    lines.push_back(text.substr(start, stop - start));
    start = stop;
  }
  return lines;
}

}  // namespace orvane::testing
