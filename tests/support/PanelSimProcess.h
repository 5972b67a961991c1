// orvane-panelsim running in the background on a pseudo-terminal, with its
// link in a folder of the test's.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/BackgroundProgram.h"
#include "tests/support/TestPaths.h"

namespace orvane::testing {

class PanelSimProcess {
 public:
  /// Starts the staged orvane-panelsim with the arguments and --link
  /// dir/port, in dir (a fresh folder by default), and waits until it shows
  /// the port it answers on.
  explicit PanelSimProcess(std::vector<std::string> args,
                           const std::filesystem::path& dir = MakeTempDir("sim"));

  bool Started() const { return !portPath_.empty(); }
  /// The path it printed after "Port: " (the link).
  const std::string& PortPath() const { return portPath_; }
  const std::filesystem::path& LinkPath() const { return link_; }
  const std::filesystem::path& Dir() const { return dir_; }
  std::string Out() const { return program_.Out(); }
  std::string Err() const { return program_.Err(); }

  /// The signal (SIGTERM or SIGINT), then the exit status (-1 when it did
  /// not exit normally or was not running).
  int Stop(int signal = 15);

 private:
  std::filesystem::path dir_;
  std::filesystem::path link_;
  BackgroundProgram program_;
  std::string portPath_;
};

}  // namespace orvane::testing
