// orvane-cli address rebuild: a map string back to a driver's text.
#pragma once

#include <string>
#include <vector>

namespace orvane::cli {

extern const char* const kRebuildUsage;

/// Runs "address rebuild" with the arguments after the word rebuild.
int RebuildAddress(const std::vector<std::string>& args);

}  // namespace orvane::cli
