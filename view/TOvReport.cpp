#include "view/TOvReport.h"

#include <algorithm>
#include <array>
#include <numeric>
#include <utility>

#include "base/StringTable.h"
#include "project/ModelNames.h"
#include "project/TOvProject.h"

namespace orvane {
namespace {

// Places on the page (0.01 inch).
constexpr double kTitleInset = 30;    // the title box inside the frame
constexpr double kTitleBottom = 110;  // the title box's lower edge from the top
constexpr double kLabelIndent = 30;   // summary labels from the margin
constexpr double kValueIndent = 300;  // summary values from the margin
constexpr double kSummaryLine = 22;   // one summary line (9 pt)
constexpr double kKeyRowStep = 30;    // the rows of the keys and LEDs
constexpr double kKeyColumnGap = 40;  // between a key's action and its LED
constexpr double kSectionTop = 115;   // "PLC Messages" / "Local Messages"
constexpr double kSectionHeight = 25;
constexpr double kHeadingPadding = 12;  // above the vertical headings
constexpr double kFooterHeight = 30;    // the page number above the frame's bottom

const ReportFont kBodyFont{9, false, false};
const ReportFont kBoldBodyFont{9, true, false};
const ReportFont kMarkerFont{9, false, true};
const ReportFont kTitleFont{12, true, false};
const ReportFont kHeadingFont{12, true, false};
const ReportFont kSectionFont{10, false, false};

constexpr const char* kDecimalPointHeading = "Dec Pt Reg ";
constexpr const char* kFixedDecimalHeading = "Fixed DP Pos";

ReportLine PlainLine(const std::string& text, const ReportFont& font) {
  return ReportLine{0, {ReportRun{text, font, ReportColour::Black}}};
}

// Adds one character to runs, joining the last run when the style is the
// same.
void AppendCharacter(std::vector<ReportRun>& runs, const std::string& character,
                     const ReportFont& font, ReportColour colour) {
  if (!runs.empty() && runs.back().font == font && runs.back().colour == colour) {
    runs.back().text += character;
  } else {
    runs.push_back(ReportRun{character, font, colour});
  }
}

// The characters (UTF-8 sequences) of runs, each with its run's style.
struct StyledCharacter {
  std::string text;
  ReportFont font;
  ReportColour colour;
};

std::vector<StyledCharacter> Characters(const std::vector<ReportRun>& runs) {
  std::vector<StyledCharacter> characters;
  for (const ReportRun& run : runs) {
    for (size_t i = 0; i < run.text.size();) {
      size_t length = 1;
      while (i + length < run.text.size() &&
             (static_cast<unsigned char>(run.text[i + length]) & 0xC0) == 0x80) {
        ++length;
      }
      characters.push_back({run.text.substr(i, length), run.font, run.colour});
      i += length;
    }
  }
  return characters;
}

double Width(const std::vector<ReportRun>& runs, const ReportMeasure& measure) {
  double width = 0;
  for (const ReportRun& run : runs) {
    width += measure(run.text, run.font);
  }
  return width;
}

void TrimTrailingBlanks(ReportLine& line) {
  while (!line.runs.empty()) {
    std::string& text = line.runs.back().text;
    text.erase(text.find_last_not_of(' ') + 1);
    if (!text.empty()) {
      return;
    }
    line.runs.pop_back();
  }
}

// A byte of a message text as the report prints it: the panel's printable
// ASCII and Latin-1 letters as they are, anything else as "?".
std::string PrintedCharacter(unsigned char byte) {
  if (byte >= 0x20 && byte < 0x7F) {
    return std::string(1, static_cast<char>(byte));
  }
  if (byte >= 0xA0) {
    return {static_cast<char>(0xC0 | (byte >> 6)), static_cast<char>(0x80 | (byte & 0x3F))};
  }
  return "?";
}

// The message column: the number or the place in the tree, then the text
// with each data item's digit positions as underlined "1", "2", "3" and the
// PLC-controlled decimal point as ".", coloured when the paper takes colour.
// prefixWidth gets the width of the part before the text.
std::vector<ReportRun> MessageRuns(const TOvMessage& message, bool colour,
                                   const ReportMeasure& measure, double& prefixWidth) {
  std::string prefix;
  if (message.isPlcMessage != 0) {
    prefix = FormatText("[%03d] ", message.number);
  } else {
    prefix.assign(static_cast<size_t>(std::max<int16_t>(message.depth, 0)) * 3, ' ');
    prefix += message.isFolder != 0 ? "[+] " : "  ";
  }
  std::vector<ReportRun> runs{ReportRun{prefix, kBodyFont, ReportColour::Black}};
  prefixWidth = measure(prefix, kBodyFont);
  for (const char c : message.text) {
    const auto byte = static_cast<unsigned char>(c);
    const auto marker = [&](const char* shown, ReportColour markerColour) {
      AppendCharacter(runs, shown, kMarkerFont, colour ? markerColour : ReportColour::Black);
    };
    if (c == kItem1Marker) {
      marker("1", ReportColour::Red);
    } else if (c == kItem2Marker) {
      marker("2", ReportColour::Blue);
    } else if (c == kItem3Marker) {
      marker("3", ReportColour::Green);
    } else if (c == kDecimalPointMarker) {
      marker(".", ReportColour::Red);
    } else {
      AppendCharacter(runs, PrintedCharacter(byte), kBodyFont, ReportColour::Black);
    }
  }
  return runs;
}

bool Item1InUse(const TOvPanel& panel, const TOvMessage& message) {
  return message.HasMarker(kItem1Marker) || panel.IsSetPoint() || message.setPointValue;
}

}  // namespace

std::string ReportLine::Text() const {
  std::string text;
  for (const ReportRun& run : runs) {
    text += run.text;
  }
  return text;
}

std::vector<ReportLine> WrapRuns(const std::vector<ReportRun>& runs, double width,
                                 double hangingIndent, const ReportMeasure& measure) {
  if (hangingIndent >= width / 2) {
    hangingIndent = 0;
  }
  std::vector<ReportLine> lines(1);
  double used = 0;
  const auto available = [&] { return width - lines.back().indent; };
  const auto newLine = [&] {
    lines.push_back(ReportLine{hangingIndent, {}});
    used = 0;
  };
  const auto append = [&](const std::vector<ReportRun>& pieces, double pieceWidth) {
    for (const ReportRun& piece : pieces) {
      if (!lines.back().runs.empty() && lines.back().runs.back().font == piece.font &&
          lines.back().runs.back().colour == piece.colour) {
        lines.back().runs.back().text += piece.text;
      } else {
        lines.back().runs.push_back(piece);
      }
    }
    used += pieceWidth;
  };

  // Words and the blanks between them, each as runs.
  const std::vector<StyledCharacter> characters = Characters(runs);
  for (size_t i = 0; i < characters.size();) {
    const bool blank = characters[i].text == " ";
    std::vector<ReportRun> token;
    std::vector<StyledCharacter> tokenCharacters;
    while (i < characters.size() && (characters[i].text == " ") == blank) {
      AppendCharacter(token, characters[i].text, characters[i].font, characters[i].colour);
      tokenCharacters.push_back(characters[i]);
      ++i;
    }
    const double tokenWidth = Width(token, measure);
    if (blank) {
      // Blanks that end a line go; a continued line starts with a word.
      if (lines.size() > 1 && lines.back().runs.empty()) {
        continue;
      }
      if (used + tokenWidth <= available()) {
        append(token, tokenWidth);
      } else {
        newLine();
      }
      continue;
    }
    if (used + tokenWidth <= available()) {
      append(token, tokenWidth);
      continue;
    }
    if (!lines.back().runs.empty()) {
      newLine();
    }
    if (tokenWidth <= available()) {
      append(token, tokenWidth);
      continue;
    }
    // A word wider than a line is cut where the line is full.
    for (const StyledCharacter& character : tokenCharacters) {
      const std::vector<ReportRun> piece{
          ReportRun{character.text, character.font, character.colour}};
      const double pieceWidth = Width(piece, measure);
      if (used + pieceWidth > available() && !lines.back().runs.empty()) {
        newLine();
      }
      append(piece, pieceWidth);
    }
  }
  for (ReportLine& line : lines) {
    TrimTrailingBlanks(line);
  }
  return lines;
}

std::string TOvReport::Title(const TOvProject& project) {
  return project.systemMode == kMultiPanelSystem
             ? "Orvane Operator Interface Panel(s) Project Documentation"
             : "Orvane Operator Interface Panel Project Documentation";
}

std::vector<std::string> TOvReport::Headings(const TOvPanel& panel) {
  if (panel.IsSetPoint()) {
    return {"", "Data 1 Reg", "Data Type", "R / W", kDecimalPointHeading, kFixedDecimalHeading};
  }
  std::vector<std::string> headings{"", "Data 1 Reg", "Data Type", "R / W"};
  if (panel.HasPasswords()) {
    headings.emplace_back("L / R Password");
  }
  for (const char* heading :
       {kDecimalPointHeading, "Data 2 Reg", "Data Type", "Data 3 Reg", "Data Type"}) {
    headings.emplace_back(heading);
  }
  return headings;
}

std::vector<double> TOvReport::ColumnShares(const TOvPanel& panel, bool landscape) {
  std::vector<double> shares;
  if (panel.IsSetPoint()) {
    return {39, 17, 11, 6, 17, 10};
  }
  if (panel.HasPasswords()) {
    shares = landscape ? std::vector<double>{32, 10, 10, 5, 5, 10, 10, 10, 10, 10}
                       : std::vector<double>{28, 8, 10, 5, 5, 8, 8, 10, 8, 10};
  } else {
    shares = landscape ? std::vector<double>{30, 12, 10, 4, 12, 12, 10, 12, 10}
                       : std::vector<double>{24, 10.5, 10, 4, 10.5, 10.5, 10, 10.5, 10};
  }
  // The wider landscape shares add up to more than the page: the message
  // column keeps its share and the data columns share the rest in their
  // proportions, so the table ends at the right margin.
  const double others = std::accumulate(shares.begin() + 1, shares.end(), 0.0);
  const double scale = (100 - shares.front()) / others;
  for (size_t i = 1; i < shares.size(); ++i) {
    shares[i] *= scale;
  }
  return shares;
}

TOvReport::TOvReport(const TOvProject& project, std::string fileName, const ReportPaper& paper,
                     ReportMeasure measure)
    : project_(project),
      panel_(project.SelectedPanel()),
      fileName_(std::move(fileName)),
      paper_(paper),
      measure_(std::move(measure)),
      width_(paper.printableWidth),
      height_(paper.printableHeight - 20) {
  ReportPage& summary = pages_.emplace_back(NewPage());
  LayOutSummary(summary);
  if (panel_ != nullptr) {
    LayOutMessages();
  }
  const int count = static_cast<int>(pages_.size());
  for (ReportPage& page : pages_) {
    const ReportRect box{kReportMargin, height_ - kReportMargin - kFooterHeight + 5,
                         width_ - kReportMargin, height_ - kReportMargin - 5};
    page.texts.push_back(ReportText{
        box, PlainLine(FormatText("Page %d of %d", page.number, count), kBodyFont), true});
  }
}

ReportPage TOvReport::NewPage() {
  ReportPage page;
  page.number = static_cast<int>(pages_.size()) + 1;
  page.frame =
      ReportRect{kReportMargin, kReportMargin, width_ - kReportMargin, height_ - kReportMargin};
  page.titleBox = ReportRect{kReportMargin + kTitleInset, kReportMargin + kTitleInset,
                             width_ - kReportMargin - kTitleInset, kTitleBottom};
  page.texts.push_back(ReportText{page.titleBox, PlainLine(Title(project_), kTitleFont), true});
  return page;
}

std::string TOvReport::AddressOf(const TOvTag& tag) const {
  // A Think & Do project's addresses are the tag names the user chose.
  if (project_.tagMapInUse && !tag.tagName.empty()) {
    return tag.tagName;
  }
  return tag.addressText;
}

void TOvReport::AddSummaryLine(ReportPage& page, double& y, const std::string& label,
                               const std::string& value) const {
  const double labelLeft = kReportMargin + kLabelIndent;
  const double valueLeft = kReportMargin + kValueIndent;
  const double valueRight = width_ - kReportMargin - kLabelIndent;
  page.texts.push_back(ReportText{ReportRect{labelLeft, y, valueLeft, y + kSummaryLine},
                                  PlainLine(label, kBodyFont), false});
  const std::vector<ReportLine> lines = WrapRuns({ReportRun{value, kBodyFont, ReportColour::Black}},
                                                 valueRight - valueLeft, 0, measure_);
  for (const ReportLine& line : lines) {
    page.texts.push_back(
        ReportText{ReportRect{valueLeft, y, valueRight, y + kSummaryLine}, line, false});
    y += kSummaryLine;
  }
}

void TOvReport::LayOutSummary(ReportPage& page) {
  double y = kReportTableTop;
  const bool multi = project_.systemMode == kMultiPanelSystem;
  AddSummaryLine(page, y, "FileName : ", fileName_);
  AddSummaryLine(page, y, "SystemType : ", multi ? "Multiple Panel System" : "Single Panel System");
  const TOvPanel* panel = panel_;
  if (panel != nullptr) {
    if (multi) {
      // The report covers the current panel: the summary says which.
      AddSummaryLine(page, y, "Panel : ",
                     FormatText("Port %d - %s", panel->portNumber, panel->ModelName().c_str()));
    } else {
      AddSummaryLine(page, y, "PanelType : ", panel->ModelName());
    }
    if (!panel->IsSetPoint()) {
      AddSummaryLine(page, y,
                     "Button(Bit Write)PLC Word : ", AddressOf(panel->keysLeds.buttonWord));
      AddSummaryLine(page, y, "LED(Bit Read)PLC Word : ", AddressOf(panel->keysLeds.ledWord));
    }
    for (size_t line = 0; line < panel->LineRegistersInUse(); ++line) {
      AddSummaryLine(page, y, FormatText("Line %d PLC :", static_cast<int>(line) + 1),
                     AddressOf(panel->lineRegisters[line]));
    }
  }
  AddSummaryLine(page, y, "PLC TYPE : ", project_.plc.name);
  if (panel == nullptr) {
    return;
  }
  if (panel->HasPasswords()) {
    AddSummaryLine(page, y, "PLC Password Register:", AddressOf(panel->passwordRegister));
    AddSummaryLine(page, y, "Annunciator Word: ", AddressOf(panel->annunciatorWord));
  }
  if (panel->IsSetPoint()) {
    return;
  }
  y += kSummaryLine / 2;
  const double left = kReportMargin + kLabelIndent;
  const double right = width_ - kReportMargin - kLabelIndent;
  page.texts.push_back(ReportText{ReportRect{left, y, right, y + kSummaryLine},
                                  PlainLine("BUTTON/ LED Information", kBoldBodyFont), false});
  y += kKeyRowStep;
  // The LED column stands 40 units right of the longest key text, so the
  // rows line up.
  std::array<std::string, kKeyCount> keys;
  double keyWidth = 0;
  for (size_t key = 0; key < kKeyCount; ++key) {
    keys[key] = FormatText("F%d: ", static_cast<int>(key) + 1) +
                ButtonActionName(panel->keysLeds.buttonAction[key]);
    keyWidth = std::max(keyWidth, measure_(keys[key], kBodyFont));
  }
  const double ledLeft = left + keyWidth + kKeyColumnGap;
  for (size_t key = 0; key < kKeyCount; ++key) {
    page.texts.push_back(ReportText{ReportRect{left, y, ledLeft, y + kSummaryLine},
                                    PlainLine(keys[key], kBodyFont), false});
    const std::string led = FormatText("LED %d: ", static_cast<int>(key) + 1) +
                            LedModeName(panel->keysLeds.ledMode[key]);
    page.texts.push_back(ReportText{ReportRect{ledLeft, y, right, y + kSummaryLine},
                                    PlainLine(led, kBodyFont), false});
    y += kKeyRowStep;
  }
}

ReportTable TOvReport::NewTable() const {
  ReportTable table;
  table.headingFont = kHeadingFont;
  table.left = kReportMargin;
  table.right = width_ - kReportMargin;
  table.top = kReportTableTop;
  const std::vector<std::string> headings = Headings(*panel_);
  const std::vector<double> shares = ColumnShares(*panel_, paper_.landscape);
  const double printable = table.right - table.left;
  double left = table.left;
  double tallest = 0;
  for (size_t i = 0; i < headings.size(); ++i) {
    ReportColumn column;
    column.heading = headings[i];
    if (paper_.colour && i > 0 &&
        (headings[i] == "Data 2 Reg" || headings[i - 1] == "Data 2 Reg")) {
      column.headingColour = ReportColour::Blue;
    } else if (paper_.colour && i > 0 &&
               (headings[i] == "Data 3 Reg" || headings[i - 1] == "Data 3 Reg")) {
      column.headingColour = ReportColour::Green;
    }
    column.left = left;
    column.width = printable * shares[i] / 100;
    left += column.width;
    tallest = std::max(tallest, measure_(headings[i], kHeadingFont));
    table.columns.push_back(column);
  }
  table.headingBottom = table.top + kHeadingPadding + tallest + kReportHeadingRuleGap;
  table.bottom = table.headingBottom;
  return table;
}

ReportRow TOvReport::MakeRow(const ReportTable& table, size_t index) const {
  const TOvMessage& message = panel_->messages[index];
  const bool item1 = Item1InUse(*panel_, message);
  const TOvReadWriteTag& data1 = message.item1;
  std::vector<std::string> texts;  // the data columns, in heading order
  texts.push_back(item1 ? AddressOf(data1) : "");
  texts.push_back(item1 ? DataTypeName(data1.dataType) : "");
  texts.push_back(item1 ? data1.AccessText() : "");
  if (panel_->HasPasswords()) {
    texts.push_back(item1 && data1.passwordProtected ? (data1.passwordIsLocal ? "L" : "R") : "");
  }
  texts.push_back(item1 && data1.variableDecimalPoint ? AddressOf(data1.decimalPointRegister) : "");
  if (panel_->IsSetPoint()) {
    std::string fixed;
    if (item1 && !data1.variableDecimalPoint) {
      fixed = data1.fixedDecimalPoint > 0 ? std::to_string(data1.fixedDecimalPoint) : "none";
    }
    texts.push_back(fixed);
  } else {
    texts.push_back(message.Item2InUse() ? AddressOf(message.item2) : "");
    texts.push_back(message.Item2InUse() ? DataTypeName(message.item2.dataType) : "");
    texts.push_back(message.Item3InUse() ? AddressOf(message.item3) : "");
    texts.push_back(message.Item3InUse() ? DataTypeName(message.item3.dataType) : "");
  }

  ReportRow row;
  row.messageIndex = index;
  double prefixWidth = 0;
  const std::vector<ReportRun> messageRuns =
      MessageRuns(message, paper_.colour, measure_, prefixWidth);
  size_t lineCount = 1;
  for (size_t column = 0; column < table.columns.size(); ++column) {
    const double width = table.columns[column].width - 2 * kReportCellPadding;
    std::vector<ReportLine> lines;
    if (column == 0) {
      lines = WrapRuns(messageRuns, width, prefixWidth, measure_);
    } else if (!texts[column - 1].empty()) {
      lines = WrapRuns({ReportRun{texts[column - 1], kBodyFont, ReportColour::Black}}, width, 0,
                       measure_);
    }
    lineCount = std::max(lineCount, lines.size());
    row.cells.push_back(std::move(lines));
  }
  row.height = static_cast<double>(lineCount) * kReportTextLine;
  return row;
}

void TOvReport::LayOutMessages() {
  std::vector<size_t> plc;
  std::vector<size_t> local;
  for (size_t i = 0; i < panel_->messages.size(); ++i) {
    (panel_->messages[i].isPlcMessage != 0 ? plc : local).push_back(i);
  }
  const double lowest = height_ - kReportMargin - kFooterHeight;
  const std::pair<const char*, const std::vector<size_t>*> sections[] = {
      {"PLC Messages", &plc}, {"Local Messages", &local}};
  for (const auto& [heading, indices] : sections) {
    if (indices->empty()) {
      continue;
    }
    // Each section starts on a page of its own, under its heading.
    const auto startPage = [&, heading = heading] {
      ReportPage& page = pages_.emplace_back(NewPage());
      page.texts.push_back(ReportText{
          ReportRect{kReportMargin + kLabelIndent, kSectionTop,
                     width_ - kReportMargin - kLabelIndent, kSectionTop + kSectionHeight},
          PlainLine(heading, kSectionFont), false});
      page.table = NewTable();
    };
    startPage();
    for (const size_t index : *indices) {
      ReportRow row = MakeRow(*pages_.back().table, index);
      // A message's lines stay together: a row that does not fit above the
      // bottom starts the next page (a page takes at least one row).
      if (pages_.back().table->bottom + row.height > lowest && !pages_.back().table->rows.empty()) {
        startPage();
      }
      ReportTable& table = *pages_.back().table;
      row.top = table.bottom;
      row.shaded = table.rows.size() % 2 == 1;
      table.bottom += row.height;
      table.rows.push_back(std::move(row));
    }
  }
}

}  // namespace orvane
