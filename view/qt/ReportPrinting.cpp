#include "view/qt/ReportPrinting.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <filesystem>

#include "base/StringTable.h"
#include "base/UserInterface.h"
#include "project/TOvProject.h"
#include "view/TOvReport.h"
#include "view/print/ReportPainter.h"
#include "view/print/ReportPdf.h"

namespace orvane {
namespace {

TOvReport LayOut(QPrinter& printer, const TOvProject& project, const std::string& fileName) {
  return TOvReport(project, fileName, PaperOf(printer, printer.colorMode() == QPrinter::Color),
                   MeasureOn(printer));
}

// The page setup where the platform's own dialog cannot serve: a machine
// without a printer, whose output goes to a PDF file. Paper, orientation
// and colour are what the report depends on.
void PdfPageSetup(QPrinter& printer, QWidget* parent) {
  QDialog dialog(parent);
  dialog.setObjectName(QStringLiteral("printSetupDialog"));
  dialog.setWindowTitle(QStringLiteral("Print Setup"));
  auto* paper = new QComboBox;
  paper->setObjectName(QStringLiteral("paper"));
  const QPageSize::PageSizeId sizes[] = {QPageSize::A4, QPageSize::Letter, QPageSize::Legal,
                                         QPageSize::A3};
  for (const QPageSize::PageSizeId size : sizes) {
    paper->addItem(QPageSize::name(size), static_cast<int>(size));
    if (printer.pageLayout().pageSize().id() == size) {
      paper->setCurrentIndex(paper->count() - 1);
    }
  }
  auto* orientation = new QComboBox;
  orientation->setObjectName(QStringLiteral("orientation"));
  orientation->addItems({QStringLiteral("Portrait"), QStringLiteral("Landscape")});
  orientation->setCurrentIndex(printer.pageLayout().orientation() == QPageLayout::Landscape ? 1
                                                                                            : 0);
  auto* colour = new QCheckBox(QStringLiteral("&Colour"));
  colour->setObjectName(QStringLiteral("colour"));
  colour->setChecked(printer.colorMode() == QPrinter::Color);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  auto* layout = new QFormLayout(&dialog);
  layout->addRow(QStringLiteral("&Paper:"), paper);
  layout->addRow(QStringLiteral("&Orientation:"), orientation);
  layout->addRow(QString(), colour);
  layout->addRow(buttons);
  if (dialog.exec() != QDialog::Accepted) {
    return;
  }
  printer.setPageSize(QPageSize(static_cast<QPageSize::PageSizeId>(paper->currentData().toInt())));
  printer.setPageOrientation(orientation->currentIndex() == 1 ? QPageLayout::Landscape
                                                              : QPageLayout::Portrait);
  printer.setColorMode(colour->isChecked() ? QPrinter::Color : QPrinter::GrayScale);
}

}  // namespace

ReportPrinting::ReportPrinting() : printer_(QPrinter::HighResolution) {
  printer_.setDocName(QStringLiteral("Orvane Project Documentation"));
}

void ReportPrinting::PrintSetup(QWidget* parent) {
  if (printer_.outputFormat() != QPrinter::NativeFormat) {
    PdfPageSetup(printer_, parent);
    return;
  }
  QPageSetupDialog dialog(&printer_, parent);
  dialog.setObjectName(QStringLiteral("printSetupDialog"));
  dialog.exec();
}

bool ReportPrinting::PrintOn(QPrinter& printer, const TOvProject& project,
                             const std::string& fileName) {
  const TOvReport report = LayOut(printer, project, fileName);
  if (printer.printRange() == QPrinter::PageRange) {
    return PaintReport(report, printer, printer.fromPage(), printer.toPage());
  }
  return PaintReport(report, printer);
}

bool ReportPrinting::Print(const TOvProject& project, const std::string& fileName,
                           QWidget* parent) {
  QPrintDialog dialog(&printer_, parent);
  dialog.setObjectName(QStringLiteral("printDialog"));
  const int pages = static_cast<int>(LayOut(printer_, project, fileName).Pages().size());
  dialog.setMinMax(1, pages);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange);
  if (dialog.exec() != QDialog::Accepted) {
    return false;
  }
  return PrintOn(printer_, project, fileName);
}

void ReportPrinting::Preview(const TOvProject& project, const std::string& fileName,
                             QWidget* parent) {
  QPrintPreviewDialog dialog(&printer_, parent);
  dialog.setObjectName(QStringLiteral("printPreview"));
  dialog.resize(800, 900);
  QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                   [&project, &fileName](QPrinter* printer) {
                     const TOvReport report = LayOut(*printer, project, fileName);
                     PaintReport(report, *printer);
                   });
  dialog.exec();
}

bool ReportPrinting::ExportPdf(const TOvProject& project, const std::string& fileName,
                               UserInterface& ui) {
  FileRequest request;
  request.filter = kPdfFileFilter;
  request.defaultExtension = kPdfFileExtension;
  request.overwritePrompt = true;
  request.initialPath =
      std::filesystem::path(fileName).replace_extension(kPdfFileExtension).string();
  const std::optional<std::string> chosen = ui.ChooseSaveFile(request);
  if (!chosen) {
    return false;
  }
  ReportPdfOptions options;
  options.landscape = printer_.pageLayout().orientation() == QPageLayout::Landscape;
  options.paper = printer_.pageLayout().pageSize().id();
  options.colour = printer_.colorMode() == QPrinter::Color;
  std::string error;
  if (!WriteReportPdf(project, fileName, *chosen, options, error)) {
    ui.Show(FormatText("Cannot write %s: %s", chosen->c_str(), error.c_str()), Icon::Stop);
    return false;
  }
  return true;
}

}  // namespace orvane
