#include "tests/support/RunProgram.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <stdexcept>

#include "tests/support/TestPaths.h"

extern char** environ;

namespace orvane::testing {

ProgramResult RunProgram(const std::filesystem::path& program,
                         const std::vector<std::string>& args) {
  // Output goes to files, so a chatty program never blocks on a full pipe.
  const std::filesystem::path dir = MakeTempDir("run");
  const std::string outPath = (dir / "out").string();
  const std::string errPath = (dir / "err").string();

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                   0600);
  posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                   0600);

  std::vector<std::string> argvStrings;
  argvStrings.push_back(program.string());
  argvStrings.insert(argvStrings.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& arg : argvStrings) {
    argv.push_back(arg.data());
  }
  argv.push_back(nullptr);

  pid_t pid = 0;
  const int spawned =
      posix_spawn(&pid, argvStrings[0].c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) {
    throw std::runtime_error("cannot run " + program.string());
  }
  int status = 0;
  while (waitpid(pid, &status, 0) < 0) {
    if (errno != EINTR) {
      throw std::runtime_error("lost the child process of " + program.string());
    }
  }
  ProgramResult result;
  result.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  result.out = ReadText(outPath);
  result.err = ReadText(errPath);
  std::filesystem::remove_all(dir);
  return result;
}

ProgramResult RunCli(const std::vector<std::string>& args) {
  return RunProgram(StagedBinDir() / "orvane-cli", args);
}

}  // namespace orvane::testing
