// Exit statuses of orvane-cli, the same for every command.
#pragma once

namespace orvane::cli {

enum ExitStatus : int {
  kExitOk = 0,        // done
  kExitNegative = 1,  // the command ran and the answer is "no": an address is invalid,
                      // a project check found problems, verify found differences
  kExitUsage = 2,     // bad command line
  kExitDevice = 3,    // device, link or transfer error
  kExitFile = 4,      // a file could not be read, written or understood
};

}  // namespace orvane::cli
