// A program of the staging tree (orvane-cli, orvane-panelsim) running as a
// child process while the test goes on: its output goes to files the test
// reads as they grow, and the test may signal it and wait for it.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace orvane::testing {

class BackgroundProgram {
 public:
  /// Starts the program with the arguments, standard input from /dev/null
  /// and its output in dir/out and dir/err. Running() tells whether it
  /// started.
  BackgroundProgram(const std::filesystem::path& program, const std::vector<std::string>& args,
                    const std::filesystem::path& dir);
  /// Kills a program still running.
  ~BackgroundProgram();
  BackgroundProgram(const BackgroundProgram&) = delete;
  BackgroundProgram& operator=(const BackgroundProgram&) = delete;

  /// Whether it has been started and has not been waited for.
  bool Running() const { return pid_ > 0; }
  std::string Out() const;
  std::string Err() const;

  /// Waits until the stream (Out or Err) holds text, the program ends, or
  /// the patience runs out; whether the text is there.
  bool WaitForText(bool errorStream, const std::string& text, std::chrono::seconds patience);
  /// The same for the first whole line of standard output that begins with
  /// prefix: the rest of that line, or empty when none came.
  std::string WaitForLine(const std::string& prefix, std::chrono::seconds patience);
  /// Whether the program has ended (it is then waited for).
  bool HasEnded();

  void Signal(int signal);
  /// Waits for the end: the exit status, or -1 when it did not exit
  /// normally (or was not running).
  int Wait();

 private:
  /// Polls until found() holds, the program ends or the patience runs out;
  /// whether it holds.
  bool WaitUntil(const std::function<bool()>& found, std::chrono::seconds patience);

  std::filesystem::path dir_;
  pid_t pid_ = -1;
  int status_ = 0;
  bool exited_ = false;
};

}  // namespace orvane::testing
