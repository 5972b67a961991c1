#include "view/MainViewModel.h"

#include <filesystem>

#include "base/StringTable.h"
#include "base/UserInterface.h"
#include "link/BaudRate.h"
#include "project/ProjectDriver.h"
#include "project/TOvProject.h"
#include "view/DocumentBinding.h"
#include "view/MainViewDialogs.h"
#include "view/OpenDocument.h"
#include "view/OrvaneDocument.h"
#include "view/PanelTransferCommands.h"

namespace orvane {
namespace {

bool AskYesNo(UserInterface& ui, int stringId, const char* caption = "") {
  Question question;
  question.text = LoadString(stringId);
  question.caption = caption;
  question.icon = Icon::Question;
  question.buttons = Buttons::YesNo;
  question.defaultAnswer = Answer::No;
  return ui.Ask(question) == Answer::Yes;
}

bool IsSetPointModel(int32_t model) {
  return model == kModelOvSP;
}

}  // namespace

MainViewModel::MainViewModel(OrvaneDocument& document, UserInterface& ui, MainViewDialogs& dialogs,
                             DriverCatalog& catalog)
    : document_(document),
      ui_(ui),
      dialogs_(dialogs),
      catalog_(catalog),
      attributeEditor_(&DialogAttributeEditor),
      attributeCommand_(
          [](TOvProject& project, UserInterface& ui) { return EditAttributes(project, ui); }) {}

TOvProject& MainViewModel::Project() {
  return document_.Project();
}

const TOvProject& MainViewModel::Project() const {
  return document_.Project();
}

bool MainViewModel::HasPanelOnCurrentPort() const {
  return Project().SelectedPanel() != nullptr;
}

void MainViewModel::MarkModified() {
  document_.SetModified();
  untouched_ = false;
}

bool MainViewModel::InitialUpdate(unsigned defaultManufacturer, unsigned defaultModel) {
  TOvProject& project = Project();
  if (document_.IsNew()) {
    AddFirstPanel(project, currentModel_);
    SetBaudRateSetting(kSinglePanelBaudRate);
  } else {
    multiPanel_ = project.systemMode == kMultiPanelSystem;
    SetBaudRateSetting(multiPanel_ ? kMultiplexerBaudRate : kSinglePanelBaudRate);
    currentPort_ = project.portTable.selectedPort;
    if (multiPanel_) {
      currentModel_ = project.portTable.Model(currentPort_);
    } else {
      currentModel_ = project.panels.empty() ? kModelNotConfigured : project.panels[0].panelModel;
    }
    untouched_ = false;
  }
  project.projectName = document_.Title();

  catalog_.WaitForCatalog();
  plcList_ = catalog_.Entries();
  if (document_.IsNew()) {
    currentPlcIndex_ = DefaultPlcEntry(plcList_, defaultManufacturer, defaultModel);
    return BindNewProject(project, plcList_, currentPlcIndex_, ui_);
  }
  return BindOpenedProject(project, plcList_, ui_, &currentPlcIndex_);
}

void MainViewModel::ProjectReplaced() {
  TOvProject& project = Project();
  project.projectName = document_.Title();
  multiPanel_ = project.systemMode == kMultiPanelSystem;
  currentPort_ = project.portTable.selectedPort;
  if (multiPanel_) {
    currentModel_ = project.portTable.Model(currentPort_);
  } else {
    currentModel_ = project.panels.empty() ? kModelNotConfigured : project.panels[0].panelModel;
  }
  for (size_t i = 0; i < plcList_.size(); ++i) {
    if (plcList_[i].name == project.plc.name && plcList_[i].path == project.plc.pluginPath) {
      currentPlcIndex_ = i;
      break;
    }
  }
  MarkModified();
}

std::string MainViewModel::TagMapText() const {
  const TOvProject& project = Project();
  if (!project.tagMapInUse) {
    return {};
  }
  const std::string name = std::filesystem::path(project.tagMapPath).filename().string();
  return FormatText(LoadString(strings::kTagMapCaption), name.c_str());
}

std::string MainViewModel::PortFieldText(int32_t port) const {
  const int32_t model = Project().portTable.Model(port);
  const std::string name = model != kModelNotConfigured ? PanelModel(model).name : "";
  return name + FormatText("\nPort%d", port);
}

std::string MainViewModel::CurrentModelName() const {
  return PanelModel(currentModel_).name;
}

ScreenButtons MainViewModel::Buttons() const {
  ScreenButtons buttons;
  if (currentModel_ == kModelNotConfigured) {
    return buttons;
  }
  const bool setPoint = IsSetPointModel(currentModel_);
  buttons.messages = true;
  buttons.annunciator = currentModel_ == kModelOv200P;
  buttons.keysLeds = !setPoint;
  buttons.systemAddresses = !setPoint;
  buttons.addressDatabase = true;
  return buttons;
}

std::string MainViewModel::ReadCaption() const {
  return multiPanel_ ? kReadFromMultiplexerCaption : kReadFromPanelCaption;
}

std::string MainViewModel::WriteCaption() const {
  return multiPanel_ ? kWriteToMultiplexerCaption : kWriteToPanelCaption;
}

PortMenuState MainViewModel::PortMenu() const {
  const bool panel = HasPanelOnCurrentPort();
  PortMenuState state;
  state.deletePanel = panel;
  state.exportConfiguration = panel;
  state.information = panel && multiPanel_;
  state.upgradeFirmware = panel;
  return state;
}

Editor MainViewModel::EditorFor(EditorButton button) const {
  if (currentModel_ == kModelNotConfigured || !HasPanelOnCurrentPort()) {
    return Editor::None;
  }
  const bool tnd = Project().tagMapInUse;
  const bool setPoint = IsSetPointModel(currentModel_);
  switch (button) {
    case EditorButton::Messages:
      if (setPoint) {
        return tnd ? Editor::TndSpConfigDlg : Editor::SpConfigDlg;
      }
      return tnd ? Editor::TndMessageDlg : Editor::PlcMessageDlg;
    case EditorButton::Annunciator:
      if (currentModel_ != kModelOv200P) {
        return Editor::None;
      }
      return tnd ? Editor::TndAnnunciatorDlg : Editor::PlcAnnunciatorDlg;
    case EditorButton::KeysLeds:
      if (setPoint) {
        return Editor::None;
      }
      return tnd ? Editor::TndLedDlg : Editor::PlcLedDlg;
    case EditorButton::SystemAddresses:
      if (setPoint) {
        return Editor::None;
      }
      return tnd ? Editor::TndGeneralDlg : Editor::MsgGeneralDlg;
    case EditorButton::AddressDatabase:
      return Editor::ViewAddressDlg;
  }
  return Editor::None;
}

bool MainViewModel::SwitchToSinglePanel() {
  if (!multiPanel_) {
    return false;
  }
  if (!AskYesNo(ui_, strings::kMultiPanelChangesLost)) {
    return false;
  }
  TOvProject& project = Project();
  project.panels.clear();
  AddFirstPanel(project, kModelOv200);
  multiPanel_ = false;
  currentPort_ = kFirstPort;
  currentModel_ = kModelOv200;
  SetBaudRateSetting(kSinglePanelBaudRate);
  MarkModified();
  return true;
}

bool MainViewModel::SwitchToMultiPanel() {
  if (multiPanel_) {
    return false;
  }
  TOvProject& project = Project();
  for (int32_t port = kFirstPort; port <= kLastPort; ++port) {
    project.portTable.Clear(port);
  }
  for (const TOvPanel& panel : project.panels) {
    project.portTable.SetPanel(panel);
  }
  project.systemMode = kMultiPanelSystem;
  project.portTable.selectedPort = kFirstPort;
  multiPanel_ = true;
  currentPort_ = kFirstPort;
  currentModel_ = project.portTable.Model(kFirstPort);
  SetBaudRateSetting(kMultiplexerBaudRate);
  MarkModified();
  return true;
}

bool MainViewModel::SelectPanelModel() {
  const int32_t preselected =
      multiPanel_ || currentModel_ == kModelNotConfigured ? kModelOv200 : currentModel_;
  const std::optional<int32_t> chosen = dialogs_.SelectPanelModel(preselected);
  if (!chosen || *chosen < kModelOv200 || *chosen > kModelOvSP) {
    return false;
  }
  TOvProject& project = Project();
  const TOvPanel* old = project.SelectedPanel();
  const bool sameSide = old != nullptr && old->IsSetPoint() == IsSetPointModel(*chosen);
  TOvPanel panel(&project, *chosen);
  if (multiPanel_) {
    if (old != nullptr && !sameSide && !old->messages.empty() &&
        !AskYesNo(ui_, strings::kPanelChangeLosesPanel)) {
      return false;
    }
    if (sameSide) {
      panel.ConvertFrom(*old);
    }
  } else {
    if (*chosen == currentModel_) {
      return false;
    }
    if (old != nullptr) {
      if (!sameSide && !old->messages.empty() &&
          !AskYesNo(ui_, strings::kPanelChangeLosesProject)) {
        return false;
      }
      panel.ConvertFrom(*old);
    }
  }
  panel.panelModel = *chosen;
  TOvPanel& stored = project.PutPanel(std::move(panel));
  project.portTable.SetPanel(stored);
  currentModel_ = *chosen;
  MarkModified();
  return true;
}

bool MainViewModel::DeletePanel() {
  if (!HasPanelOnCurrentPort()) {
    return false;
  }
  if (!AskYesNo(ui_, strings::kPanelChangeLosesPanel, "Warning")) {
    return false;
  }
  TOvProject& project = Project();
  project.portTable.Clear(currentPort_);
  project.RemoveSelectedPanel();
  currentModel_ = kModelNotConfigured;
  MarkModified();
  return true;
}

bool MainViewModel::DeleteKeyOnPort(int32_t port) {
  if (port <= kFirstPort || port != currentPort_) {
    return false;
  }
  return DeletePanel();
}

bool MainViewModel::SelectPort(int32_t port) {
  if (!multiPanel_ || port < kFirstPort || port > kLastPort || port == currentPort_) {
    return false;
  }
  TOvProject& project = Project();
  currentPort_ = port;
  project.portTable.selectedPort = port;
  currentModel_ = project.portTable.Model(port);
  return true;
}

bool MainViewModel::ChangePlc(size_t index) {
  if (index == currentPlcIndex_ || index >= plcList_.size()) {
    return false;
  }
  PlcChange change(Project(), ui_);
  change.SetUntouched(untouched_);
  change.SetAttributeEditor(attributeEditor_);
  if (change.ChangeTo(plcList_[index]) != PlcChangeResult::Changed) {
    return false;
  }
  currentPlcIndex_ = index;
  MarkModified();
  if (!change.ConversionLog().empty()) {
    dialogs_.ShowAddressConversionLog(change.ConversionLog());
  }
  return true;
}

bool MainViewModel::EditPlcAttributes() {
  if (!attributeCommand_(Project(), ui_)) {
    return false;
  }
  MarkModified();
  return true;
}

bool MainViewModel::ChangeTagMap() {
  if (!Project().tagMapInUse) {
    return false;
  }
  if (!orvane::ChangeTagMap(Project(), ui_)) {
    return false;
  }
  MarkModified();
  return true;
}

bool MainViewModel::ImportConfiguration() {
  if (!ImportPanel(Project(), ui_, CatalogLookup(catalog_))) {
    return false;
  }
  currentModel_ = Project().portTable.Model(currentPort_);
  MarkModified();
  return true;
}

bool MainViewModel::ExportConfiguration() {
  return ExportPanel(Project(), ui_);
}

void MainViewModel::EditorClosed() {
  TOvProject& project = Project();
  if (project.changed) {
    project.changed = false;
    MarkModified();
  }
}

}  // namespace orvane
