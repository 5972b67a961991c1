// orvane-panelsim's inputs from a person or a program while it serves a
// panel: a state file gives the panel, then control channel lines
// (--control) and keys typed at the terminal (--display) drive it. Every
// control answer must be one JSON line, and a drawing must stay text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

#include "sim/ControlChannel.h"
#include "sim/SimulatedPanel.h"
#include "sim/StateFile.h"
#include "sim/TerminalDisplay.h"
#include "tests/fuzz/support/StagedPlugins.h"

namespace {

// One answer line: an object, ending in one line break, no raw control
// character inside (JSON escapes them).
void CheckAnswer(const std::string& line) {
  if (line.size() < 3 || line.front() != '{' || line.substr(line.size() - 2) != "}\n") {
    std::abort();
  }
  for (size_t i = 0; i + 1 < line.size(); ++i) {
    if (static_cast<unsigned char>(line[i]) < 0x20) {
      std::abort();
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // The register names go through the driver the panel's image names.
  const std::string dir = orvane::fuzzing::UseStagedInstallDir(ORVANE_FUZZ_INSTALL_DIR);
  return 0;
}

// Input: the state file, a 0 byte, the control lines, a 0 byte, the keys.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const size_t first = std::min(input.find('\0'), input.size());
  const std::string_view rest = first < size ? input.substr(first + 1) : std::string_view();
  const size_t second = std::min(rest.find('\0'), rest.size());
  const std::string control(rest.substr(0, second));
  const std::string keys(second < rest.size() ? rest.substr(second + 1) : std::string_view());

  std::string error;
  std::unique_ptr<orvane::sim::SimulatedDevice> device =
      orvane::sim::DeviceFromState(input.substr(0, first), error);
  auto* panel = dynamic_cast<orvane::sim::SimulatedPanel*>(device.get());
  std::unique_ptr<orvane::sim::SimulatedPanel> fallback;
  if (panel == nullptr) {
    fallback = std::make_unique<orvane::sim::SimulatedPanel>(orvane::sim::PanelSettings{});
    panel = fallback.get();
  }

  orvane::sim::ControlChannel channel(*panel, CheckAnswer);
  channel.Take(control);
  channel.Refresh();

  size_t drawn = 0;
  orvane::sim::TerminalDisplay display(*panel,
                                       [&drawn](const std::string& text) { drawn += text.size(); });
  display.Take(keys);
  for (const std::string& line : display.Screen()) {
    drawn += line.size();
  }
  volatile size_t sink = drawn;
  (void)sink;
  return 0;
}
