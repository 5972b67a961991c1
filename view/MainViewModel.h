// The configuration screen of one document as plain C++: the state the
// screen shows (system type, current port and model, the PLC list and the
// chosen PLC, the tag map) and every decision of its commands that is not a
// panel operation (single or multi-panel system, the panel model of a port,
// deleting a panel, choosing a port, changing the PLC and its attributes,
// the tag map, import and export of a panel, which editor a button opens).
// The desktop program's widgets show it and call its commands; they decide
// nothing themselves.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "plchost/DriverCatalog.h"
#include "view/PlcChange.h"

namespace orvane {

class MainViewDialogs;
class OrvaneDocument;
class TOvProject;
class UserInterface;

/// The editing buttons of the screen.
enum class EditorButton { Messages, Annunciator, KeysLeds, SystemAddresses, AddressDatabase };

/// The editor a button opens, by the dialog class that edits (the Think &
/// Do variants take tag names from the tag map, the others free-text PLC
/// addresses). None: the button does nothing now.
enum class Editor {
  None,
  PlcMessageDlg,
  TndMessageDlg,
  SpConfigDlg,
  TndSpConfigDlg,
  PlcAnnunciatorDlg,
  TndAnnunciatorDlg,
  PlcLedDlg,
  TndLedDlg,
  MsgGeneralDlg,
  TndGeneralDlg,
  ViewAddressDlg,
};

/// Which editing buttons the screen shows for the current panel.
struct ScreenButtons {
  bool messages = false;
  bool annunciator = false;      // model 3 only
  bool keysLeds = false;         // not the set point model
  bool systemAddresses = false;  // not the set point model
  bool addressDatabase = false;

  bool operator==(const ScreenButtons&) const = default;
};

/// The items of a port field's context menu that are available.
struct PortMenuState {
  bool selectPanel = true;
  bool deletePanel = false;
  bool importConfiguration = true;
  bool exportConfiguration = false;
  bool information = false;  // the status of the panel on the port
  bool upgradeFirmware = false;

  bool operator==(const PortMenuState&) const = default;
};

/// The transfer buttons' captions by system type.
inline constexpr const char* kReadFromPanelCaption = "&Read from\n Panel";
inline constexpr const char* kWriteToPanelCaption = "Wri&te to \nPanel";
inline constexpr const char* kReadFromMultiplexerCaption = "&Read from\n Multiplexer";
inline constexpr const char* kWriteToMultiplexerCaption = "Wri&te to \nMultiplexer";

class MainViewModel {
 public:
  /// The document, ui, dialogs and catalog must outlive this object.
  MainViewModel(OrvaneDocument& document, UserInterface& ui, MainViewDialogs& dialogs,
                DriverCatalog& catalog);

  /// How the new driver edits the attributes during a PLC change (the
  /// driver's own dialog unless set).
  void SetAttributeEditor(AttributeEditor editor) { attributeEditor_ = std::move(editor); }
  /// The PLC communication attribute command: true when the attributes
  /// changed (the project driver's dialog unless set).
  using AttributeCommand = std::function<bool(TOvProject& project, UserInterface& ui)>;
  void SetAttributeCommand(AttributeCommand command) { attributeCommand_ = std::move(command); }

  /// The screen's first showing of the document. A new document gets a
  /// model 1 panel on port 1 and the PLC with the codes given (the
  /// "PLC-ManID"/"PLC-ModID" settings; the first installed when none
  /// matches) with its default attributes; an opened one takes its system
  /// type, port and model from the project, is bound to its PLC and has its
  /// addresses re-validated. The project is named after the document. The
  /// PLC list waits for the driver scan; false (after "Error P005: PLC DLL
  /// load failed.") when there is no driver or it cannot be used: the view
  /// then closes.
  bool InitialUpdate(unsigned defaultManufacturer, unsigned defaultModel);

  // What the screen shows.

