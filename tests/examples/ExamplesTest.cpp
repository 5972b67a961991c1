// The example projects open clean through the real SLC 500 driver, hold
// the panels they are there to show, and are exactly what the project
// writer writes, so they never drift from the program.
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "plchost/CorvelLibrary.h"
#include "plchost/DriverCatalog.h"
#include "project/ProjectDriver.h"
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
  for (const TOvPanel& panel : project.panels) {
    panels.emplace_back(panel.portNumber, panel.panelModel);
    // A text panel is written only when it has a local message.
    EXPECT_TRUE(panel.IsSetPoint() || panel.HasLocalMessage()) << panel.portNumber;
  }
  EXPECT_THAT(panels, ElementsAreArray(example.panels));

  const fs::path saved = MakeTempDir("examples") / example.file;
  ASSERT_TRUE(SaveProjectFile(project, saved, ui_));
  // The plug-in path is where the driver is installed on the machine that
  // saves; the examples carry the path of a default installation.
  std::string expected = ReadText(path);
  const std::string shippedPath = "/usr/local/lib/orvane/dll/Brisko.so";
  const size_t at = expected.find(shippedPath);
  ASSERT_NE(at, std::string::npos);
  expected.replace(at, shippedPath.size(), project.plc.pluginPath);
  EXPECT_EQ(ReadText(saved), expected) << "the example is not what the writer writes";
}

INSTANTIATE_TEST_SUITE_P(
    Examples, ExamplesTest,
    ::testing::Values(Example{"single-panel.ovx", kSinglePanelSystem, {{1, kModelOv400}}},
                      Example{"multi-panel.ovx",
                              kMultiPanelSystem,
                              {{2, kModelOv200P}, {4, kModelOvSP}, {5, kModelOv200L}}}));

}  // namespace
}  // namespace orvane::testing
