// Parts of orvane-cli project that live in files of their own.
#pragma once

#include <string>
#include <vector>

namespace orvane::cli {

class Arguments;

/// The one project FILE of a project command; a usage error otherwise.
std::string OnlyFile(const Arguments& args, const char* command);

/// orvane-cli project tagmap check FILE [--map MAP] [--apply -o OUT]
int TagMapCommand(const std::vector<std::string>& args);
/// orvane-cli project show FILE [--json] (ProjectShow.cpp)
int ShowCommand(const std::vector<std::string>& args);
/// orvane-cli project diff A B [--json] (ProjectShow.cpp)
int DiffCommand(const std::vector<std::string>& args);
/// orvane-cli project report FILE -o OUT.pdf [--port N] [--landscape] [--mono]
/// [--letter] (ProjectReport.cpp)
int ReportCommand(const std::vector<std::string>& args);
/// orvane-cli project messages export FILE [--port N] -o OUT.csv, and
/// import FILE [--port N] --from IN.csv -o OUT (MessageTableCommand.cpp)
int MessagesCommand(const std::vector<std::string>& args);

}  // namespace orvane::cli
