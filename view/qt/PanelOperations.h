// The panel commands of one configuration screen in the desktop program:
// PanelCommands over the document's project, with the progress dialog as
// the owner of every long operation, the stored port (the simulated panel
// started for the project when it is the one chosen) and the firmware
// image chosen in "Upgrade firmware" before an upgrade.
#pragma once

#include <QString>
#include <QWidget>
#include <memory>
#include <optional>
#include <string>

#include "view/PanelCommands.h"
#include "view/qt/CCommProgDlg.h"

namespace orvane {

class DriverCatalog;
class Settings;
class SimulatedPanelProcess;
class TOvProject;
class UserInterface;

/// What the panel commands of every screen share.
struct PanelServices {
  /// "Port" and "FirmwarePath"; AppSettings() when null.
  Settings* settings = nullptr;
  /// The simulated panel; null when the program has none.
  SimulatedPanelProcess* simulated = nullptr;
};

class PanelOperations {
 public:
  /// project: the document's project (Read may replace its content). All
  /// must outlive this object; parent is the window the dialogs belong to.
  PanelOperations(TOvProject& project, UserInterface& ui, DriverCatalog& catalog,
                  PanelServices services, QWidget* parent);
  ~PanelOperations();

  CommandResult Write();
  /// Done when the read succeeded; DocumentReplaced() then says whether the
  /// project was replaced.
  CommandResult Read();
  VerifyResult Verify();
  CommandResult ClearMemory();
  /// The image is chosen first in "Upgrade firmware" (Cancel there
  /// declines).
  CommandResult UpgradeFirmware();
  CommandResult UpgradeMuxFirmware();

  bool DocumentReplaced() const { return commands_.DocumentModified(); }
  PanelCommands& Commands() { return commands_; }

  /// The ports the progress dialog offers, and how it opens the chosen one.
  TransferPorts Ports();
  /// The name the link opens for a stored port: the simulated panel's link
  /// once it runs configured like the project; other ports as they are.
  std::optional<std::string> OpenPort(const std::string& port, std::string& error);

 private:
  Settings& Config() const;
  /// Points the short operations (and the test before Verify) at the
  /// stored port; false (the user told) when it cannot be had.
  bool UseStoredPort();
  std::optional<std::string> ChooseImage(bool multiplexer);

  TOvProject& project_;
  UserInterface& ui_;
  PanelServices services_;
  QWidget* parent_;
  TransferDialogOwner owner_;
  PanelCommands commands_;
};

}  // namespace orvane
