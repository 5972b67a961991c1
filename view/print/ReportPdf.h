// The documentation report as a PDF file, as orvane-cli and the desktop
// program's export write it.
#pragma once

#include <QPageSize>
#include <filesystem>
#include <string>

namespace orvane {

class TOvProject;

struct ReportPdfOptions {
  bool landscape = false;
  bool colour = true;
  QPageSize::PageSizeId paper = QPageSize::A4;
};

/// The margins around the printable area of a PDF page, in millimetres: a
/// printer's usual unprintable border, so that the PDF prints as the report
/// would on that printer.
inline constexpr double kReportPdfMarginMm = 6.35;

/// Lays out the report of the project's current panel and writes it as a
/// PDF to path, replacing the file atomically. fileName is the project file
/// as the summary names it. Needs a QGuiApplication (the offscreen platform
/// will do). pageCount (when given) gets the number of pages. false with
/// error set when it cannot be written.
bool WriteReportPdf(const TOvProject& project, const std::string& fileName,
                    const std::filesystem::path& path, const ReportPdfOptions& options,
                    std::string& error, int* pageCount = nullptr);

}  // namespace orvane
