#include "view/OpenDocument.h"

#include "base/StringTable.h"
#include "base/UserInterface.h"
#include "project/ProjectFile.h"
#include "project/TOvProject.h"
#include "project/TOvTandry.h"

namespace orvane {

std::string JoinLog(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) {
    text += line;
  }
  return text;
}

bool ConfirmTagMapConversion(TOvProject& project, UserInterface& ui) {
  TOvTandry tandry(project);
  tandry.Reconcile();
  if (tandry.LogLineCount() == 0) {
    return true;
  }
  Question question;
  question.text = FormatText(kTagMapConversionText, project.tagMapPath.c_str());
  question.caption = kTagMapConversionCaption;
  question.icon = Icon::Question;
  question.buttons = Buttons::YesNo;
  question.defaultAnswer = Answer::Yes;
  question.details = JoinLog(tandry.Log());
  if (ui.Ask(question) != Answer::Yes) {
    return false;
  }
  tandry.SetMode(TOvTandry::kApply);
  tandry.Reconcile();
  return true;
}

bool ChangeTagMap(TOvProject& project, UserInterface& ui) {
  const std::optional<std::string> chosen = ChooseTagMapFile(ui);
  if (!chosen) {
    return false;
  }
  const auto keptTables = project.tagMaps;
  const std::string keptPath = project.tagMapPath;
  // A map that does not load leaves the tables as they were; the check
  // still runs against them.
  if (project.LoadTagMap(*chosen, ui)) {
    project.tagMapPath = *chosen;
  }
  if (!ConfirmTagMapConversion(project, ui)) {
    project.tagMaps = keptTables;
    project.tagMapPath = keptPath;
    return false;
  }
  return true;
}

bool OpenProjectDocument(const std::filesystem::path& path, TOvProject& project, UserInterface& ui,
                         const DriverLookup& lookup) {
  TOvProject opened;
  if (!LoadProjectFile(path, opened, ui, lookup)) {
    return false;
  }
  if (opened.tagMapInUse && !ConfirmTagMapConversion(opened, ui)) {
    return false;
  }
  project = std::move(opened);
  return true;
}

}  // namespace orvane
