#include "view/SimulatedPanelPlan.h"

#include <algorithm>

#include "project/PanelModels.h"
#include "project/TOvProject.h"

namespace orvane {

std::string SimulatedPanelSetup::Key() const {
  if (!multiplexer) {
    return "model-" + std::to_string(model);
  }
  std::string key = "multiplexer";
  for (const auto& [port, panelModel] : ports) {
    key += "-" + std::to_string(port) + "." + std::to_string(panelModel);
  }
  return key;
}

std::string SimulatedPanelSetup::Description() const {
  if (!multiplexer) {
    return std::string(PanelModel(model).name) + " panel";
  }
  if (ports.empty()) {
    return "multiplexer without panels";
  }
  std::string text = "multiplexer with ";
  for (size_t i = 0; i < ports.size(); ++i) {
    text += (i == 0 ? "" : ", ") + std::string(PanelModel(ports[i].second).name) + " on port " +
            std::to_string(ports[i].first);
  }
  return text;
}

SimulatedPanelSetup SetupFor(const TOvProject* project) {
  SimulatedPanelSetup setup;
  if (project == nullptr) {
    return setup;
  }
  if (project->systemMode == kMultiPanelSystem) {
    setup.multiplexer = true;
    for (const TOvPanel& panel : project->panels) {
      if (panel.portNumber >= kFirstPort && panel.portNumber <= kLastPort &&
          panel.panelModel >= kModelOv200 && panel.panelModel <= kModelOvSP) {
        setup.ports.emplace_back(panel.portNumber, panel.panelModel);
      }
    }
    std::sort(setup.ports.begin(), setup.ports.end());
    return setup;
  }
  if (!project->panels.empty()) {
    const int32_t model = project->panels.front().panelModel;
    if (model >= kModelOv200 && model <= kModelOvSP) {
      setup.model = model;
    }
  }
  return setup;
}

SimulatedPanelPlan::SimulatedPanelPlan(std::filesystem::path programFolder,
                                       std::filesystem::path linkFolder,
                                       std::filesystem::path stateFolder)
    : programFolder_(std::move(programFolder)),
      linkFolder_(std::move(linkFolder)),
      stateFolder_(std::move(stateFolder)) {}

std::filesystem::path SimulatedPanelPlan::Program() const {
#if defined(_WIN32)
  return programFolder_ / (std::string(kPanelSimProgram) + ".exe");
#else
  return programFolder_ / kPanelSimProgram;
#endif
}

std::filesystem::path SimulatedPanelPlan::LinkPath() const {
  return linkFolder_ / "panel";
}

std::filesystem::path SimulatedPanelPlan::StatePath(const SimulatedPanelSetup& setup) const {
  return stateFolder_ / (setup.Key() + ".state");
}

std::vector<std::string> SimulatedPanelPlan::Arguments(const SimulatedPanelSetup& setup) const {
  std::vector<std::string> args;
  if (setup.multiplexer) {
    args.emplace_back("--multiplexer");
    for (const auto& [port, model] : setup.ports) {
      args.emplace_back("--panel");
      args.push_back(std::to_string(port) + ":" + std::to_string(model));
    }
  } else {
    args.emplace_back("--model");
    args.push_back(std::to_string(setup.model));
  }
  args.emplace_back("--link");
  args.push_back(LinkPath().string());
  args.emplace_back("--state");
  args.push_back(StatePath(setup).string());
  // A single panel also takes commands on its standard input: the virtual
  // panel window shows and drives it through them.
  if (!setup.multiplexer) {
    args.emplace_back("--control");
  }
  return args;
}

bool SimulatedPanelPlan::NeedsStart(const std::optional<SimulatedPanelSetup>& running,
                                    const SimulatedPanelSetup& wanted) {
  return !running || *running != wanted;
}

std::optional<std::string> SimulatedPanelPlan::PortFromLine(const std::string& line) {
  constexpr std::string_view kPrefix = "Port: ";
  std::string_view text = line;
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) {
    text.remove_suffix(1);
  }
  if (!text.starts_with(kPrefix) || text.size() == kPrefix.size()) {
    return std::nullopt;
  }
  return std::string(text.substr(kPrefix.size()));
}

}  // namespace orvane
