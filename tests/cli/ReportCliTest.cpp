// orvane-cli project report on the example projects, as a user runs it
// without a display: the PDF's text (pdftotext) holds the summary's values
// and every message of the panel reported.
#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "base/StringTable.h"
#include "plchost/DriverCatalog.h"
#include "project/ModelNames.h"
#include "project/ProjectFile.h"
#include "project/TOvProject.h"
#include "tests/support/RunProgram.h"
#include "tests/support/ScriptedUserInterface.h"
#include "tests/support/TestPaths.h"
#include "view/DocumentBinding.h"

namespace orvane::testing {
namespace {

namespace fs = std::filesystem;

// Blanks and line breaks in runs become one blank: the PDF's text spaces
// its columns as it likes.
std::string Collapsed(const std::string& text) {
  std::string collapsed = std::regex_replace(text, std::regex("\\s+"), " ");
  collapsed.erase(0, collapsed.find_first_not_of(' '));
  collapsed.erase(collapsed.find_last_not_of(' ') + 1);
  return collapsed;
}

TEST(ReportCliTest, TheExamplesPrintTheirSummaryAndEveryMessage) {
  DriverCatalog catalog(StagedInstallDir() / "dll");
  catalog.ScanDrivers();
  const fs::path dir = MakeTempDir("report-cli");
  struct Case {
    const char* file;
    int port;
    bool landscape;
  };
  for (const Case& c : {Case{"single-panel.ovx", 1, false}, Case{"multi-panel.ovx", 2, false},
                        Case{"multi-panel.ovx", 4, true}, Case{"multi-panel.ovx", 5, false}}) {
    SCOPED_TRACE(std::string(c.file) + " port " + std::to_string(c.port));
    const fs::path file = fs::path(ORVANE_TEST_SOURCE_DIR) / "examples" / c.file;
    ScriptedUserInterface ui;
    TOvProject project;
    ASSERT_TRUE(LoadProjectFile(file, project, ui, CatalogLookup(catalog)));
    project.portTable.selectedPort = c.port;
    const TOvPanel& panel = *project.SelectedPanel();

    const fs::path pdf = dir / FormatText("%s-%d.pdf", file.stem().c_str(), c.port);
    std::vector<std::string> args{
        "project", "report", file.string(), "--port", std::to_string(c.port), "-o", pdf.string()};
    if (c.landscape) {
      args.emplace_back("--landscape");
    }
    const ProgramResult run = RunCli(args);
    ASSERT_EQ(run.exitStatus, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_NE(run.out.find(FormatText("the %s panel on port %d with %zu messages",
                                      panel.ModelName().c_str(), c.port, panel.messages.size())),
              std::string::npos)
        << run.out;
    const ProgramResult text = RunProgram("/usr/bin/pdftotext", {"-layout", pdf.string(), "-"});
    ASSERT_EQ(text.exitStatus, 0) << text.err;
    const std::string printed = Collapsed(text.out);

    std::vector<std::string> expected{
        "FileName : " + file.string(),
        "SystemType : " + std::string(project.systemMode == kMultiPanelSystem
                                          ? "Multiple Panel System"
                                          : "Single Panel System"),
        project.systemMode == kMultiPanelSystem
            ? FormatText("Panel : Port %d - %s", c.port, panel.ModelName().c_str())
            : "PanelType : " + panel.ModelName(),
        "PLC TYPE : " + project.plc.name};
    for (size_t line = 0; line < panel.LineRegistersInUse(); ++line) {
      expected.push_back(FormatText("Line %zu PLC : ", line + 1) +
                         panel.lineRegisters[line].addressText);
    }
    if (!panel.IsSetPoint()) {
      expected.push_back("Button(Bit Write)PLC Word : " + panel.keysLeds.buttonWord.addressText);
      expected.push_back("LED(Bit Read)PLC Word : " + panel.keysLeds.ledWord.addressText);
      for (int key = 0; key < kKeyCount; ++key) {
        expected.push_back(
            FormatText("F%d: ", key + 1) + ButtonActionName(panel.keysLeds.buttonAction[key]) +
            FormatText(" LED %d: ", key + 1) + LedModeName(panel.keysLeds.ledMode[key]));
      }
    }
    if (panel.HasPasswords()) {
      expected.push_back("PLC Password Register: " + panel.passwordRegister.addressText);
      expected.push_back("Annunciator Word: " + panel.annunciatorWord.addressText);
    }
    for (const TOvMessage& message : panel.messages) {
      const std::string shown = Collapsed(DigitPositionText(message.text));
      expected.push_back(message.isPlcMessage != 0 ? FormatText("[%03d] ", message.number) + shown
                                                   : shown);
    }
    for (const std::string& item : expected) {
      EXPECT_NE(printed.find(item), std::string::npos) << item;
    }
  }
}

}  // namespace
}  // namespace orvane::testing
