// The documentation report's layout without a printer: the summary's
// lines, the message tables' columns, cells, colours and shading, and where
// the pages break. Text widths come from a fixed-pitch measure: a
// character is 0.75 units per point.
#include "view/TOvReport.h"

#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "project/TOvProject.h"
#include "tests/project/ProjectBuilders.h"

namespace orvane::testing {
namespace {

double FixedPitch(const std::string& text, const ReportFont& font) {
  double characters = 0;
  for (const char c : text) {
    characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
  }
  return characters * font.points * 0.75;
}

// Printable 800 x 1050: the report's page is 800 x 1030.
TOvReport Report(const TOvProject& project, bool landscape = false, bool colour = true) {
  return TOvReport(project, "/projects/lift.ovx", ReportPaper{800, 1050, landscape, colour},
                   FixedPitch);
}

std::vector<std::string> Texts(const ReportPage& page) {
  std::vector<std::string> texts;
  for (const ReportText& text : page.texts) {
    texts.push_back(text.line.Text());
  }
  return texts;
}

std::vector<std::string> Cells(const ReportRow& row) {
  std::vector<std::string> cells;
  for (const std::vector<ReportLine>& lines : row.cells) {
    std::string cell;
    for (const ReportLine& line : lines) {
      cell += (cell.empty() ? "" : "|") + line.Text();
    }
    cells.push_back(cell);
  }
  return cells;
}

TOvMessage& AddMessage(TOvPanel& panel, int32_t number, const std::string& pattern,
                       bool plc = true) {
  TOvMessage message(&panel);
  message.number = number;
  message.isPlcMessage = plc ? 1 : 0;
  message.text = WithMarkers(pattern);
  return panel.AddMessage(message);
}

TEST(ReportTest, TheSummaryListsThePanelsAddressesKeysAndLeds) {
  TOvProject project = MakeProject(kModelOv200P);
  project.plc.name = "SLC 500";
  TOvPanel& panel = project.panels.front();
  SetEveryAddress(panel);
  panel.keysLeds.buttonAction = {0, 1, 2, 0, 0};
  panel.keysLeds.ledMode = {0, 1, 2, 2, 0};
  const TOvReport report = Report(project);
  ASSERT_EQ(report.Pages().size(), 1u) << "no messages: the summary alone";
  // The LED modes are named by their codes as the editor and the panel
  // know them: 0 by button, 1 by button and flash, 2 by PLC.
  EXPECT_EQ(Texts(report.Pages()[0]),
            (std::vector<std::string>{"Orvane Operator Interface Panel Project Documentation",
                                      "FileName : ",
                                      "/projects/lift.ovx",
                                      "SystemType : ",
                                      "Single Panel System",
                                      "PanelType : ",
                                      "Ov200P/Ov200PV",
                                      "Button(Bit Write)PLC Word : ",
                                      "button",
                                      "LED(Bit Read)PLC Word : ",
                                      "led",
                                      "Line 1 PLC :",
                                      "line1",
                                      "Line 2 PLC :",
                                      "line2",
                                      "PLC TYPE : ",
                                      "SLC 500",
                                      "PLC Password Register:",
                                      "password",
                                      "Annunciator Word: ",
                                      "annunciator",
                                      "BUTTON/ LED Information",
                                      "F1: Momentary",
                                      "LED 1: By Button",
                                      "F2: Alternate",
                                      "LED 2: By Button & Flash",
                                      "F3: Panel Set & PLC Release",
                                      "LED 3: By PLC",
                                      "F4: Momentary",
                                      "LED 4: By PLC",
                                      "F5: Momentary",
                                      "LED 5: By Button",
                                      "Page 1 of 1"}));
  // Labels at the margin + 30, values at the margin + 300; the LED column
  // 40 units right of the longest key text ("F3: Panel Set & PLC Release").
  EXPECT_EQ(report.Pages()[0].texts[1].box.left, 40);
  EXPECT_EQ(report.Pages()[0].texts[2].box.left, 310);
  EXPECT_EQ(report.Pages()[0].texts[23].box.left, 40 + 27 * 6.75 + 40);

  // A multi-panel project's report covers the current panel and says which;
  // the set point model has no keys or LEDs and one line register.
  TOvProject multi = MakeProject(kModelNotConfigured);
  multi.systemMode = kMultiPanelSystem;
  multi.portTable.selectedPort = 3;
  multi.PutPanel(TOvPanel(&multi, kModelOvSP));
  SetEveryAddress(multi.panels.front());
  EXPECT_EQ(Texts(Report(multi).Pages()[0]),
            (std::vector<std::string>{"Orvane Operator Interface Panel(s) Project Documentation",
                                      "FileName : ", "/projects/lift.ovx", "SystemType : ",
                                      "Multiple Panel System", "Panel : ", "Port 3 - OvSP",
                                      "Line 1 PLC :", "line1", "PLC TYPE : ", "", "Page 1 of 1"}));
}

TEST(ReportTest, MessageTablesHaveTheirPanelsColumnsAndCells) {
  TOvProject project = MakeProject(kModelOv200);
  TOvPanel& panel = project.panels.front();
  TOvMessage& all = AddMessage(panel, 1, "T 11 2 3");
  all.text.insert(all.text.find(kItem1Marker) + 2, 1, kDecimalPointMarker);
  SetAddress(all.item1, "N7:1", {1, 2, 3}, kDataTypeBcd32);
  all.item1.accessType = kAccessReadOnly;
  all.item1.variableDecimalPoint = true;
  SetAddress(all.item1.decimalPointRegister, "N7:9");
  SetAddress(all.item2, "N7:2");
  SetAddress(all.item3, "N7:3", {1, 2, 3}, kDataTypeBcd16);
  // Addresses of items whose markers are gone are not printed.
  TOvMessage& plain = AddMessage(panel, 12, "PLAIN");
  SetAddress(plain.item1, "stale");
  SetAddress(plain.item2, "stale");
  AddMessage(panel, 256, "FOLDER", false).isFolder = 1;
  AddMessage(panel, 255, "INSIDE 1", false).depth = 1;
  SetAddress(panel.messages.back().item1, "N9:0");

  const TOvReport report = Report(project);
  ASSERT_EQ(report.Pages().size(), 3u) << "the local messages start a page of their own";
  EXPECT_EQ(Texts(report.Pages()[1])[1], "PLC Messages");
  EXPECT_EQ(Texts(report.Pages()[2])[1], "Local Messages");
  const ReportTable& table = *report.Pages()[1].table;
  std::vector<std::string> headings;
  for (const ReportColumn& column : table.columns) {
    headings.push_back(column.heading);
  }
  EXPECT_EQ(headings, TOvReport::Headings(panel));
  EXPECT_EQ(headings,
            (std::vector<std::string>{"", "Data 1 Reg", "Data Type", "R / W", "Dec Pt Reg ",
                                      "Data 2 Reg", "Data Type", "Data 3 Reg", "Data Type"}));
  EXPECT_EQ(table.columns[5].headingColour, ReportColour::Blue);
  EXPECT_EQ(table.columns[6].headingColour, ReportColour::Blue);
  EXPECT_EQ(table.columns[8].headingColour, ReportColour::Green);
  EXPECT_EQ(table.columns[4].headingColour, ReportColour::Black);
  // The heading row is as tall as its longest heading (11 characters at
  // 12 pt) with the padding above and the gap to the rule below.
  EXPECT_EQ(table.headingBottom, 145 + 12 + 11 * 9 + 10);
  EXPECT_DOUBLE_EQ(table.columns[0].width, 780 * 0.24);

  ASSERT_EQ(table.rows.size(), 2u);
  EXPECT_EQ(Cells(table.rows[0]),
            (std::vector<std::string>{"[001] T 11. 2 3", "N7:1", "BCD 32", "R", "N7:9", "N7:2",
                                      "Binary 16", "N7:3", "BCD 16"}));
  EXPECT_EQ(Cells(table.rows[1]),
            (std::vector<std::string>{"[012] PLAIN", "", "", "", "", "", "", "", ""}));
  EXPECT_FALSE(table.rows[0].shaded);
  EXPECT_TRUE(table.rows[1].shaded);
  EXPECT_EQ(table.rows[1].top, table.headingBottom + 20);
  const ReportTable& local = *report.Pages()[2].table;
  EXPECT_EQ(Cells(local.rows[0])[0], "[+] FOLDER");
  EXPECT_EQ(Cells(local.rows[1])[0], "     INSIDE 1");
  EXPECT_EQ(Cells(local.rows[1])[1], "N9:0");

  // The digit positions print underlined, red, blue, green and a red
  // decimal point in colour, all black in monochrome.
  const auto markers = [&](bool colour) {
    std::vector<std::pair<std::string, ReportColour>> runs;
    const TOvReport printed = Report(project, false, colour);
    for (const ReportRun& run : printed.Pages()[1].table->rows[0].cells[0][0].runs) {
      if (run.font.underline) {
        runs.emplace_back(run.text, run.colour);
      }
    }
    return runs;
  };
  using enum ReportColour;
  using Runs = std::vector<std::pair<std::string, ReportColour>>;
  EXPECT_EQ(markers(true), (Runs{{"11.", Red}, {"2", Blue}, {"3", Green}}));
  EXPECT_EQ(markers(false), (Runs{{"11.", Black}, {"2", Black}, {"3", Black}}));
  EXPECT_EQ(Report(project, false, false).Pages()[1].table->columns[5].headingColour, Black);
}

TEST(ReportTest, ColumnWidthsByPanelAndOrientation) {
  const TOvProject ordinary = MakeProject(kModelOv200);
  const TOvProject password = MakeProject(kModelOv200P);
  const TOvProject setPoint = MakeProject(kModelOvSP);
  struct Case {
    const TOvProject* project;
    bool landscape;
    std::vector<double> shares;
  };
  const Case cases[] = {
      {&ordinary, false, {24, 10.5, 10, 4, 10.5, 10.5, 10, 10.5, 10}},
      // Landscape widens the message column; the data columns share what
      // is left in their proportions, so the table still ends at the margin.
      {&ordinary,
       true,
       {30, 12 * 70 / 82.0, 10 * 70 / 82.0, 4 * 70 / 82.0, 12 * 70 / 82.0, 12 * 70 / 82.0,
        10 * 70 / 82.0, 12 * 70 / 82.0, 10 * 70 / 82.0}},
      {&password, false, {28, 8, 10, 5, 5, 8, 8, 10, 8, 10}},
      {&password, true, {32, 8.5, 8.5, 4.25, 4.25, 8.5, 8.5, 8.5, 8.5, 8.5}},
      {&setPoint, true, {39, 17, 11, 6, 17, 10}},
  };
  for (const Case& c : cases) {
    const std::vector<double> shares =
        TOvReport::ColumnShares(c.project->panels.front(), c.landscape);
    ASSERT_EQ(shares.size(), c.shares.size());
    for (size_t i = 0; i < shares.size(); ++i) {
      EXPECT_NEAR(shares[i], c.shares[i], 1e-9) << i;
    }
  }
  EXPECT_EQ(TOvReport::Headings(password.panels.front())[4], "L / R Password");
  EXPECT_EQ(TOvReport::Headings(setPoint.panels.front()),
            (std::vector<std::string>{"", "Data 1 Reg", "Data Type", "R / W", "Dec Pt Reg ",
                                      "Fixed DP Pos"}));
}

TEST(ReportTest, PasswordAndSetPointCells) {
  TOvProject password = MakeProject(kModelOv200P);
  TOvMessage& local = AddMessage(password.panels.front(), 1, "SET 111");
  local.item1.passwordProtected = true;
  AddMessage(password.panels.front(), 2, "SET 111").item1.passwordProtected = true;
  password.panels.front().messages.back().item1.passwordIsLocal = false;
  AddMessage(password.panels.front(), 3, "SET 111");
  const TOvReport passwordReport = Report(password);
  const ReportTable& table = *passwordReport.Pages()[1].table;
  EXPECT_EQ(Cells(table.rows[0])[4], "L");
  EXPECT_EQ(Cells(table.rows[1])[4], "R");
  EXPECT_EQ(Cells(table.rows[2])[4], "");

  // Set point entries carry data item 1 without a marker. "Dec Pt Reg "
  // holds the PLC register of a variable decimal point, "Fixed DP Pos" a
  // fixed position or "none".
  TOvProject setPoint = MakeProject(kModelOvSP);
  TOvPanel& panel = setPoint.panels.front();
  SetAddress(AddMessage(panel, 10, "TANK").item1, "N30:0");
  panel.messages.back().item1.fixedDecimalPoint = 3;
  SetAddress(AddMessage(panel, 11, "FLOW").item1, "N30:1");
  TOvReadWriteTag& variable = AddMessage(panel, 12, "PRESSURE").item1;
  SetAddress(variable, "N30:2");
  variable.accessType = kAccessReadOnly;
  variable.variableDecimalPoint = true;
  SetAddress(variable.decimalPointRegister, "N30:9");
  const TOvReport setPointReport = Report(setPoint);
  const ReportTable& entries = *setPointReport.Pages()[1].table;
  EXPECT_EQ(Cells(entries.rows[0]),
            (std::vector<std::string>{"[010] TANK", "N30:0", "Binary 16", "R/W", "", "3"}));
  EXPECT_EQ(Cells(entries.rows[1])[5], "none");
  EXPECT_EQ(Cells(entries.rows[2]),
            (std::vector<std::string>{"[012] PRESSURE", "N30:2", "Binary 16", "R", "N30:9", ""}));
}

TEST(ReportTest, AMessagesLinesStayTogetherOnOnePage) {
  // 36 one-line rows fit under the heading row (266 to 990); the 36th
  // message needs two lines (its address wraps in an 11-character column),
  // so it starts the next page.
  TOvProject project = MakeProject(kModelOv200);
  TOvPanel& panel = project.panels.front();
  for (int number = 1; number <= 36; ++number) {
    AddMessage(panel, number, "M 1");
    SetAddress(panel.messages.back().item1, number == 36 ? "LONGADDRESS N7:100" : "N7:0");
  }
  AddMessage(panel, 256, "LOCAL", false);
  const TOvReport report = Report(project);
  ASSERT_EQ(report.Pages().size(), 4u);
  const ReportTable& first = *report.Pages()[1].table;
  ASSERT_EQ(first.rows.size(), 35u);
  EXPECT_EQ(first.bottom, 266 + 35 * 20);
  const ReportRow& moved = report.Pages()[2].table->rows.at(0);
  EXPECT_EQ(moved.messageIndex, 35u);
  EXPECT_EQ(Cells(moved)[1], "LONGADDRESS|N7:100");
  EXPECT_EQ(moved.height, 40);
  EXPECT_EQ(moved.top, 266);
  EXPECT_FALSE(moved.shaded) << "shading restarts on each page";
  EXPECT_EQ(Texts(report.Pages()[3]).back(), "Page 4 of 4");

  // Without the long address all 36 fit on one page.
  panel.messages[35].item1.addressText = "N7:0";
  EXPECT_EQ(Report(project).Pages()[1].table->rows.size(), 36u);
}

TEST(ReportTest, WrappingKeepsBlanksAndCutsLongWords) {
  const ReportFont font;
  const std::vector<ReportRun> runs{{"  TWO WORDS", font, ReportColour::Black},
                                    {"ABCDEFGHIJ", font, ReportColour::Red}};
  // 6.75 units a character: 8 characters a line, 4 after the indent of 27.
  std::vector<ReportLine> lines = WrapRuns(runs, 60, 27, FixedPitch);
  std::vector<std::string> texts;
  for (const ReportLine& line : lines) {
    texts.push_back(line.Text());
  }
  EXPECT_EQ(texts, (std::vector<std::string>{"  TWO", "WORD", "SABC", "DEFG", "HIJ"}));
  EXPECT_EQ(lines[1].indent, 27);
  EXPECT_EQ(lines[2].runs.size(), 2u) << "a word across two runs keeps both styles";
  EXPECT_EQ(WrapRuns({}, 60, 0, FixedPitch).size(), 1u);
}

}  // namespace
}  // namespace orvane::testing
