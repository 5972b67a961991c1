#include "view/PlcChange.h"

#include "base/StringTable.h"
#include "base/UserInterface.h"
#include "plchost/CorvelLibrary.h"
#include "plchost/TOvPlcManager2.h"
#include "project/ProjectDriver.h"
#include "project/ProjectFile.h"
#include "project/TOvProject.h"

namespace orvane {

std::vector<unsigned char> DialogAttributeEditor(const PlcDriver& newDriver,
                                                 const TOvProject& project) {
  return EditAttributeBytes(newDriver, project.plc.attributeBytes, project.systemMode);
}

PlcChange::PlcChange(TOvProject& project, UserInterface& ui)
    : project_(project), ui_(ui), editor_(&DialogAttributeEditor) {}

bool PlcChange::Confirm(int stringId, const std::string& newName) {
  if (untouched_) {
    return true;
  }
  Question question;
  question.text = FormatText(LoadString(stringId), newName.c_str(), project_.plc.name.c_str());
  question.caption = "Warning";
  question.icon = Icon::Exclamation;
  question.buttons = Buttons::YesNo;
  question.defaultAnswer = Answer::Yes;
  return ui_.Ask(question) == Answer::Yes;
}

bool PlcChange::EnsureTagMap() {
  const bool haveMap =
      !project_.tagMapPath.empty() && !project_.tagMaps[kTextModelTagMap].entries.empty();
  if (haveMap) {
    return true;
  }
  const std::optional<std::string> chosen = ChooseTagMapFile(ui_);
  if (!chosen || !project_.LoadTagMap(*chosen, ui_)) {
    return false;
  }
  project_.tagMapPath = *chosen;
  return true;
}

void PlcChange::Finish(const DriverEntry& entry) {
  project_.LoadDriver(entry.path, &ui_);
  project_.plc.name = entry.name;
  project_.plc.pluginPath = entry.path;
  project_.plc.mapLength = project_.Driver(&ui_).DriverDetails().mapLength;
  project_.changed = true;
  untouched_ = false;
}

PlcChangeResult PlcChange::ChangeTo(const DriverEntry& entry) {
  log_.clear();
  // The PLC the project already has: nothing to change.
  if (entry.path == project_.plc.pluginPath && entry.name == project_.plc.name) {
    return PlcChangeResult::Unchanged;
  }
  TOvPlcManager2 manager(entry.path, &ui_);
  PlcDriver& newDriver = manager.Driver();
  TOvPlcInfo defaults;
  // A driver that cannot describe its own attributes cannot serve the
  // project either.
  if (!manager.IsLoaded() || newDriver.DriverName().empty() ||
      !SetDefaultAttributes(newDriver, defaults) || defaults.attributeBytes.size() < 2) {
    ui_.Show(FormatText(LoadString(strings::kP003), entry.path.c_str()), Icon::Exclamation);
    return PlcChangeResult::Failed;
  }
  const unsigned char newManufacturer = defaults.ManufacturerCode();
  const bool convertible =
      CorvelLibrary::CheckConvertible(ui_, newManufacturer, defaults.ModelCode(),
                                      project_.plc.ManufacturerCode(), project_.plc.ModelCode());

  if (convertible) {
    if (!Confirm(strings::kPlcCompatibleQuestion, entry.name)) {
      return PlcChangeResult::Unchanged;
    }
    std::vector<unsigned char> edited = editor_(newDriver, project_);
    if (edited.empty()) {
      return PlcChangeResult::Unchanged;
    }
    // The converted addresses keep the new driver's map strings whole.
    project_.plc.mapLength = newDriver.DriverDetails().mapLength;
    log_ = ConvertAddresses(project_, newDriver);
    project_.plc.attributeBytes = std::move(edited);
  } else {
    if (!Confirm(strings::kP006, entry.name)) {
      return PlcChangeResult::Unchanged;
    }
    if (newManufacturer == kThinkAndDoManufacturer) {
      if (!EnsureTagMap()) {
        return PlcChangeResult::Unchanged;
      }
      project_.tagMapInUse = true;
    } else {
      project_.tagMapInUse = false;
      project_.tagMapPath.clear();
    }
    project_.ClearAllAddresses();
    project_.plc.attributeBytes = std::move(defaults.attributeBytes);
  }
  // Only a Think & Do PLC's addresses are tag names. Corvel judges a change
  // by the new family and the old model alone, so a Think & Do project can
  // take the convertible path to another family; its tag map must not stay
  // in use there.
  if (newManufacturer != kThinkAndDoManufacturer) {
    project_.tagMapInUse = false;
  }
  Finish(entry);
  return PlcChangeResult::Changed;
}

}  // namespace orvane
