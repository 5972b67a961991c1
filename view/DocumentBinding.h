// Binding a document's project to its PLC driver, as the main view's
// initial update does for a new and for an opened document.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "plchost/DriverCatalog.h"
#include "project/ProjectDriver.h"
#include "project/ProjectReader.h"

namespace orvane {

class TOvProject;
class UserInterface;

/// Looks drivers up in a catalogue, for the project file reader.
DriverLookup CatalogLookup(DriverCatalog& catalog);

/// Gives a new project its first panel: a panel of the model on port 1, in
/// a single panel system or, with multiPanel, as the panel on port 1 of a
/// multi-panel system.
void AddFirstPanel(TOvProject& project, int32_t model, bool multiPanel = false);

/// The position in plcList of the driver with the codes (the later one when
/// two have them); nothing when none has.
std::optional<size_t> FindPlc(const std::vector<DriverEntry>& plcList, unsigned manufacturer,
                              unsigned model);

/// Binds a new project: the PLC is plcList[chosen], loaded into the project,
/// its map length taken from the driver, and the driver's default attributes
/// installed. An empty list, a driver that does not load or that cannot
/// write its default attributes show "Error P005: PLC DLL load failed." and
/// give false.
bool BindNewProject(TOvProject& project, const std::vector<DriverEntry>& plcList, size_t chosen,
                    UserInterface& ui);

/// The entry a new project starts with: the one with the codes the settings
/// name ("PLC-ManID", "PLC-ModID"), else the first.
size_t DefaultPlcEntry(const std::vector<DriverEntry>& plcList, unsigned manufacturer,
                       unsigned model);

/// Binds an opened project: the entry with the project's PLC name and path
/// (the first when none), loaded into the project, the map length from the
/// driver, and every address re-validated through it. An empty list shows
/// P005 and gives false. chosen (when given) receives the entry's position;
/// refused (when given) hears of every address the driver refuses.
bool BindOpenedProject(TOvProject& project, const std::vector<DriverEntry>& plcList,
                       UserInterface& ui, size_t* chosen = nullptr,
                       const RefusedAddress& refused = nullptr);

}  // namespace orvane
