#include "tests/view/EditorTestSupport.h"

#include <stdexcept>

#include "project/ProjectFile.h"
#include "tests/support/TestPaths.h"
#include "view/DocumentBinding.h"

namespace orvane::testing {
namespace {

// Shared by GoogleTest and Qt Test executables: a step that fails throws,
// which both report as a failure of the test.
void Require(bool done, const char* step) {
  if (!done) {
    throw std::runtime_error(std::string("editor test world: ") + step + " failed");
  }
}

}  // namespace

EditorWorld::EditorWorld(const std::string& name, bool everyStagedDriver)
    : install_(name, true, everyStagedDriver),
      catalog_(install_.Dir() / "dll"),
      dir_(MakeTempDir(name)) {
  catalog_.ScanDrivers();
}

TOvProject EditorWorld::Project(int32_t model, unsigned maker, unsigned driverModel) {
  TOvProject project;
  AddFirstPanel(project, model);
  const std::optional<size_t> plc = FindPlc(catalog_.Entries(), maker, driverModel);
  Require(plc.has_value(), "finding the driver");
  Require(BindNewProject(project, catalog_.Entries(), *plc, ui_), "binding the project");
  return project;
}

TOvProject EditorWorld::TagMapProject(int32_t model) {
  TOvProject project = Project(model, kTandemMaker, kTandemModel);
  const std::filesystem::path map = dir_ / "plant.map";
  WriteText(map, "Think & Do map\nversion 1\nTANK,N7,7,5,x\nPUMP,C10,5,10,x\nLEVEL,C11,5,11,x\n");
  Require(project.LoadTagMap(map.string(), ui_), "loading the tag map");
  project.tagMapInUse = true;
  project.tagMapPath = map.string();
  return project;
}

TOvProject EditorWorld::SaveAndReload(TOvProject& project, std::string* text) {
  const std::filesystem::path file = dir_ / ("saved" + std::to_string(++saved_) + ".ovx");
  Require(SaveProjectFile(project, file, ui_), "saving");
  if (text != nullptr) {
    *text = ReadText(file);
  }
  TOvProject loaded;
  Require(LoadProjectFile(file, loaded, ui_, CatalogLookup(catalog_)), "loading");
  Require(BindOpenedProject(loaded, catalog_.Entries(), ui_), "binding the loaded project");
  return loaded;
}

std::string PanelText(const TOvProject& project) {
  TOvProject copy = project;
  copy.projectName.clear();
  return ProjectFileText(copy);
}

}  // namespace orvane::testing
