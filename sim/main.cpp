// orvane-panelsim: a panel, or a multiplexer with its panels, on a
// pseudo-terminal.
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "base/AtomicFile.h"
#include "cli/Arguments.h"
#include "project/PanelModels.h"
#include "sim/ControlChannel.h"
#include "sim/DeviceLine.h"
#include "sim/MemoryDump.h"
#include "sim/PanelSimOptions.h"
#include "sim/PseudoTerminalServer.h"
#include "sim/RenderCommand.h"
#include "sim/StateFile.h"
#include "sim/TerminalDisplay.h"

namespace {

using namespace orvane::sim;

constexpr int kExitOk = 0;
constexpr int kExitUsage = 2;
constexpr int kExitDevice = 3;
constexpr int kExitFile = 4;

// Written by the signal handler; Serve() wakes on it.
int gStopPipe[2] = {-1, -1};

void OnStopSignal(int) {
  const char byte = 1;
  [[maybe_unused]] const ssize_t written = ::write(gStopPipe[1], &byte, 1);
}

bool InstallStopSignals() {
  if (::pipe2(gStopPipe, O_CLOEXEC | O_NONBLOCK) != 0) {
    return false;
  }
  struct sigaction action {};
  action.sa_handler = OnStopSignal;
  sigemptyset(&action.sa_mask);
  ::sigaction(SIGINT, &action, nullptr);
  ::sigaction(SIGTERM, &action, nullptr);
  ::signal(SIGPIPE, SIG_IGN);
  return true;
}

bool ReadFile(const std::string& path, std::string& text) {
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    return false;
  }
  std::ostringstream content;
  content << file.rdbuf();
  text = content.str();
  return true;
}

std::string Describe(const PanelSimOptions& options, const SimulatedDevice& device, int baud_rate) {
  std::string text;
  if (const auto* panel = dynamic_cast<const SimulatedPanel*>(&device)) {
    text = std::string(orvane::PanelModel(panel->Model()).name) + " panel (model " +
           std::to_string(panel->Model()) + ")";
  } else {
    text = "multiplexer with ";
    if (options.ports.empty()) {
      text += "no panels";
    }
    for (size_t i = 0; i < options.ports.size(); ++i) {
      const auto& [port, settings] = options.ports[i];
      text += (i == 0 ? "" : ", ") + std::string(orvane::PanelModel(settings.model).name) +
              " on port " + std::to_string(port);
    }
  }
  return text + " at " + std::to_string(baud_rate) + " baud";
}

void Log(const std::string& line) {
  using Clock = std::chrono::steady_clock;
  static const Clock::time_point start = Clock::now();
  const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
  std::fprintf(stderr, "[%9.3f] %s\n", seconds, line.c_str());
}

}  // namespace

