#include "tests/support/PanelSimProcess.h"

#include <chrono>

namespace orvane::testing {
namespace {

// How long a started simulator may take to show its port (it is built with
// sanitizers in the test build).
constexpr std::chrono::seconds kStartPatience{20};

std::vector<std::string> WithLink(std::vector<std::string> args,
                                  const std::filesystem::path& link) {
  args.insert(args.end(), {"--link", link.string()});
  return args;
}

}  // namespace

PanelSimProcess::PanelSimProcess(std::vector<std::string> args, const std::filesystem::path& dir)
    : dir_(dir),
      link_(dir_ / "port"),
      program_(StagedBinDir() / "orvane-panelsim", WithLink(std::move(args), link_), dir_) {
  // The program says where its port is once it answers there.
  portPath_ = program_.WaitForLine("Port: ", kStartPatience);
}

int PanelSimProcess::Stop(int signal) {
  program_.Signal(signal);
  return program_.Wait();
}

}  // namespace orvane::testing
