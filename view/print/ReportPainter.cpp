#include "view/print/ReportPainter.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>

namespace orvane {
namespace {

QColor ColourOf(ReportColour colour) {
  switch (colour) {
    case ReportColour::Red:
      return QColor(255, 0, 0);
    case ReportColour::Blue:
      return QColor(0, 0, 255);
    case ReportColour::Green:
      // The darker green reads better on paper than the screen's.
      return QColor(0, 128, 0);
    case ReportColour::Black:
      break;
  }
  return QColor(0, 0, 0);
}

const QColor kShade(0xE0, 0xE0, 0xE0);

// Report units (0.01 inch) to the device's pixels.
class PageCanvas {
 public:
  PageCanvas(QPainter& painter, const QPaintDevice& device, const ReportMeasure& measure)
      : painter_(painter),
        device_(device),
        measure_(measure),
        xScale_(device.logicalDpiX() / 100.0),
        yScale_(device.logicalDpiY() / 100.0) {}

  QPointF Point(double x, double y) const { return {x * xScale_, y * yScale_}; }
  QRectF Rect(const ReportRect& rect) const {
    return QRectF(Point(rect.left, rect.top), Point(rect.right, rect.bottom));
  }

  void Frame(const ReportRect& rect, bool filled) {
    painter_.setPen(Pen());
    painter_.setBrush(filled ? QBrush(kShade) : QBrush(Qt::NoBrush));
    painter_.drawRect(Rect(rect));
  }
  void Fill(const ReportRect& rect) { painter_.fillRect(Rect(rect), kShade); }
  void Line(double x1, double y1, double x2, double y2) {
    painter_.setPen(Pen());
    painter_.drawLine(Point(x1, y1), Point(x2, y2));
  }

  // A line of runs in a box: from its left (or centred), vertically centred.
  void Text(const ReportRect& box, const ReportLine& line, bool centred) {
    double x = box.left + line.indent;
    if (centred) {
      double width = 0;
      for (const ReportRun& run : line.runs) {
        width += measure_(run.text, run.font);
      }
      x = box.left + (box.right - box.left - width) / 2;
    }
    for (const ReportRun& run : line.runs) {
      const double width = measure_(run.text, run.font);
      painter_.setFont(ReportQtFont(run.font));
      painter_.setPen(ColourOf(run.colour));
      // Wide enough that rounding never cuts a run's last letter.
      const ReportRect runBox{x, box.top, x + width + 50, box.bottom};
      painter_.drawText(Rect(runBox), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextDontClip,
                        QString::fromUtf8(run.text));
      x += width;
    }
  }

  // A heading that reads upwards from its bottom, centred on x.
  void VerticalText(double x, double bottom, const std::string& text, const ReportFont& font,
                    ReportColour colour) {
    const QFont qfont = ReportQtFont(font);
    const QFontMetricsF metrics(qfont, &device_);
    painter_.save();
    painter_.translate(Point(x, bottom));
    painter_.rotate(-90);
    painter_.setFont(qfont);
    painter_.setPen(ColourOf(colour));
    const double height = metrics.height();
    painter_.drawText(
        QRectF(0, -height / 2, metrics.horizontalAdvance(QString::fromUtf8(text)) + 1, height),
        Qt::AlignLeft | Qt::AlignVCenter | Qt::TextDontClip, QString::fromUtf8(text));
    painter_.restore();
  }

 private:
  // The report's hairlines: a fine line that still shows on paper.
  QPen Pen() const {
    QPen pen(Qt::black);
    pen.setWidthF(std::max(1.0, xScale_ * 0.6));
    return pen;
  }

