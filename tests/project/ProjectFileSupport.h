// Shared pieces of the project file tests: the golden files and a driver
// look-up that answers as an installation under /opt/orvane would.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "project/ProjectReader.h"

namespace orvane::testing {

inline constexpr const char* kBriskoName =
    "Allen-Bradley SLC 500/MicroLogix DF1(Half Duplex) - Rev C";
inline constexpr const char* kBriskoPath = "/opt/orvane/lib/orvane/dll/Brisko.so";

/// The SLC 500 driver (1:4) at its installed place; nothing else.
DriverLookup FixedLookup();

/// tests/data/projects/<name>
std::filesystem::path GoldenFile(const std::string& name);

/// The golden files of the current version.
std::vector<std::string> CurrentGoldenFiles();

/// The lines of a text, each with its line break, as written.
std::vector<std::string> SplitLines(const std::string& text);

}  // namespace orvane::testing
