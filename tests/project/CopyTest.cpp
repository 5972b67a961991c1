// Copies are deep and every copied object belongs to its new owner, also
// after moves and container growth. The sanitizer build turns any pointer
// left at a destroyed owner into a failure, so the tests destroy sources
// before they use the copies.
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <dlfcn.h>

#include <gtest/gtest.h>

#include "project/TOvProject.h"
#include "tests/project/ProjectBuilders.h"

namespace orvane {
namespace {

using testing::ExpectOwnedBy;
using testing::MakeProject;
using testing::SetAddress;
using testing::WithMarkers;

std::unique_ptr<TOvProject> MakeFilledProject() {
  auto project = std::make_unique<TOvProject>(MakeProject(kModelNotConfigured));
  project->systemMode = kMultiPanelSystem;
  project->projectName = "plant.ovx";
  project->plc.name = "PLC";
  project->plc.attributeBytes = {1, 4, 0, 0};
  project->changed = true;
  project->tagMapPath = "/maps/plant.map";
  project->tagMaps[kTextModelTagMap].entries["Speed"] = "C,5,1";
  for (int32_t port : {1, 3}) {
    project->portTable.selectedPort = port;
    TOvPanel& panel = project->PutPanel(TOvPanel(project.get(), kModelOv200P));
    project->portTable.SetPanel(panel);
    SetAddress(panel.keysLeds.ledWord, "N7:" + std::to_string(port));
    for (int number = 1; number <= 3; ++number) {
      TOvMessage& message = panel.AddMessage(TOvMessage());
      message.number = number;
      message.text = WithMarkers("value 1 2");
      SetAddress(message.item1, "N7:1" + std::to_string(number), {9, 8, 7});
      SetAddress(message.item1.decimalPointRegister, "N7:99");
      SetAddress(message.item2, "N7:2" + std::to_string(number));
    }
  }
  return project;
}

TEST(ProjectCopy, IsIndependentAndOwnedByTheCopy) {
  auto original = MakeFilledProject();
  TOvProject copy(*original);
  ExpectOwnedBy(copy);
  ASSERT_TRUE(copy.Equals(*original));
  EXPECT_EQ(copy.projectName, "plant.ovx");
  EXPECT_EQ(copy.portTable, original->portTable);

  copy.panels[1].messages[2].item1.addressText = "B3:0";
  copy.panels[1].messages[2].text = "changed";
  EXPECT_EQ(original->panels[1].messages[2].item1.addressText, "N7:13");
  EXPECT_EQ(original->panels[1].messages[2].text, WithMarkers("value 1 2"));

  // The copy must not lean on the original in any way.
  TOvProject reference(copy);
  original.reset();
  EXPECT_TRUE(copy.Equals(reference));
  EXPECT_TRUE(copy.panels[0].messages[0].Item1InUse());
  EXPECT_EQ(copy.panels[0].messages[0].item1.MapLength(), 3u);
}

TEST(ProjectCopy, LeavesTheChangedFlagAndTagMapPathAndCopiesMapsOnlyInUse) {
  auto original = MakeFilledProject();
  TOvProject notInUse(*original);
  EXPECT_FALSE(notInUse.changed);
  EXPECT_TRUE(notInUse.tagMapPath.empty());
  EXPECT_TRUE(notInUse.tagMaps[kTextModelTagMap].entries.empty());

  original->tagMapInUse = true;
  TOvProject inUse;
  inUse.tagMapPath = "/maps/mine.map";
  inUse = *original;
  EXPECT_EQ(inUse.tagMaps[kTextModelTagMap].entries.at("Speed"), "C,5,1");
  EXPECT_EQ(inUse.tagMapPath, "/maps/mine.map");
}

TEST(ProjectCopy, PanelsAreRecreatedByTheirModelsRules) {
  TOvProject original = MakeProject(kModelOv200);
  TOvPanel& panel = original.panels[0];
  SetAddress(panel.lineRegisters[3], "N7:4");
  SetAddress(panel.annunciatorWord, "N7:5");
  const TOvProject copy(original);
  // A two-line panel without annunciator carries neither into a copy.
  EXPECT_TRUE(copy.panels[0].lineRegisters[3].addressText.empty());
  EXPECT_TRUE(copy.panels[0].annunciatorWord.addressText.empty());
  EXPECT_TRUE(copy.Equals(original));
}

TEST(ProjectMove, EverythingFollowsTheProject) {
  auto original = MakeFilledProject();
  const TOvProject reference(*original);
  TOvProject moved(std::move(*original));
  original.reset();
  ExpectOwnedBy(moved);
  EXPECT_TRUE(moved.Equals(reference));

  TOvProject assigned;
  assigned = std::move(moved);
  ExpectOwnedBy(assigned);
  EXPECT_EQ(assigned.tagMapPath, "/maps/plant.map");
  EXPECT_TRUE(assigned.Equals(reference));

  std::vector<TOvProject> many;
  for (int i = 0; i < 9; ++i) {
    many.push_back(reference);
  }
  for (const TOvProject& project : many) {
    ExpectOwnedBy(project);
  }
}

TEST(PanelCopy, MessagesBelongToTheCopyAfterCopyMoveAndGrowth) {
  TOvProject project = MakeProject(kModelOvSP);
  auto source = std::make_unique<TOvPanel>(project.panels[0]);
  for (int i = 0; i < 40; ++i) {
    source->AddMessage(TOvMessage()).number = i;
  }
  TOvPanel copy(*source);
  TOvPanel assigned(&project, kModelOv200);
  assigned = *source;
  source.reset();
  for (const TOvPanel* panel : {&copy, &assigned}) {
    for (const TOvMessage& message : panel->messages) {
      ASSERT_EQ(message.panel, panel);
      // Set point entries use item 1 through their panel's model.
      EXPECT_TRUE(message.Item1InUse());
    }
  }
  TOvPanel moved(std::move(copy));
  EXPECT_EQ(moved.messages.front().panel, &moved);
}

TEST(ProjectPanels, GrowingThePanelListKeepsMessagesAttached) {
  TOvProject project = MakeProject(kModelNotConfigured);
  project.systemMode = kMultiPanelSystem;
  for (int32_t port = 1; port <= 5; ++port) {
    project.portTable.selectedPort = port;
    TOvPanel& panel = project.PutPanel(TOvPanel(&project, kModelOvSP));
    panel.AddMessage(TOvMessage());
    ExpectOwnedBy(project);
    for (const TOvPanel& each : project.panels) {
      EXPECT_TRUE(each.messages.front().Item1InUse());
    }
  }
}

TEST(ProjectPanels, AttachAllAdoptsPanelsAddedDirectly) {
  TOvProject other = MakeProject(kModelOv200);
  TOvProject project = MakeProject(kModelNotConfigured);
  project.panels.push_back(other.panels[0]);
  project.AttachAll();
  ExpectOwnedBy(project);
}

// Whether the library at path is loaded in this process, without loading it.
bool IsLoaded(const std::string& path) {
  void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_NOLOAD);
  if (handle == nullptr) {
    return false;
  }
  dlclose(handle);
  return true;
}

TEST(DriverModule, EachProjectHoldsItsOwnReference) {
  const std::string library = ORVANE_PROJECT_TEST_LIBRARY;
  ASSERT_FALSE(IsLoaded(library));
  {
    auto original = std::make_unique<TOvProject>();
    original->plc.pluginPath = library;
    ASSERT_TRUE(original->OpenDriverModule(library));
    EXPECT_TRUE(IsLoaded(library));

    TOvProject copy(*original);
    EXPECT_TRUE(copy.DriverModule().IsOpen());
    EXPECT_EQ(copy.DriverModule().Path(), library);
    original.reset();
    EXPECT_TRUE(IsLoaded(library));
    EXPECT_NE(copy.DriverModule().Symbol("orvane_test_library_marker"), nullptr);

    TOvProject moved(std::move(copy));
    EXPECT_TRUE(moved.DriverModule().IsOpen());
    EXPECT_FALSE(copy.DriverModule().IsOpen());  // NOLINT: moved-from state is defined
  }
  EXPECT_FALSE(IsLoaded(library));
}

TEST(DriverModule, ReplacingOrCopyingWithoutPathReleasesTheLibrary) {
  const std::string library = ORVANE_PROJECT_TEST_LIBRARY;
  TOvProject project;
  ASSERT_TRUE(project.OpenDriverModule(library));
  EXPECT_FALSE(project.OpenDriverModule(library + ".missing"));
  EXPECT_FALSE(project.DriverModule().IsOpen());
  EXPECT_FALSE(IsLoaded(library));

  ASSERT_TRUE(project.OpenDriverModule(library));
  project = TOvProject();  // a project without plug-in path
  EXPECT_FALSE(IsLoaded(library));

  ASSERT_TRUE(project.OpenDriverModule(library));
  const TOvProject empty;
  project = empty;
  EXPECT_FALSE(project.DriverModule().IsOpen());
  EXPECT_FALSE(IsLoaded(library));
}

}  // namespace
}  // namespace orvane
