// Parts of orvane-cli project that live in files of their own.
#pragma once

#include <string>
#include <vector>

namespace orvane::cli {

/// orvane-cli project tagmap check FILE [--map MAP] [--apply -o OUT]
int TagMapCommand(const std::vector<std::string>& args);
/// orvane-cli project show FILE [--json] (ProjectShow.cpp)
int ShowCommand(const std::vector<std::string>& args);
/// orvane-cli project diff A B [--json] (ProjectShow.cpp)
int DiffCommand(const std::vector<std::string>& args);

}  // namespace orvane::cli
