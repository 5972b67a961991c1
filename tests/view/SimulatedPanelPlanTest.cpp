// The simulated panel's decisions: the device from the project, the command
// line, the files, when it starts afresh, and its port line.
#include <gtest/gtest.h>

#include "project/TOvProject.h"
#include "tests/project/ProjectBuilders.h"
#include "view/PortChoices.h"
#include "view/SimulatedPanelPlan.h"

namespace orvane::testing {
namespace {

using Strings = std::vector<std::string>;

TOvProject SinglePanel(int32_t model) {
  return MakeProject(model);
}

TOvProject MultiPanel(const std::vector<std::pair<int32_t, int32_t>>& portModels) {
  TOvProject project = MakeProject(0);
  project.systemMode = kMultiPanelSystem;
  for (const auto& [port, model] : portModels) {
    TOvPanel panel(nullptr, model);
    panel.portNumber = port;
    project.AppendPanel(std::move(panel));
    project.portTable.SetModel(port, model);
  }
  return project;
}

TEST(SimulatedPanelPlan, TheDeviceAndItsCommandLineFollowTheProject) {
  const SimulatedPanelPlan plan("/opt/orvane/bin", "/run/user/1/orvane-sim-x", "/data/sim");
  struct Case {
    const char* name;
    std::optional<TOvProject> project;
    std::string key;
    std::string description;
    Strings device;  // the arguments before --link
  };
  const Case cases[] = {
      {"no project: the new project's panel",
       std::nullopt,
       "model-1",
       "Ov200/Ov200V panel",
       {"--model", "1"}},
      {"a single Ov400", SinglePanel(4), "model-4", "Ov400 panel", {"--model", "4"}},
      {"a single set point panel", SinglePanel(5), "model-5", "OvSP panel", {"--model", "5"}},
      {"a multi-panel system, its panels by port",
       MultiPanel({{4, 5}, {2, 3}, {5, 2}}),
       "multiplexer-2.3-4.5-5.2",
       "multiplexer with Ov200P/Ov200PV on port 2, OvSP on port 4, Ov200L on port 5",
       {"--multiplexer", "--panel", "2:3", "--panel", "4:5", "--panel", "5:2"}},
      {"a multi-panel system without panels",
       MultiPanel({}),
       "multiplexer",
       "multiplexer without panels",
       {"--multiplexer"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const SimulatedPanelSetup setup = SetupFor(c.project ? &*c.project : nullptr);
    EXPECT_EQ(setup.Key(), c.key);
    EXPECT_EQ(setup.Description(), c.description);
    Strings expected = c.device;
    expected.insert(expected.end(), {"--link", "/run/user/1/orvane-sim-x/panel", "--state",
                                     "/data/sim/" + c.key + ".state"});
    if (!setup.multiplexer) {
      expected.emplace_back("--control");  // the virtual panel window's channel
    }
    EXPECT_EQ(plan.Arguments(setup), expected);
  }
  EXPECT_EQ(plan.Program(), std::filesystem::path("/opt/orvane/bin/orvane-panelsim"));
  EXPECT_EQ(plan.LinkPath(), std::filesystem::path("/run/user/1/orvane-sim-x/panel"));
}

TEST(SimulatedPanelPlan, ItStartsAfreshOnlyForAnotherDevice) {
  const auto setup = [](const TOvProject& project) { return SetupFor(&project); };
  const SimulatedPanelSetup ov400 = setup(SinglePanel(4));
  const SimulatedPanelSetup mux = setup(MultiPanel({{1, 1}, {3, 5}}));
  TOvProject edited = MultiPanel({{1, 1}, {3, 5}});
  // What the panels hold does not matter, only which panels there are.
  edited.panels.front().messages.clear();
  EXPECT_TRUE(SimulatedPanelPlan::NeedsStart(std::nullopt, ov400));
  EXPECT_FALSE(SimulatedPanelPlan::NeedsStart(ov400, setup(SinglePanel(4))));
  EXPECT_TRUE(SimulatedPanelPlan::NeedsStart(ov400, setup(SinglePanel(3))));
  EXPECT_TRUE(SimulatedPanelPlan::NeedsStart(ov400, mux));
  EXPECT_FALSE(SimulatedPanelPlan::NeedsStart(mux, setup(edited)));
  EXPECT_TRUE(SimulatedPanelPlan::NeedsStart(mux, setup(MultiPanel({{1, 1}}))));
  EXPECT_TRUE(SimulatedPanelPlan::NeedsStart(mux, setup(MultiPanel({{1, 1}, {3, 4}}))));
  // A single panel system with model 1 and no project are the same device.
  EXPECT_FALSE(SimulatedPanelPlan::NeedsStart(SetupFor(nullptr), setup(SinglePanel(1))));
}

TEST(SimulatedPanelPlan, ThePortIsTheLineThatSaysSo) {
  const std::pair<std::string, std::optional<std::string>> lines[] = {
      {"Port: /run/user/1/orvane-sim-x/panel\n", "/run/user/1/orvane-sim-x/panel"},
      {"Port: /dev/pts/7\r\n", "/dev/pts/7"},
      {"orvane-panelsim: Ov400 panel (model 4) at 9600 baud\n", std::nullopt},
      {"Faults:\n", std::nullopt},
      {"  Port: /dev/pts/7\n", std::nullopt},
      {"Port: \n", std::nullopt},
      {"", std::nullopt},
  };
  for (const auto& [line, port] : lines) {
    EXPECT_EQ(SimulatedPanelPlan::PortFromLine(line), port) << line;
  }
}

TEST(PortChoices, ComPortsThePortsPresentAndTheSimulatedPanel) {
  const std::vector<PortChoice> choices = PortChoices({
      {"COM2", "/dev/ttyS1", "built in"},
      {"/dev/ttyUSB0", "/dev/ttyUSB0", "FT232R USB UART"},
  });
  Strings ports;
  for (const PortChoice& choice : choices) {
    ports.push_back(choice.port);
  }
  EXPECT_EQ(ports, (Strings{"COM1", "COM2", "COM3", "COM4", "/dev/ttyUSB0", "Simulated panel"}));
  EXPECT_EQ(choices[4].description, "FT232R USB UART");
  EXPECT_TRUE(choices.back().simulated);
  EXPECT_TRUE(IsSimulatedPanelPort(choices.back().port));
  EXPECT_FALSE(IsSimulatedPanelPort("COM1"));
}

}  // namespace
}  // namespace orvane::testing
