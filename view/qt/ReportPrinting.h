// The documentation report's commands in the desktop program: File Print,
// Print Preview, Print Setup and the export to PDF. One printer (its paper,
// orientation and colour) serves every project for the program's run, as
// the print setup does on the original platform.
#pragma once

#include <QPrinter>
#include <string>

class QWidget;

namespace orvane {

class TOvProject;
class UserInterface;

class ReportPrinting {
 public:
  ReportPrinting();

  QPrinter& Printer() { return printer_; }

  /// Print Setup: the page setup dialog on the program's printer.
  void PrintSetup(QWidget* parent);
  /// File Print: the print dialog (printer, pages, copies), then the
  /// report. false when the user cancels or it cannot print.
  bool Print(const TOvProject& project, const std::string& fileName, QWidget* parent);
  /// Print Preview: the report's pages as the printer would print them.
  void Preview(const TOvProject& project, const std::string& fileName, QWidget* parent);
  /// Export to PDF: asks for the file (through ui) and writes the report
  /// on the printer's paper, in its orientation and colour mode. false when
  /// the user cancels or it cannot be written (the user is told why).
  bool ExportPdf(const TOvProject& project, const std::string& fileName, UserInterface& ui);

  /// Draws the report on a printer set up already: the pages the printer's
  /// range names (all without one), in colour when the printer prints so.
  static bool PrintOn(QPrinter& printer, const TOvProject& project, const std::string& fileName);

 private:
  QPrinter printer_;
};

/// The filter and extension of the PDF export's chooser.
inline constexpr const char* kPdfFileFilter = "PDF Files (*.pdf)|*.pdf|All Files (*.*)|*.*||";
inline constexpr const char* kPdfFileExtension = ".pdf";

}  // namespace orvane
