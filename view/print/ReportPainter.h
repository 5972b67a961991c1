// Draws the documentation report (or other pages in its page model) on a
// paint device with pages: a printer, the print preview or a PDF writer.
// What goes where is TOvReport's; this only turns its pages into strokes,
// fills and text.
#pragma once

#include <QFont>

#include "view/TOvReport.h"

class QPagedPaintDevice;
class QPaintDevice;

namespace orvane {

/// The paper of a paint device: the size of its printable area (the page
/// less the layout's margins) and its orientation; colour as the caller
/// says (a PDF takes colour, a printer may not).
ReportPaper PaperOf(const QPagedPaintDevice& device, bool colour);

/// The font a report font prints in: Arial (or the face the system puts in
/// its place) at the report font's size.
QFont ReportQtFont(const ReportFont& font);

/// Text widths in report units as the text prints on the device.
ReportMeasure MeasureOn(const QPaintDevice& device);

/// Draws the report's pages from fromPage to toPage (1-based; 0 for either
/// end means the first or the last page) on the device, each on a page of
/// its own. false when the device cannot be painted on.
bool PaintReport(const TOvReport& report, QPagedPaintDevice& device, int fromPage = 0,
                 int toPage = 0);
/// The same for any pages laid out in the report's page model (the address
/// database's print).
bool PaintPages(const std::vector<ReportPage>& pages, QPagedPaintDevice& device, int fromPage = 0,
                int toPage = 0);

}  // namespace orvane
