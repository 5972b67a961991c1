// Runs a program of the staging tree (orvane-cli, orvane-panelsim) as a
// child process and collects what it printed and its exit status.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace orvane::testing {

struct ProgramResult {
  int exitStatus = -1;  // the exit status, or -1 when the program did not exit normally
  std::string out;      // standard output
  std::string err;      // standard error
};

/// Runs the program with the arguments, standard input from /dev/null, and
/// waits for it to end.
ProgramResult RunProgram(const std::filesystem::path& program,
                         const std::vector<std::string>& args);

/// RunProgram on the staged orvane-cli.
ProgramResult RunCli(const std::vector<std::string>& args);

}  // namespace orvane::testing
