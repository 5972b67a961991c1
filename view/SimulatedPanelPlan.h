// The simulated panel of the desktop program: which device orvane-panelsim
// stands in for (the project's panels), where its program, link and state
// file are, the command line it gets, and when it must start afresh. The
// process itself is run by the Qt side (view/qt/SimulatedPanelProcess).
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace orvane {

class TOvProject;

/// The device the simulator stands in for.
struct SimulatedPanelSetup {
  bool multiplexer = false;
  /// A single panel's model (1..5).
  int32_t model = 1;
  /// A multiplexer's panels: port (1..5) and model, by port.
  std::vector<std::pair<int32_t, int32_t>> ports;

  bool operator==(const SimulatedPanelSetup&) const = default;

  /// A name for files: "model-4", "multiplexer-1.1-3.5" ("multiplexer"
  /// without panels).
  std::string Key() const;
  /// What the status bar says: "Ov400 panel", "multiplexer with Ov200/Ov200V
  /// on port 1, OvSP on port 3".
  std::string Description() const;
};

/// The device configured like the project: a multiplexer with the project's
/// panels on their ports for a multi-panel system, else the single panel's
/// model. Without a project (or a single panel system without a panel) an
/// Ov200/Ov200V panel, the model a new project starts with.
SimulatedPanelSetup SetupFor(const TOvProject* project);

/// The program's file name beside the desktop program in the staging tree
/// and the install layout.
inline constexpr const char* kPanelSimProgram = "orvane-panelsim";

class SimulatedPanelPlan {
 public:
  /// programFolder: where orvane-panelsim is (the desktop program's own
  /// folder); linkFolder: a folder private to this user and this run (the
  /// link is made there); stateFolder: where each setup keeps its memory
  /// (in the program's data folder).
  SimulatedPanelPlan(std::filesystem::path programFolder, std::filesystem::path linkFolder,
                     std::filesystem::path stateFolder);

  std::filesystem::path Program() const;
  /// The link the simulator makes to its pseudo-terminal: the port name the
  /// panel commands open.
  std::filesystem::path LinkPath() const;
  /// One state file per setup: the simulator refuses a state file of another
  /// device, and switching between two projects then keeps each one's
  /// panel memory.
  std::filesystem::path StatePath(const SimulatedPanelSetup& setup) const;
  const std::filesystem::path& StateFolder() const { return stateFolder_; }

  /// The command line (without the program): the device, --link and
  /// --state.
  std::vector<std::string> Arguments(const SimulatedPanelSetup& setup) const;

  /// Whether a simulator running with `running` (nothing: none runs) must be
  /// (re)started to serve `wanted`: when none runs or it stands in for
  /// another device.
  static bool NeedsStart(const std::optional<SimulatedPanelSetup>& running,
                         const SimulatedPanelSetup& wanted);

  /// The port in one line of the simulator's standard output: the path
  /// after "Port: "; nothing for any other line (its banner).
  static std::optional<std::string> PortFromLine(const std::string& line);

 private:
  std::filesystem::path programFolder_;
  std::filesystem::path linkFolder_;
  std::filesystem::path stateFolder_;
};

}  // namespace orvane
