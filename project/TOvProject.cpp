#include "project/TOvProject.h"

#include <algorithm>
#include <utility>

namespace orvane {

TOvProject::TOvProject(const TOvProject& other) {
  CopyFrom(other);
}

TOvProject& TOvProject::operator=(const TOvProject& other) {
  if (this != &other) {
    CopyFrom(other);
  }
  return *this;
}

TOvProject::TOvProject(TOvProject&& other) noexcept
    : changed(other.changed),
      tagMapInUse(other.tagMapInUse),
      systemMode(other.systemMode),
      panels(std::move(other.panels)),
      portTable(other.portTable),
      plc(std::move(other.plc)),
      tagMaps(std::move(other.tagMaps)),
      projectName(std::move(other.projectName)),
      tagMapPath(std::move(other.tagMapPath)),
      driverModule_(std::move(other.driverModule_)) {
  AttachAll();
}

TOvProject& TOvProject::operator=(TOvProject&& other) noexcept {
  if (this != &other) {
    changed = other.changed;
    tagMapInUse = other.tagMapInUse;
    systemMode = other.systemMode;
    panels = std::move(other.panels);
    portTable = other.portTable;
    plc = std::move(other.plc);
    tagMaps = std::move(other.tagMaps);
    projectName = std::move(other.projectName);
    tagMapPath = std::move(other.tagMapPath);
    driverModule_ = std::move(other.driverModule_);
    AttachAll();
  }
  return *this;
}

void TOvProject::CopyFrom(const TOvProject& other) {
  systemMode = other.systemMode;
  plc = other.plc;
  projectName = other.projectName;
  std::vector<TOvPanel> copies;
  copies.reserve(other.panels.size());
  for (const TOvPanel& source : other.panels) {
    TOvPanel& copy = copies.emplace_back(this, source.panelModel);
    copy.ConvertFrom(source);
  }
  panels = std::move(copies);
  AttachAll();
  portTable = other.portTable;
  // The copy holds its own reference to the library, so that either project
  // can be destroyed first.
  if (plc.pluginPath.empty()) {
    ReleaseDriverModule();
  } else if (OpenDriverModule(plc.pluginPath)) {
    // Bind the copy's reference: attaching a handle puts the driver into
    // application type 2, as LoadDriver does.
    PlcDriver binding;
    binding.Attach(&driverModule_);
  }
  tagMapInUse = other.tagMapInUse;
  if (tagMapInUse) {
    tagMaps = other.tagMaps;
  }
}

bool TOvProject::OpenDriverModule(const std::string& path) {
  SharedLibrary fresh;
  const bool opened = fresh.Open(path);
  driverModule_ = std::move(fresh);
  return opened;
}

bool TOvProject::LoadDriver(const std::string& path, UserInterface* ui) {
  if (!OpenDriverModule(path)) {
    return false;
  }
  PlcDriver driver(ui);
  driver.Attach(&driverModule_);
  return driver.TellApplicationType(2);
}

PlcDriver TOvProject::Driver(UserInterface* ui) const {
  PlcDriver driver(ui);
  if (driverModule_.IsOpen()) {
    driver.Attach(&driverModule_);
  }
  return driver;
}

bool TOvProject::Equals(const TOvProject& other) const {
  if (systemMode != other.systemMode || !plc.Equals(other.plc) ||
      panels.size() != other.panels.size()) {
    return false;
  }
  return std::all_of(panels.begin(), panels.end(), [&other](const TOvPanel& panel) {
    return std::any_of(other.panels.begin(), other.panels.end(), [&panel](const TOvPanel& theirs) {
      return theirs.portNumber == panel.portNumber && panel.Equals(theirs);
    });
  });
}

TOvPanel* TOvProject::SelectedPanel() {
  return const_cast<TOvPanel*>(static_cast<const TOvProject&>(*this).SelectedPanel());
}

const TOvPanel* TOvProject::SelectedPanel() const {
  for (const TOvPanel& panel : panels) {
    if (panel.portNumber == portTable.selectedPort) {
      return &panel;
    }
  }
  return nullptr;
}

TOvPanel& TOvProject::PutPanel(TOvPanel panel) {
  if (systemMode != kMultiPanelSystem) {
    panels.clear();
    panel.portNumber = kFirstPort;
    return AppendPanel(std::move(panel));
  }
  panel.portNumber = portTable.selectedPort;
  for (TOvPanel& existing : panels) {
    if (existing.portNumber == panel.portNumber) {
      existing = std::move(panel);
      existing.AttachTo(this);
      return existing;
    }
  }
  return AppendPanel(std::move(panel));
}

TOvPanel& TOvProject::AppendPanel(TOvPanel panel) {
  panels.push_back(std::move(panel));
  panels.back().AttachTo(this);
  return panels.back();
}

void TOvProject::RemoveSelectedPanel() {
  std::erase_if(
      panels, [this](const TOvPanel& panel) { return panel.portNumber == portTable.selectedPort; });
}

void TOvProject::ClearAllAddresses() {
  for (TOvPanel& panel : panels) {
    panel.ClearAllAddresses();
  }
}

void TOvProject::ForEachAddress(const std::function<void(TOvTag&)>& fn) {
  for (TOvPanel& panel : panels) {
    panel.ForEachAddress(fn);
  }
}

void TOvProject::AttachAll() {
  for (TOvPanel& panel : panels) {
    panel.AttachTo(this);
  }
}

}  // namespace orvane
