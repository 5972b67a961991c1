#include "view/print/ReportPdf.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

#include "base/AtomicFile.h"
#include "view/TOvReport.h"
#include "view/print/ReportPainter.h"

namespace orvane {

bool WriteReportPdf(const TOvProject& project, const std::string& fileName,
                    const std::filesystem::path& path, const ReportPdfOptions& options,
                    std::string& error, int* pageCount) {
  QByteArray bytes;
  {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageLayout(QPageLayout(
        QPageSize(options.paper),
        options.landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
        QMarginsF(kReportPdfMarginMm, kReportPdfMarginMm, kReportPdfMarginMm, kReportPdfMarginMm),
        QPageLayout::Millimeter));
    writer.setTitle(QString::fromStdString(TOvReport::Title(project)));
    writer.setCreator(QStringLiteral("Orvane"));
    const TOvReport report(project, fileName, PaperOf(writer, options.colour), MeasureOn(writer));
    if (!PaintReport(report, writer)) {
      error = "the report could not be drawn";
      return false;
    }
    if (pageCount != nullptr) {
      *pageCount = static_cast<int>(report.Pages().size());
    }
  }
  return WriteFileAtomically(path, std::string_view(bytes.constData(), bytes.size()), &error);
}

}  // namespace orvane
