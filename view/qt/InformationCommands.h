// Information (32778) and the port menu's Information (32816) in the
// desktop program: the device's status asked on the user-interface thread,
// as these short operations run without a worker, then the panel status
// dialog. What is asked and checked is PanelCommands'.
#pragma once

#include <string>

class QWidget;

namespace orvane {

class DriverCatalog;
class TOvProject;
class UserInterface;

enum class InformationCommand {
  /// The multiplexer's status on a multi-panel system, else the panel's,
  /// checked against the configured model.
  Device,
  /// The panel on the selected port behind the multiplexer.
  SelectedPort,
};

/// Runs the command on the project (only a working copy of it is used) over
/// the serial port, with the wait cursor while the link works (it goes
/// before any box the command shows), and shows the status in the panel
/// status dialog. An error has been shown when it failed. true when the
/// dialog showed.
bool RunInformation(InformationCommand command, TOvProject& project, UserInterface& ui,
                    DriverCatalog& catalog, const std::string& port, QWidget* parent);

}  // namespace orvane
