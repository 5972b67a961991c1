// The example projects open clean through the real SLC 500 driver, keep
// what they are there to show, and are exactly what the project writer
// writes, so they never drift from the program.
#include <filesystem>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "plchost/CorvelLibrary.h"
#include "plchost/DriverCatalog.h"
#include "plchost/ProjectDriver.h"
#include "project/ProjectFile.h"
#include "project/TOvProject.h"
#include "tests/support/ScriptedUserInterface.h"
#include "tests/support/TestPaths.h"
#include "view/DocumentBinding.h"
#include "view/OpenDocument.h"

namespace orvane::testing {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

struct Example {
  const char* file;
  int32_t systemMode;
  std::vector<std::pair<int32_t, int32_t>> panels;  // port and model, by port
  size_t dataTypes;                                 // data types the data items use
  bool folderTree;                                  // local folders with messages inside
};

void PrintTo(const Example& example, std::ostream* out) {
  *out << example.file;
}

class ExamplesTest : public ::testing::TestWithParam<Example> {
 protected:
  void SetUp() override {
    ASSERT_TRUE(corvel_.Open());
    ASSERT_TRUE(corvel_.InstallMessageSink(ui_));
    catalog_.ScanDrivers();
  }

  ScriptedUserInterface ui_;
  CorvelLibrary corvel_;
  DriverCatalog catalog_{StagedInstallDir() / "dll"};
};

// The data types of the data items in use.
std::set<uint32_t> DataTypesInUse(const TOvProject& project) {
  std::set<uint32_t> types;
  for (const TOvPanel& panel : project.panels) {
    for (const TOvMessage& message : panel.messages) {
      const std::pair<bool, const TOvTag*> items[] = {{message.Item1InUse(), &message.item1},
                                                      {message.Item2InUse(), &message.item2},
                                                      {message.Item3InUse(), &message.item3}};
      for (const auto& [inUse, tag] : items) {
        if (inUse) {
          types.insert(tag->dataType);
        }
      }
    }
  }
  return types;
}

bool HasFolderTree(const TOvPanel& panel) {
  for (size_t i = 0; i + 1 < panel.messages.size(); ++i) {
    if (panel.messages[i].isFolder != 0 && panel.messages[i + 1].depth > 0) {
      return true;
    }
  }
  return false;
}

TEST_P(ExamplesTest, OpensCleanAndShowsWhatItIsFor) {
  const Example& example = GetParam();
  const fs::path path = fs::path(ORVANE_TEST_SOURCE_DIR) / "examples" / example.file;
  TOvProject project;
  ASSERT_TRUE(OpenProjectDocument(path, project, ui_, CatalogLookup(catalog_)));
  std::vector<std::string> refused;
  ASSERT_TRUE(BindOpenedProject(project, catalog_.Entries(), ui_, nullptr,
                                [&refused](const TOvPanel& panel, const TOvTag& tag) {
                                  refused.push_back(std::to_string(panel.portNumber) + " " +
                                                    tag.addressText);
                                }));
  EXPECT_THAT(refused, IsEmpty());
  EXPECT_THAT(ui_.MessageTexts(), IsEmpty());

  // The SLC 500 driver with its default attributes.
  EXPECT_EQ(fs::path(project.plc.pluginPath).stem(), "Brisko");
  EXPECT_EQ(project.plc.attributeBytes, DefaultAttributeBytes(project.Driver(&ui_)));

  EXPECT_EQ(project.systemMode, example.systemMode);
  std::vector<std::pair<int32_t, int32_t>> panels;
  bool folderTree = false;
  for (const TOvPanel& panel : project.panels) {
    panels.emplace_back(panel.portNumber, panel.panelModel);
    folderTree = folderTree || HasFolderTree(panel);
    EXPECT_FALSE(panel.messages.empty()) << panel.portNumber;
    if (panel.IsSetPoint()) {
      continue;
    }
    // A text panel is written only with a local message; its keys, LEDs and
    // line registers are set.
    EXPECT_TRUE(panel.HasLocalMessage()) << panel.portNumber;
    EXPECT_FALSE(panel.keysLeds.ledWord.addressText.empty()) << panel.portNumber;
    EXPECT_FALSE(panel.keysLeds.buttonWord.addressText.empty()) << panel.portNumber;
    for (size_t line = 0; line < panel.LineRegistersInUse(); ++line) {
      EXPECT_FALSE(panel.lineRegisters[line].addressText.empty()) << panel.portNumber;
    }
  }
  EXPECT_THAT(panels, ElementsAreArray(example.panels));
  EXPECT_EQ(folderTree, example.folderTree);
  EXPECT_GE(DataTypesInUse(project).size(), example.dataTypes);

  const fs::path saved = MakeTempDir("examples") / example.file;
  ASSERT_TRUE(SaveProjectFile(project, saved, ui_));
  EXPECT_EQ(ReadText(saved), ReadText(path)) << "the example is not what the writer writes";
}

INSTANTIATE_TEST_SUITE_P(
    Examples, ExamplesTest,
    ::testing::Values(Example{"single-panel.ovx", kSinglePanelSystem, {{1, kModelOv400}}, 4, true},
                      Example{"multi-panel.ovx",
                              kMultiPanelSystem,
                              {{2, kModelOv200P}, {4, kModelOvSP}, {5, kModelOv200L}},
                              3,
                              true}));

}  // namespace
}  // namespace orvane::testing
