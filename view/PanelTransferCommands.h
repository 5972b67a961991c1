// The port menu's Import Configuration and Export Configuration: one panel's
// configuration to and from a project file.
#pragma once

#include <optional>
#include <string>

#include "project/ProjectReader.h"

namespace orvane {

class TOvProject;
class UserInterface;

/// The chooser of the multi-panel import: "Import From Multipanel Project"
/// with "Port 1 : " to "Port 5 : " and the model name on each port or "Not
/// Configured" (ports without panel are offered disabled), port 1
/// preselected.
inline constexpr const char* kMultipanelImportCaption = "Import From Multipanel Project";

/// Exports the panel on the selected port: the save chooser, then the panel
/// written as a single panel project. The project is not changed. false on
/// cancel, without a panel, or when the file cannot be written.
bool ExportPanel(const TOvProject& project, UserInterface& ui);

/// Imports a panel into the selected port: the open chooser; the file is read
/// into a project of its own (its reader's messages on failure); from a
/// multi-panel file the user picks the port; a panel equal to the one there
/// already changes nothing; a port that has a panel is cleared only after
/// question 61584 (No keeps it); the panel is stored at the selected port
/// and every address re-validated through the project's driver. The other
/// file's PLC and tag map are not used. true when a panel was imported (the
/// document is then modified).
bool ImportPanel(TOvProject& project, UserInterface& ui, const DriverLookup& lookup);

}  // namespace orvane