  QPainter& painter_;
  const QPaintDevice& device_;
  const ReportMeasure& measure_;
  double xScale_;
  double yScale_;
};

void PaintTable(PageCanvas& canvas, const ReportTable& table) {
  for (const ReportRow& row : table.rows) {
    if (row.shaded) {
      canvas.Fill(ReportRect{table.left, row.top, table.right, row.top + row.height});
    }
  }
  for (const ReportColumn& column : table.columns) {
    if (!table.verticalHeadings) {
      const ReportRun run{column.heading, table.headingFont, column.headingColour};
      canvas.Text(
          ReportRect{column.left, table.top, column.left + column.width, table.headingBottom},
          ReportLine{0, {run}}, true);
      continue;
    }
    if (column.heading.find_first_not_of(' ') != std::string::npos) {
      // Blanks after a heading ("Dec Pt Reg ") would lift it off the line
      // the others stand on.
      std::string heading = column.heading;
      heading.erase(heading.find_last_not_of(' ') + 1);
      canvas.VerticalText(column.left + column.width / 2,
                          table.headingBottom - kReportHeadingRuleGap, heading, table.headingFont,
                          column.headingColour);
    }
  }
  for (const ReportRow& row : table.rows) {
    for (size_t c = 0; c < row.cells.size() && c < table.columns.size(); ++c) {
      const ReportColumn& column = table.columns[c];
      double top = row.top;
      for (const ReportLine& line : row.cells[c]) {
        // One unit further in on the left than the wrap allowed for, so the
        // text stands clear of the column rule.
        canvas.Text(
            ReportRect{column.left + kReportCellPadding + 1, top,
                       column.left + column.width - kReportCellPadding, top + kReportTextLine},
            line, false);
        top += kReportTextLine;
      }
    }
  }
  canvas.Line(table.left, table.headingBottom, table.right, table.headingBottom);
  for (size_t c = 1; c < table.columns.size(); ++c) {
    canvas.Line(table.columns[c].left, table.top, table.columns[c].left, table.bottom);
  }
  canvas.Frame(ReportRect{table.left, table.top, table.right, table.bottom}, false);
}

void PaintPage(PageCanvas& canvas, const ReportPage& page) {
  canvas.Frame(page.frame, false);
  canvas.Frame(page.titleBox, true);
  if (page.table) {
    PaintTable(canvas, *page.table);
  }
  for (const ReportText& text : page.texts) {
    canvas.Text(text.box, text.line, text.centred);
  }
}

}  // namespace

ReportPaper PaperOf(const QPagedPaintDevice& device, bool colour) {
  const QPageLayout layout = device.pageLayout();
  const QRectF printable = layout.paintRect(QPageLayout::Inch);
  ReportPaper paper;
  paper.printableWidth = printable.width() * 100;
  paper.printableHeight = printable.height() * 100;
  paper.landscape = layout.orientation() == QPageLayout::Landscape;
  paper.colour = colour;
  return paper;
}

QFont ReportQtFont(const ReportFont& font) {
  QFont qfont(QStringLiteral("Arial"));
  qfont.setStyleHint(QFont::SansSerif);
  qfont.setPointSizeF(font.points);
  qfont.setBold(font.bold);
  qfont.setUnderline(font.underline);
  return qfont;
}

ReportMeasure MeasureOn(const QPaintDevice& device) {
  const double unitsPerPixel = 100.0 / device.logicalDpiX();
  return [&device, unitsPerPixel](const std::string& text, const ReportFont& font) {
    const QFontMetricsF metrics(ReportQtFont(font), &device);
    return metrics.horizontalAdvance(QString::fromUtf8(text)) * unitsPerPixel;
  };
}

bool PaintReport(const TOvReport& report, QPagedPaintDevice& device, int fromPage, int toPage) {
  return PaintPages(report.Pages(), device, fromPage, toPage);
}

bool PaintPages(const std::vector<ReportPage>& pages, QPagedPaintDevice& device, int fromPage,
                int toPage) {
  const int count = static_cast<int>(pages.size());
  const int first = std::max(fromPage, 1);
  const int last = toPage <= 0 ? count : std::min(toPage, count);
  QPainter painter;
  if (!painter.begin(&device)) {
    return false;
  }
  painter.setRenderHint(QPainter::Antialiasing, false);
  const ReportMeasure measure = MeasureOn(device);
  PageCanvas canvas(painter, device, measure);
  for (int number = first; number <= last; ++number) {
    if (number > first) {
      device.newPage();
    }
    PaintPage(canvas, pages[static_cast<size_t>(number - 1)]);
  }
  return painter.end();
}

}  // namespace orvane