int main(int argc, char** argv) {
  PanelSimOptions options;
  try {
    options = ParsePanelSimOptions(std::vector<std::string>(argv + 1, argv + argc));
  } catch (const orvane::cli::UsageError& error) {
    std::fprintf(stderr, "orvane-panelsim: %s\n\n%s", error.what(), PanelSimUsage());
    return kExitUsage;
  }
  if (options.help) {
    std::fputs(PanelSimUsage(), stdout);
    return kExitOk;
  }
  if (options.display && (::isatty(STDIN_FILENO) == 0 || ::isatty(STDOUT_FILENO) == 0)) {
    std::fprintf(stderr,
                 "orvane-panelsim: --display needs a terminal on standard input and output "
                 "(--control serves a program)\n\n%s",
                 PanelSimUsage());
    return kExitUsage;
  }

  // The device: from the command line, with the memory of the state file.
  std::string stateText;
  const bool haveState = !options.statePath.empty() && std::filesystem::exists(options.statePath);
  if (haveState && !ReadFile(options.statePath, stateText)) {
    std::fprintf(stderr, "orvane-panelsim: cannot read %s\n", options.statePath.c_str());
    return kExitFile;
  }
  std::unique_ptr<SimulatedDevice> device;
  std::string error;
  if (options.deviceFromState) {
    if (!haveState) {
      std::fprintf(stderr, "orvane-panelsim: no state file %s\n", options.statePath.c_str());
      return kExitFile;
    }
    device = DeviceFromState(stateText, error);
  } else {
    device = BuildDevice(options);
    if (haveState) {
      error = LoadState(stateText, *device);
    }
  }
  if (!error.empty() || device == nullptr) {
    std::fprintf(stderr, "orvane-panelsim: %s: %s\n", options.statePath.c_str(), error.c_str());
    return kExitFile;
  }
  if (options.dump) {
    std::fputs(DumpDevice(*device).c_str(), stdout);
    return kExitOk;
  }
  if (options.render) {
    const auto* panel = dynamic_cast<const SimulatedPanel*>(device.get());
    if (panel == nullptr) {
      std::fprintf(stderr, "orvane-panelsim: --render shows a single panel, not a multiplexer\n");
      return kExitUsage;
    }
    std::string out;
    if (!RenderPanel(*panel, {options.registers, options.keys, options.json}, out, error)) {
      std::fprintf(stderr, "orvane-panelsim: %s\n", error.c_str());
      return kExitUsage;
    }
    std::fputs(out.c_str(), stdout);
    return kExitOk;
  }

  DeviceLine line(std::move(device));
  if (options.baudRate != 0) {
    line.SetBaudRate(options.baudRate);
  }
  line.SetFaults(options.faults);
  if (options.verbose) {
    line.SetLog(Log);
  }
  if (!InstallStopSignals()) {
    std::perror("orvane-panelsim: cannot set up signal handling");
    return kExitDevice;
  }

  int savedAtCommand = line.CommandCount();
  bool saveFailed = false;
  auto saveState = [&](bool always) {
    if (options.statePath.empty() || (!always && line.CommandCount() == savedAtCommand)) {
      return;
    }
    std::string why;
    if (!orvane::WriteFileAtomically(options.statePath, SaveState(line.Device()), &why)) {
      std::fprintf(stderr, "orvane-panelsim: cannot write %s: %s\n", options.statePath.c_str(),
                   why.c_str());
      saveFailed = true;
      return;
    }
    savedAtCommand = line.CommandCount();
  };

  {
    PseudoTerminalServer server(line);
    PseudoTerminalOptions ptyOptions;
    ptyOptions.linkPath = options.linkPath;
    ptyOptions.paceLineRate = options.lineRate;
    if (!server.Open(ptyOptions, error)) {
      std::fprintf(stderr, "orvane-panelsim: %s\n", error.c_str());
      return kExitDevice;
    }
    std::printf("orvane-panelsim: %s\n", Describe(options, line.Device(), line.BaudRate()).c_str());
    const std::string faults = DescribeFaults(line.Faults());
    if (!faults.empty()) {
      std::printf("Faults:\n%s", faults.c_str());
    }
    std::printf("Port: %s\n", server.PortPath().c_str());
    std::fflush(stdout);

    // The control channel: commands on standard input, JSON lines out.
    std::unique_ptr<ControlChannel> control;
    std::unique_ptr<TerminalDisplay> display;
    RawTerminal terminal;  // restored when serving ends, however it ends
    ServeHooks hooks;
    if (options.control) {
      const auto* panel = dynamic_cast<const SimulatedPanel*>(&line.Device());
      if (panel == nullptr) {
        std::fprintf(stderr, "orvane-panelsim: --control drives a single panel\n");
        return kExitUsage;
      }
      control = std::make_unique<ControlChannel>(*panel, [](const std::string& text) {
        std::fputs(text.c_str(), stdout);
        std::fflush(stdout);
      });
      hooks.inputFd = STDIN_FILENO;
      hooks.onInput = [&control] {
        char buffer[512];
        const ssize_t count = ::read(STDIN_FILENO, buffer, sizeof buffer);
        // The end of the input ends the program, as quit does.
        return count > 0 && control->Take(std::string(buffer, static_cast<size_t>(count)));
      };
      hooks.afterTraffic = [&control] { control->Refresh(); };
    }
    if (options.display) {
      const auto* panel = dynamic_cast<const SimulatedPanel*>(&line.Device());
      if (panel == nullptr) {
        std::fprintf(stderr, "orvane-panelsim: --display draws a single panel\n");
        return kExitUsage;
      }
      if (!terminal.Enter(STDIN_FILENO, STDOUT_FILENO)) {
        std::perror("orvane-panelsim: cannot set the terminal up for --display");
        return kExitUsage;
      }
      display = std::make_unique<TerminalDisplay>(*panel, [](const std::string& text) {
        std::fputs(text.c_str(), stdout);
        std::fflush(stdout);
      });
      hooks.inputFd = STDIN_FILENO;
      hooks.onInput = [&display] {
        char buffer[64];
        const ssize_t count = ::read(STDIN_FILENO, buffer, sizeof buffer);
        return count > 0 && display->Take(std::string(buffer, static_cast<size_t>(count)));
      };
      hooks.afterTraffic = [&display] { display->Refresh(); };
    }

    // Whenever the line falls quiet the state is saved, so an abrupt end
    // loses nothing that was acknowledged.
    server.Serve(
        gStopPipe[0], [&] { saveState(false); }, 200, hooks);
  }
  saveState(true);
  return saveFailed ? kExitFile : kExitOk;
}
