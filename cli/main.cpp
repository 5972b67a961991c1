// orvane-cli: the command-line twin of the desktop program.
#include <clocale>
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "cli/Arguments.h"
#include "cli/Commands.h"
#include "cli/ExitStatus.h"

namespace {

using orvane::cli::CommandGroup;
using orvane::cli::CommandGroups;

void PrintHelp(FILE* out) {
  std::fprintf(out,
               "Usage: orvane-cli <command> [arguments]\n"
               "\n"
               "Commands:\n");
  for (const CommandGroup& group : CommandGroups()) {
    std::fprintf(out, "  %-10s %s\n", group.name, group.summary);
  }
  std::fprintf(out,
               "\n"
               "orvane-cli <command> --help shows a command's own help.\n"
               "\n"
               "Exit status: 0 done; 1 the answer is no (an invalid address, a failed check,\n"
               "differences found); 2 bad command line; 3 device or transfer error;\n"
               "4 file error.\n");
}

}  // namespace

int main(int argc, char** argv) {
  // Dates in files the program writes (the address conversion log's
  // "Created on") follow the user's locale; numbers and texts stay "C".
  std::setlocale(LC_TIME, "");
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) {
    PrintHelp(stderr);
    return orvane::cli::kExitUsage;
  }
  if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
    PrintHelp(stdout);
    return orvane::cli::kExitOk;
  }
  for (const CommandGroup& group : CommandGroups()) {
    if (args[0] != group.name) {
      continue;
    }
    std::vector<std::string> rest(args.begin() + 1, args.end());
    for (const std::string& arg : rest) {
      if (arg == "--help" || arg == "-h") {
        std::fputs(group.usage, stdout);
        return orvane::cli::kExitOk;
      }
    }
    try {
      return group.run(rest);
    } catch (const orvane::cli::UsageError& error) {
      std::fprintf(stderr, "orvane-cli %s: %s\n\n%s", group.name, error.what(), group.usage);
      return orvane::cli::kExitUsage;
    } catch (const std::exception& error) {
      std::fprintf(stderr, "orvane-cli %s: %s\n", group.name, error.what());
      return orvane::cli::kExitFile;
    }
  }
  std::fprintf(stderr, "orvane-cli: unknown command '%s'\n\n", args[0].c_str());
  PrintHelp(stderr);
  return orvane::cli::kExitUsage;
}
