#include "tests/support/RunProgram.h"

#include <stdexcept>

#include "tests/support/BackgroundProgram.h"
#include "tests/support/TestPaths.h"

namespace orvane::testing {

ProgramResult RunProgram(const std::filesystem::path& program,
                         const std::vector<std::string>& args) {
  const std::filesystem::path dir = MakeTempDir("run");
  ProgramResult result;
  {
    BackgroundProgram child(program, args, dir);
    if (!child.Running()) {
      throw std::runtime_error("cannot run " + program.string());
    }
    result.exitStatus = child.Wait();
    result.out = child.Out();
    result.err = child.Err();
  }
  std::filesystem::remove_all(dir);
  return result;
}

ProgramResult RunCli(const std::vector<std::string>& args) {
  return RunProgram(StagedBinDir() / "orvane-cli", args);
}

}  // namespace orvane::testing