  bool MultiPanel() const { return multiPanel_; }
  int32_t CurrentPort() const { return currentPort_; }
  /// The model on the current port; 0 when it has no panel.
  int32_t CurrentModel() const { return currentModel_; }
  /// The project has not been changed since the view was made for a new
  /// document: changing the PLC then asks nothing.
  bool Untouched() const { return untouched_; }
  const std::vector<DriverEntry>& PlcList() const { return plcList_; }
  size_t CurrentPlcIndex() const { return currentPlcIndex_; }
  /// "Tag map: %s" with the map file's name while the project uses a tag
  /// map; empty otherwise (the name and its Change button are hidden).
  std::string TagMapText() const;
  /// A port field: the model name of the panel on the port (nothing when it
  /// has none), a line break and "Port%d".
  std::string PortFieldText(int32_t port) const;
  /// The name of the model on the current port.
  std::string CurrentModelName() const;
  ScreenButtons Buttons() const;
  std::string ReadCaption() const;
  std::string WriteCaption() const;
  /// The context menu opens only on the current port's field.
  bool PortMenuOpensOn(int32_t port) const { return port == currentPort_; }
  PortMenuState PortMenu() const;
  /// The editor a button opens for the current panel: by model (set point
  /// setup for model 5) and by the tag map's use; None while the current
  /// port has no panel, and for the buttons a model does not have.
  Editor EditorFor(EditorButton button) const;

  // The commands. Each returns true when it changed what the screen shows;
  // false leaves the project, the screen and the PLC choice as they were
  // (a widget that moved on its own, such as a radio button or the PLC
  // list, shows the model's state again).

  /// "Single Panel System": from a multi-panel system after question 61649
  /// (No by default): one model 1 panel on port 1 and nothing else.
  bool SwitchToSinglePanel();
  /// "Multi-Panel System": the panel there is becomes the panel on port 1.
  bool SwitchToMultiPanel();
  /// Select the panel model of the current port (the "Select Panel"
  /// dialog). A change across the set point divide that would lose messages
  /// asks first (61661 on a multi-panel system, 61550 on a single panel);
  /// the same model on a single panel changes nothing.
  bool SelectPanelModel();
  /// Delete the panel of the current port after question 61661 ("Warning",
  /// No by default).
  bool DeletePanel();
  /// The Delete key on a port field: ports 2 to 5 only, the current port,
  /// with a panel.
  bool DeleteKeyOnPort(int32_t port);
  /// A click on a port field of a multi-panel system makes it the current
  /// port.
  bool SelectPort(int32_t port);
  /// Change the PLC to the list entry (PlcChange: questions, conversion,
  /// tag map); the address conversion log is shown when it has lines.
  bool ChangePlc(size_t index);
  /// "Press for communication configuration for Selected PLC".
  bool EditPlcAttributes();
  /// "Change" beside the tag map name: another map file and its
  /// conversion.
  bool ChangeTagMap();
  /// "Import Configuration" into the current port.
  bool ImportConfiguration();
  /// "Export Configuration" of the current port's panel; true when written.
  bool ExportConfiguration();
  /// After an editor has closed: when it stored into the project, the
  /// document is modified.
  void EditorClosed();
  /// After Read has replaced the document's project: the screen follows the
  /// new project (system type, current port and model, its PLC's entry in
  /// the list), which is named after the document, and the document is
  /// modified.
  void ProjectReplaced();

 private:
  TOvProject& Project();
  const TOvProject& Project() const;
  bool HasPanelOnCurrentPort() const;
  void MarkModified();

  OrvaneDocument& document_;
  UserInterface& ui_;
  MainViewDialogs& dialogs_;
  DriverCatalog& catalog_;
  AttributeEditor attributeEditor_;
  AttributeCommand attributeCommand_;

  bool multiPanel_ = false;
  int32_t currentPort_ = 1;
  int32_t currentModel_ = 1;
  bool untouched_ = true;
  std::vector<DriverEntry> plcList_;
  size_t currentPlcIndex_ = 0;
};

}  // namespace orvane
