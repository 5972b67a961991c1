#include "view/PanelTransferCommands.h"

#include "base/StringTable.h"
#include "base/UserInterface.h"
#include "project/ProjectDriver.h"
#include "project/ProjectFile.h"
#include "project/TOvProject.h"

namespace orvane {
namespace {

FileRequest ProjectFileRequest() {
  FileRequest request;
  request.filter = kProjectFileFilterWithAll;
  request.defaultExtension = kProjectFileExtension;
  return request;
}

// The panel of a multi-panel file the user picks; nullptr when cancelled or
// the chosen port has none.
const TOvPanel* ChoosePanel(const TOvProject& source, UserInterface& ui) {
  ChoiceRequest request;
  request.caption = kMultipanelImportCaption;
  request.preselected = 0;
  for (int32_t port = kFirstPort; port <= kLastPort; ++port) {
    const TOvPanel* panel = nullptr;
    for (const TOvPanel& candidate : source.panels) {
      if (candidate.portNumber == port) {
        panel = &candidate;
      }
    }
    Choice choice;
    choice.label = "Port " + std::to_string(port) + " : " +
                   (panel != nullptr ? panel->ModelName() : std::string("Not Configured"));
    choice.enabled = panel != nullptr;
    request.choices.push_back(choice);
  }
  const std::optional<int> chosen = ui.Choose(request);
  if (!chosen || *chosen < 0 || *chosen >= kMaxPanels) {
    return nullptr;
  }
  const int32_t port = *chosen + kFirstPort;
  for (const TOvPanel& panel : source.panels) {
    if (panel.portNumber == port) {
      return &panel;
    }
  }
  return nullptr;
}

}  // namespace

bool ExportPanel(const TOvProject& project, UserInterface& ui) {
  if (project.SelectedPanel() == nullptr) {
    return false;
  }
  FileRequest request = ProjectFileRequest();
  request.overwritePrompt = true;
  const std::optional<std::string> path = ui.ChooseSaveFile(request);
  return path && ExportPanelFile(project, *path, ui);
}

bool ImportPanel(TOvProject& project, UserInterface& ui, const DriverLookup& lookup) {
  const std::optional<std::string> path = ui.ChooseOpenFile(ProjectFileRequest());
  if (!path) {
    return false;
  }
  TOvProject source;
  if (!LoadProjectFile(*path, source, ui, lookup)) {
    return false;
  }
  const TOvPanel* taken = nullptr;
  if (source.systemMode == kMultiPanelSystem) {
    taken = ChoosePanel(source, ui);
  } else if (!source.panels.empty()) {
    taken = &source.panels.front();
    const TOvPanel* current = project.SelectedPanel();
    if (current != nullptr && current->Equals(*taken)) {
      return false;
    }
  }
  if (taken == nullptr) {
    return false;
  }
  if (project.SelectedPanel() != nullptr) {
    Question question;
    question.text = LoadString(strings::kClearPanelsQuestion);
    question.icon = Icon::Question;
    question.buttons = Buttons::YesNo;
    question.defaultAnswer = Answer::No;
    if (ui.Ask(question) != Answer::Yes) {
      return false;
    }
    project.portTable.Clear(project.portTable.selectedPort);
    project.RemoveSelectedPanel();
  }
  TOvPanel& stored = project.PutPanel(TOvPanel(*taken));
  project.portTable.SetPanel(stored);
  const PlcDriver driver = project.Driver(&ui);
  if (driver.IsAttached()) {
    project.plc.mapLength = driver.DriverDetails().mapLength;
  }
  RevalidateAddresses(project, ui);
  project.changed = true;
  return true;
}

}  // namespace orvane
