#include "view/DocumentBinding.h"

#include "base/StringTable.h"
#include "base/UserInterface.h"
#include "project/ProjectDriver.h"
#include "project/TOvProject.h"

namespace orvane {
namespace {

bool RefuseBinding(UserInterface& ui) {
  ui.Show(LoadString(strings::kP005), Icon::Stop);
  return false;
}

// Loads the entry's driver into the project and takes its map length.
bool LoadEntry(TOvProject& project, const DriverEntry& entry, UserInterface& ui) {
  project.plc.name = entry.name;
  project.plc.pluginPath = entry.path;
  project.LoadDriver(entry.path, &ui);
  const PlcDriver driver = project.Driver(&ui);
  if (!driver.IsAttached()) {
    return false;
  }
  project.plc.mapLength = driver.DriverDetails().mapLength;
  return true;
}

}  // namespace

DriverLookup CatalogLookup(DriverCatalog& catalog) {
  return [&catalog](unsigned manufacturer, unsigned model) {
    const DriverEntry entry = catalog.LookupDriver(manufacturer, model);
    return DriverNameAndPath{entry.name, entry.path};
  };
}

void AddFirstPanel(TOvProject& project, int32_t model, bool multiPanel) {
  project.systemMode = multiPanel ? kMultiPanelSystem : kSinglePanelSystem;
  project.portTable.selectedPort = kFirstPort;
  for (int32_t port = kFirstPort; port <= kLastPort; ++port) {
    project.portTable.Clear(port);
  }
  TOvPanel& panel = project.PutPanel(TOvPanel(&project, model));
  project.portTable.SetPanel(panel);
}

std::optional<size_t> FindPlc(const std::vector<DriverEntry>& plcList, unsigned manufacturer,
                              unsigned model) {
  std::optional<size_t> found;
  for (size_t i = 0; i < plcList.size(); ++i) {
    if (plcList[i].manufacturerCode == manufacturer && plcList[i].modelCode == model) {
      found = i;
    }
  }
  return found;
}

size_t DefaultPlcEntry(const std::vector<DriverEntry>& plcList, unsigned manufacturer,
                       unsigned model) {
  return FindPlc(plcList, manufacturer, model).value_or(0);
}

bool BindNewProject(TOvProject& project, const std::vector<DriverEntry>& plcList, size_t chosen,
                    UserInterface& ui) {
  if (plcList.empty() || chosen >= plcList.size()) {
    return RefuseBinding(ui);
  }
  if (!LoadEntry(project, plcList[chosen], ui)) {
    return RefuseBinding(ui);
  }
  if (!SetDefaultAttributes(project.Driver(&ui), project.plc)) {
    return RefuseBinding(ui);
  }
  return true;
}

bool BindOpenedProject(TOvProject& project, const std::vector<DriverEntry>& plcList,
                       UserInterface& ui, size_t* chosen, const RefusedAddress& refused) {
  if (plcList.empty()) {
    return RefuseBinding(ui);
  }
  size_t position = 0;
  for (size_t i = 0; i < plcList.size(); ++i) {
    if (plcList[i].name == project.plc.name && plcList[i].path == project.plc.pluginPath) {
      position = i;
      break;
    }
  }
  if (chosen != nullptr) {
    *chosen = position;
  }
  if (!LoadEntry(project, plcList[position], ui)) {
    return RefuseBinding(ui);
  }
  RevalidateAddresses(project, ui, refused);
  return true;
}

}  // namespace orvane
