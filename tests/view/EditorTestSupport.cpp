#include "tests/view/EditorTestSupport.h"

#include <gtest/gtest.h>

#include "project/ProjectFile.h"
#include "tests/support/TestPaths.h"
#include "view/DocumentBinding.h"

namespace orvane::testing {

EditorWorld::EditorWorld(const std::string& name)
    : install_(name), catalog_(install_.Dir() / "dll"), dir_(MakeTempDir(name)) {
  catalog_.ScanDrivers();
}

TOvProject EditorWorld::Project(int32_t model, unsigned maker, unsigned driverModel) {
  TOvProject project;
  AddFirstPanel(project, model);
  const std::optional<size_t> plc = FindPlc(catalog_.Entries(), maker, driverModel);
  EXPECT_TRUE(plc.has_value());
  EXPECT_TRUE(BindNewProject(project, catalog_.Entries(), plc.value_or(0), ui_));
  return project;
}

TOvProject EditorWorld::TagMapProject(int32_t model) {
  TOvProject project = Project(model, kTandemMaker, kTandemModel);
  const std::filesystem::path map = dir_ / "plant.map";
  WriteText(map, "Think & Do map\nversion 1\nTANK,N7,7,5,x\nPUMP,C10,5,10,x\nLEVEL,C11,5,11,x\n");
  EXPECT_TRUE(project.LoadTagMap(map.string(), ui_));
  project.tagMapInUse = true;
  project.tagMapPath = map.string();
  return project;
}

TOvProject EditorWorld::SaveAndReload(TOvProject& project, std::string* text) {
  const std::filesystem::path file = dir_ / ("saved" + std::to_string(++saved_) + ".ovx");
  EXPECT_TRUE(SaveProjectFile(project, file, ui_));
  if (text != nullptr) {
    *text = ReadText(file);
  }
  TOvProject loaded;
  EXPECT_TRUE(LoadProjectFile(file, loaded, ui_, CatalogLookup(catalog_)));
  EXPECT_TRUE(BindOpenedProject(loaded, catalog_.Entries(), ui_));
  return loaded;
}

std::string PanelText(const TOvProject& project) {
  TOvProject copy = project;
  copy.projectName.clear();
  return ProjectFileText(copy);
}

}  // namespace orvane::testing
