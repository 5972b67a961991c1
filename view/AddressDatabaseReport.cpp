#include "view/AddressDatabaseReport.h"

#include <algorithm>

#include "base/StringTable.h"
#include "view/AddressDatabase.h"

namespace orvane {
namespace {

// Places on the page (0.01 inch), as the documentation report has them.
constexpr double kTitleInset = 30;
constexpr double kTitleBottom = 110;
constexpr double kFieldIndent = 30;  // the labels from the frame
constexpr double kFieldLine = 22;    // one label line (9 pt)
constexpr double kLabelGap = 12;     // between the widest label and the values
constexpr double kTableGap = 30;     // above the list
constexpr double kTableInset = 20;   // the list from the frame
constexpr double kHeadingHeight = 26;
constexpr double kFooterHeight = 30;

const ReportFont kBodyFont{9, false, false};
const ReportFont kLabelFont{9, true, false};
const ReportFont kTitleFont{12, true, false};
const ReportFont kHeadingFont{9, true, false};

ReportLine Line(const std::string& text, const ReportFont& font) {
  return ReportLine{0, {ReportRun{text, font, ReportColour::Black}}};
}

// The list's columns in per cent of its width.
std::vector<double> Shares(size_t columns) {
  if (columns > 5) {
    return {10, 26, 18, 18, 12, 16};
  }
  return {12, 30, 20, 22, 16};
}

class Layout {
 public:
  Layout(const AddressDatabase& database, const ReportPaper& paper, const ReportMeasure& measure)
      : database_(database),
        measure_(measure),
        width_(paper.printableWidth),
        height_(paper.printableHeight - 20) {}

  std::vector<ReportPage> Pages() {
    ReportPage& first = NewPage();
    double y = kTitleBottom + kFieldLine;
    const std::vector<PrintedField> fields = database_.PrintedFields();
    double labels = 0;
    for (const PrintedField& field : fields) {
      labels = std::max(labels, measure_(field.label, kLabelFont));
    }
    const double labelLeft = kReportMargin + kFieldIndent;
    const double valueLeft = labelLeft + labels + kLabelGap;
    for (const PrintedField& field : fields) {
      first.texts.push_back(ReportText{ReportRect{labelLeft, y, valueLeft, y + kFieldLine},
                                       Line(field.label, kLabelFont)});
      first.texts.push_back(ReportText{
          ReportRect{valueLeft, y, width_ - kReportMargin - kFieldIndent, y + kFieldLine},
          Line(field.value, kBodyFont)});
      y += kFieldLine;
    }
    AddRows(y + kTableGap);
    const int count = static_cast<int>(pages_.size());
    for (ReportPage& page : pages_) {
      const ReportRect box{kReportMargin, height_ - kReportMargin - kFooterHeight + 5,
                           width_ - kReportMargin, height_ - kReportMargin - 5};
      page.texts.push_back(
          ReportText{box, Line(FormatText("Page %d of %d", page.number, count), kBodyFont), true});
    }
    return std::move(pages_);
  }

 private:
  ReportPage& NewPage() {
    ReportPage& page = pages_.emplace_back();
    page.number = static_cast<int>(pages_.size());
    page.frame =
        ReportRect{kReportMargin, kReportMargin, width_ - kReportMargin, height_ - kReportMargin};
    page.titleBox = ReportRect{kReportMargin + kTitleInset, kReportMargin + kTitleInset,
                               width_ - kReportMargin - kTitleInset, kTitleBottom};
    page.texts.push_back(ReportText{page.titleBox, Line(kAddressDatabaseTitle, kTitleFont), true});
    return page;
  }

  ReportTable NewTable(double top) const {
    ReportTable table;
    table.verticalHeadings = false;
    table.headingFont = kHeadingFont;
    table.left = kReportMargin + kTableInset;
    table.right = width_ - kReportMargin - kTableInset;
    table.top = top;
    table.headingBottom = top + kHeadingHeight;
    table.bottom = table.headingBottom;
    const std::vector<std::string> headings = database_.Headings();
    const std::vector<double> shares = Shares(headings.size());
    double left = table.left;
    for (size_t c = 0; c < headings.size(); ++c) {
      const double width = (table.right - table.left) * shares[c] / 100;
      table.columns.push_back(ReportColumn{headings[c], ReportColour::Black, left, width});
      left += width;
    }
    return table;
  }

  // The rows from top on the first page, continued on new pages below
  // their title; every page's list has its headings.
  void AddRows(double top) {
    const double last = height_ - kReportMargin - kFooterHeight;
    ReportTable table = NewTable(top);
    size_t index = 0;
    for (const AddressRow& row : database_.Rows()) {
      if (table.bottom + kReportTextLine > last) {
        pages_.back().table = std::move(table);
        NewPage();
        table = NewTable(kTitleBottom + kFieldLine);
      }
      ReportRow printed;
      printed.messageIndex = index;
      printed.top = table.bottom;
      printed.height = kReportTextLine;
      printed.shaded = index % 2 == 1;
      for (const std::string* cell :
           {&row.item, &row.address, &row.message, &row.function, &row.access, &row.password}) {
        if (printed.cells.size() < table.columns.size()) {
          printed.cells.push_back({Line(*cell, kBodyFont)});
        }
      }
      table.rows.push_back(std::move(printed));
      table.bottom += kReportTextLine;
      ++index;
    }
    pages_.back().table = std::move(table);
  }

  const AddressDatabase& database_;
  const ReportMeasure& measure_;
  double width_;
  double height_;
  std::vector<ReportPage> pages_;
};

}  // namespace

std::vector<ReportPage> LayOutAddressDatabase(const AddressDatabase& database,
                                              const ReportPaper& paper,
                                              const ReportMeasure& measure) {
  return Layout(database, paper, measure).Pages();
}

}  // namespace orvane
