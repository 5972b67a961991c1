#include "view/qt/PanelOperations.h"

#include "base/InstallDir.h"
#include "base/Settings.h"
#include "base/UserInterface.h"
#include "view/PortChoices.h"
#include "view/SimulatedPanelPlan.h"
#include "view/qt/CUpgdeFirmDlg.h"
#include "view/qt/SimulatedPanelProcess.h"

namespace orvane {
PanelOperations::PanelOperations(TOvProject& project, UserInterface& ui, DriverCatalog& catalog,
                                 PanelServices services, QWidget* parent)
    : project_(project),
      ui_(ui),
      services_(services),
      parent_(parent),
      owner_(parent, [this] { return Ports(); }),
      commands_(project, ui, owner_, &catalog) {
  commands_.SetDifferencesInVerifyMessage(true);
}

PanelOperations::~PanelOperations() = default;

Settings& PanelOperations::Config() const {
  return services_.settings != nullptr ? *services_.settings : AppSettings();
}

TransferPorts PanelOperations::Ports() {
  TransferPorts ports;
  ports.settings = &Config();
  for (PortChoice& choice : PortChoices(ListSerialPorts())) {
    // The simulated panel is offered when the program has it.
    if (choice.simulated &&
        (services_.simulated == nullptr || !services_.simulated->IsAvailable())) {
      continue;
    }
    ports.choices.push_back(std::move(choice));
  }
  ports.open = [this](const std::string& port, std::string& error) {
    return OpenPort(port, error);
  };
  return ports;
}

std::optional<std::string> PanelOperations::OpenPort(const std::string& port, std::string& error) {
  if (!IsSimulatedPanelPort(port)) {
    return port;
  }
  if (services_.simulated == nullptr) {
    error = "The simulated panel is not available.";
    return std::nullopt;
  }
  // Configured like the project, on the user-interface thread, before any
  // worker runs on the project.
  return services_.simulated->EnsureRunning(SetupFor(&project_), error);
}

bool PanelOperations::UseStoredPort() {
  std::string error;
  const std::optional<std::string> device = OpenPort(Config().Port(), error);
  if (!device) {
    ui_.Show(error, Icon::Stop);
    return false;
  }
  commands_.SetPortName(*device);
  return true;
}

CommandResult PanelOperations::Write() {
  return commands_.Write();
}

CommandResult PanelOperations::Read() {
  return commands_.Read();
}

VerifyResult PanelOperations::Verify() {
  // A multi-panel Verify first tests the panels on the stored port.
  if (!UseStoredPort()) {
    return VerifyResult{};
  }
  return commands_.Verify();
}

CommandResult PanelOperations::ClearMemory() {
  if (!UseStoredPort()) {
    return CommandResult::Failed;
  }
  return commands_.ClearMemory();
}

std::optional<std::string> PanelOperations::ChooseImage(bool multiplexer) {
  return ChooseFirmwareImage(
      parent_, multiplexer ? FirmwareTarget::Multiplexer : FirmwareTarget::Panel, Config());
}

CommandResult PanelOperations::UpgradeFirmware() {
  const std::optional<std::string> image = ChooseImage(false);
  if (!image) {
    return CommandResult::Declined;
  }
  return commands_.UpgradeFirmware(*image);
}

CommandResult PanelOperations::UpgradeMuxFirmware() {
  const std::optional<std::string> image = ChooseImage(true);
  if (!image) {
    return CommandResult::Declined;
  }
  return commands_.UpgradeMuxFirmware(*image);
}

}  // namespace orvane
