// orvane-cli: the command-line twin of the desktop program.
#include <algorithm>
#include <clocale>
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "cli/Arguments.h"
#include "cli/Commands.h"
#include "cli/ExitStatus.h"
#include "cli/Json.h"

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

// The words that name the command ("project info"): the group and the
// first argument when it is a subcommand rather than an option or a file.
std::string CommandName(const std::vector<std::string>& args) {
  std::string name = args[0];
  if (args.size() > 1 && !args[1].empty() && args[1][0] != '-' &&
      args[1].find_first_of("./") == std::string::npos) {
    name += " " + args[1];
  }
  return name;
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
    orvane::cli::SetJsonRequested(std::find(rest.begin(), rest.end(), "--json") != rest.end());
    const std::string command = CommandName(args);
    int status = orvane::cli::kExitOk;
    std::string error;
    std::string details;
    try {
      status = group.run(rest);
    } catch (const orvane::cli::UsageError& usage) {
      std::fprintf(stderr, "orvane-cli %s: %s\n\n%s", group.name, usage.what(), group.usage);
      status = orvane::cli::kExitUsage;
      error = usage.what();
      details = std::string("orvane-cli ") + group.name + " --help shows how to use it.";
    } catch (const std::exception& failure) {
      std::fprintf(stderr, "orvane-cli %s: %s\n", group.name, failure.what());
      status = orvane::cli::kExitFile;
      error = failure.what();
    }
    // A command that asked for JSON gets an object on failure too, when it
    // has not printed its own report.
    if (orvane::cli::JsonRequested() && !orvane::cli::JsonPrinted() &&
        status >= orvane::cli::kExitUsage) {
      std::fputs(orvane::cli::JsonFailure(command, error, details).c_str(), stdout);
    }
    return status;
  }
  std::fprintf(stderr, "orvane-cli: unknown command '%s'\n\n", args[0].c_str());
  PrintHelp(stderr);
  return orvane::cli::kExitUsage;
}
