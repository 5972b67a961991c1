#include "tests/support/BackgroundProgram.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <thread>

#include "tests/support/TestPaths.h"

extern char** environ;

namespace orvane::testing {
namespace {

std::string TextIfAny(const std::filesystem::path& path) {
  return std::filesystem::exists(path) ? ReadText(path) : std::string();
}

}  // namespace

BackgroundProgram::BackgroundProgram(const std::filesystem::path& program,
                                     const std::vector<std::string>& args,
                                     const std::filesystem::path& dir)
    : dir_(dir) {
  std::vector<std::string> argv = {program.string()};
  argv.insert(argv.end(), args.begin(), args.end());
  std::vector<char*> pointers;
  for (std::string& arg : argv) {
    pointers.push_back(arg.data());
  }
  pointers.push_back(nullptr);
  // Output goes to files, so a chatty program never blocks on a full pipe.
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, (dir_ / "out").c_str(),
                                   O_WRONLY | O_CREAT | O_TRUNC, 0600);
  posix_spawn_file_actions_addopen(&actions, 2, (dir_ / "err").c_str(),
                                   O_WRONLY | O_CREAT | O_TRUNC, 0600);
  if (posix_spawn(&pid_, argv[0].c_str(), &actions, nullptr, pointers.data(), environ) != 0) {
    pid_ = -1;
  }
  posix_spawn_file_actions_destroy(&actions);
}

BackgroundProgram::~BackgroundProgram() {
  if (pid_ > 0) {
    kill(pid_, SIGKILL);
    Wait();
  }
}

std::string BackgroundProgram::Out() const {
  return TextIfAny(dir_ / "out");
}

std::string BackgroundProgram::Err() const {
  return TextIfAny(dir_ / "err");
}

bool BackgroundProgram::WaitUntil(const std::function<bool()>& found,
                                  std::chrono::seconds patience) {
  const auto until = std::chrono::steady_clock::now() + patience;
  for (;;) {
    if (found()) {
      return true;
    }
    if (HasEnded() || std::chrono::steady_clock::now() > until) {
      return found();
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
}

bool BackgroundProgram::WaitForText(bool errorStream, const std::string& text,
                                    std::chrono::seconds patience) {
  return WaitUntil([&] { return (errorStream ? Err() : Out()).find(text) != std::string::npos; },
                   patience);
}

std::string BackgroundProgram::WaitForLine(const std::string& prefix,
                                           std::chrono::seconds patience) {
  std::string line;
  WaitUntil(
      [&] {
        const std::string out = Out();
        for (size_t start = 0; start < out.size();) {
          const size_t end = out.find('\n', start);
          if (end == std::string::npos) {
            return false;
          }
          if (out.compare(start, prefix.size(), prefix) == 0) {
            line = out.substr(start + prefix.size(), end - start - prefix.size());
            return true;
          }
          start = end + 1;
        }
        return false;
      },
      patience);
  return line;
}

bool BackgroundProgram::HasEnded() {
  if (pid_ <= 0) {
    return true;
  }
  if (waitpid(pid_, &status_, WNOHANG) == pid_) {
    pid_ = -1;
    exited_ = WIFEXITED(status_);
    return true;
  }
  return false;
}

void BackgroundProgram::Signal(int signal) {
  if (pid_ > 0) {
    kill(pid_, signal);
  }
}

int BackgroundProgram::Wait() {
  if (pid_ > 0) {
    while (waitpid(pid_, &status_, 0) < 0 && errno == EINTR) {
    }
    pid_ = -1;
    exited_ = WIFEXITED(status_);
  }
  return exited_ ? WEXITSTATUS(status_) : -1;
}

}  // namespace orvane::testing
