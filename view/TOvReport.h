// The project documentation report as a document: its pages with the
// frame, the title, the summary lines and the message tables, each text,
// font, colour, position, shading and page break decided here. A painter
// (view/print/ReportPainter) only draws what it is given, on a printer or
// into a PDF.
//
// Coordinates are in 0.01 inch from the top left corner of the printable
// area, y growing downwards; font sizes are in points.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace orvane {

class TOvMessage;
class TOvPanel;
class TOvProject;
class TOvTag;

enum class ReportColour { Black, Red, Blue, Green };

struct ReportFont {
  double points = 9;
  bool bold = false;
  bool underline = false;

  bool operator==(const ReportFont&) const = default;
};

/// A piece of text (UTF-8) in one font and colour.
struct ReportRun {
  std::string text;
  ReportFont font;
  ReportColour colour = ReportColour::Black;

  bool operator==(const ReportRun&) const = default;
};

/// One printed line: its runs side by side, starting indent units right of
/// the place the line belongs to.
struct ReportLine {
  double indent = 0;
  std::vector<ReportRun> runs;

  /// The runs' texts one after the other.
  std::string Text() const;
};

/// The width of a text in a font, in report units.
using ReportMeasure = std::function<double(const std::string& text, const ReportFont& font)>;

struct ReportRect {
  double left = 0;
  double top = 0;
  double right = 0;
  double bottom = 0;
};

/// A line of text in a box: at the box's left (or centred in it),
/// vertically centred.
struct ReportText {
  ReportRect box;
  ReportLine line;
  bool centred = false;
};

struct ReportColumn {
  std::string heading;  // printed as vertical text
  ReportColour headingColour = ReportColour::Black;
  double left = 0;
  double width = 0;
};

/// One message of the table.
struct ReportRow {
  size_t messageIndex = 0;  // in the panel's message list
  double top = 0;
  double height = 0;
  bool shaded = false;
  /// Per column, the cell's lines (none for an empty cell).
  std::vector<std::vector<ReportLine>> cells;
};

struct ReportTable {
  std::vector<ReportColumn> columns;
  ReportFont headingFont;
  /// Headings read upwards from the heading row's bottom; else they stand
  /// centred in the heading row.
  bool verticalHeadings = true;
  double left = 0;
  double right = 0;
  double top = 0;            // the heading row's top
  double headingBottom = 0;  // the rule that ends the heading row
  double bottom = 0;         // the last row's bottom
  std::vector<ReportRow> rows;
};

struct ReportPage {
  int number = 1;
  ReportRect frame;
  ReportRect titleBox;  // filled light grey
  /// The title, the summary's labels and values, the section heading and
  /// the page number.
  std::vector<ReportText> texts;
  std::optional<ReportTable> table;  // message pages only
};

/// What the report needs to know of the paper.
struct ReportPaper {
  double printableWidth = 800;  // 0.01 inch
  double printableHeight = 1050;
  bool landscape = false;
  bool colour = true;
};

// The report's fixed measures, in 0.01 inch.
inline constexpr double kReportMargin = 10;
inline constexpr double kReportTableTop = 145;
inline constexpr double kReportTextLine = 20;  // one text line of a table row
inline constexpr double kReportCellPadding = 2;
/// From the vertical headings' bottom to the rule that ends the heading row.
inline constexpr double kReportHeadingRuleGap = 10;

class TOvReport {
 public:
  /// Lays out the report of the project's current panel (the panel on the
  /// selected port; the summary page alone when there is none). fileName is
  /// the project file as the summary names it.
  TOvReport(const TOvProject& project, std::string fileName, const ReportPaper& paper,
            ReportMeasure measure);

  const std::vector<ReportPage>& Pages() const { return pages_; }
  /// The report's page width and height (the printable height less 20).
  double PageWidth() const { return width_; }
  double PageHeight() const { return height_; }
  bool Colour() const { return paper_.colour; }

  /// The title the project prints under.
  static std::string Title(const TOvProject& project);
  /// The column headings of a panel's message table, in order.
  static std::vector<std::string> Headings(const TOvPanel& panel);
  /// The column widths in per cent of the printable width (page width less
  /// both margins), summing to 100.
  static std::vector<double> ColumnShares(const TOvPanel& panel, bool landscape);

 private:
  void LayOutSummary(ReportPage& page);
  void LayOutMessages();
  ReportPage NewPage();
  ReportTable NewTable() const;
  ReportRow MakeRow(const ReportTable& table, size_t index) const;
  void AddSummaryLine(ReportPage& page, double& y, const std::string& label,
                      const std::string& value) const;
  std::string AddressOf(const TOvTag& tag) const;

  const TOvProject& project_;
  const TOvPanel* panel_ = nullptr;
  std::string fileName_;
  ReportPaper paper_;
  ReportMeasure measure_;
  double width_ = 0;
  double height_ = 0;
  std::vector<ReportPage> pages_;
};

/// Cuts runs into lines no wider than width: at blanks where it can, inside
/// a word that is wider than a line. The first line keeps its leading
/// blanks; the lines after it start hangingIndent to the right. Never
/// returns fewer than one line.
std::vector<ReportLine> WrapRuns(const std::vector<ReportRun>& runs, double width,
                                 double hangingIndent, const ReportMeasure& measure);

}  // namespace orvane
