// The project: everything the user configures for one installation.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "base/SharedLibrary.h"
#include "plchost/PlcDriver.h"
#include "project/TOvPanel.h"
#include "project/TOvPlcInfo.h"
#include "project/TOvPortTable.h"
#include "project/TOvTagMap.h"

namespace orvane {

/// Values of TOvProject::systemMode.
inline constexpr int32_t kSinglePanelSystem = 0;
inline constexpr int32_t kMultiPanelSystem = 1;

/// Tag map tables: the first serves the text models, the second the set
/// point model.
inline constexpr size_t kTextModelTagMap = 0;
inline constexpr size_t kSetPointTagMap = 1;

class UserInterface;

class TOvProject {
 public:
  TOvProject() = default;
  /// Releases the project's reference to its driver library.
  ~TOvProject() = default;

  /// A deep copy: system mode, PLC identity, project name, every panel
  /// (re-created with its model and filled like ConvertFrom between equal
  /// models), the port table, and the tag maps when they are in use. The
  /// copy opens its own reference to the library at the PLC's plug-in path.
  /// Not copied: the changed flag and the tag map path.
  TOvProject(const TOvProject& other);
  TOvProject& operator=(const TOvProject& other);
  /// Moves everything, the driver library included; every panel, message
  /// and address then belongs to the destination.
  TOvProject(TOvProject&& other) noexcept;
  TOvProject& operator=(TOvProject&& other) noexcept;

  bool changed = false;      // set by the editors when they store into the project
  bool tagMapInUse = false;  // addresses are Think & Do tag names
  int32_t systemMode = kSinglePanelSystem;
  /// Single panel system: at most one panel, on port 1. Multi-panel system:
  /// one per configured port, in insertion order. A panel put into this list
  /// from elsewhere must be attached (PutPanel, AppendPanel, or AttachAll
  /// after editing the list directly).
  std::vector<TOvPanel> panels;
  TOvPortTable portTable;
  TOvPlcInfo plc;
  std::array<TOvTagMap, 2> tagMaps;
  std::string projectName;  // file name the document was last saved under
  std::string tagMapPath;

  // The loaded PLC driver library. The project owns one reference to it
  // for its whole life; binding the driver (its application type) is the
  // driver manager's job and follows OpenDriverModule.

  const SharedLibrary& DriverModule() const { return driverModule_; }
  /// Opens the library at path and releases the one held before (after the
  /// new one is open, so a library opened again is not unloaded in between).
  /// false leaves the project without a library.
  bool OpenDriverModule(const std::string& path);
  void ReleaseDriverModule() { driverModule_.Close(); }
  /// Releases the library held, opens the one at path, attaches a driver
  /// handle and tells the driver application type 2, the type the program
  /// works in (P009 through ui when the driver lacks the export). Returns
  /// the result of that last call; false when the library does not open.
  bool LoadDriver(const std::string& path, UserInterface* ui = nullptr);
  /// A driver handle on the project's library; not attached when the
  /// project has none. Valid while the project keeps that library.
  PlcDriver Driver(UserInterface* ui = nullptr) const;

  /// Reads a Think & Do tag map file into both tag map tables (TagMapFile.cpp).
  /// When the file does not open, T005 is shown and the tables stay as
  /// they are.
  bool LoadTagMap(const std::string& path, UserInterface& ui);

  /// Verify's comparison: equal system modes and PLC identities, the same
  /// number of panels, and for every panel an equal one on the same port.
  bool Equals(const TOvProject& other) const;

  /// The panel on the selected port, or nullptr.
  TOvPanel* SelectedPanel();
  const TOvPanel* SelectedPanel() const;
  /// Stores a panel at the selected port: the only panel, on port 1, in a
  /// single panel system; in a multi-panel system it replaces the panel on
  /// that port or is appended. The caller then sets the port table entry.
  TOvPanel& PutPanel(TOvPanel panel);
  /// Appends a panel as it is (its port included) and attaches it.
  TOvPanel& AppendPanel(TOvPanel panel);
  /// Erases the panel on the selected port, keeping the others' order.
  void RemoveSelectedPanel();

  /// Resets every address of every panel (after a change to a PLC whose
  /// addresses cannot be converted).
  void ClearAllAddresses();
  /// Calls fn on every address of every panel, panel by panel.
  void ForEachAddress(const std::function<void(TOvTag&)>& fn);

  /// Points every panel, message and address at this project.
  void AttachAll();

 private:
  void CopyFrom(const TOvProject& other);

  SharedLibrary driverModule_;
};

}  // namespace orvane
