// orvane-cli project report: the documentation report the desktop program
// prints, written as a PDF without a display (Qt's offscreen platform).
#include <QGuiApplication>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "cli/Arguments.h"
#include "cli/ExitStatus.h"
#include "cli/ProjectCommands.h"
#include "cli/ProjectDocument.h"
#include "cli/TerminalUserInterface.h"
#include "project/ModelLimits.h"
#include "view/print/ReportPdf.h"

namespace orvane::cli {
namespace {

// Qt's painting needs a QGuiApplication; the offscreen platform needs no
// display. One is made for this command alone unless the process has one.
// Qt's own notes go to standard error as they are, except the one about a
// missing XDG_RUNTIME_DIR: the offscreen platform makes no use of it, and a
// command run from a service has none.
void QtMessages(QtMsgType, const QMessageLogContext&, const QString& message) {
  if (!message.startsWith(QStringLiteral("QStandardPaths: "))) {
    std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
  }
}

std::unique_ptr<QGuiApplication> OffscreenApplication() {
  if (QCoreApplication::instance() != nullptr) {
    return nullptr;
  }
  qInstallMessageHandler(QtMessages);
  static int argc = 3;
  static char name[] = "orvane-cli";
  static char option[] = "-platform";
  static char platform[] = "offscreen";
  static char* argv[] = {name, option, platform, nullptr};
  return std::make_unique<QGuiApplication>(argc, argv);
}

}  // namespace

int ReportCommand(const std::vector<std::string>& rest) {
  std::vector<OptionSpec> optionSpecs{{"-o", true, false, "--output"},
                                      {"--port", true, false, ""},
                                      {"--landscape", false, false, ""},
                                      {"--mono", false, false, ""},
                                      {"--letter", false, false, ""}};
  for (OptionSpec& option : QuestionOptions()) {
    optionSpecs.push_back(option);
  }
  const Arguments args(rest, optionSpecs);
  const std::string file = OnlyFile(args, "report");
  const std::string output = args.Required("-o");
  TerminalUserInterface ui;
  ApplyQuestionOptions(args, ui);
  ProjectDocument document(ui);
  if (!document.Read(file)) {
    return kExitFile;
  }
  TOvProject& project = document.Project();
  if (const std::optional<long> port = args.Integer("--port", kFirstPort, kLastPort)) {
    project.portTable.selectedPort = static_cast<int32_t>(*port);
    if (project.SelectedPanel() == nullptr) {
      std::fprintf(stderr, "%s has no panel on port %ld\n", file.c_str(), *port);
      return kExitNegative;
    }
  }
  ReportPdfOptions options;
  options.landscape = args.Has("--landscape");
  options.colour = !args.Has("--mono");
  options.paper = args.Has("--letter") ? QPageSize::Letter : QPageSize::A4;

  const std::unique_ptr<QGuiApplication> application = OffscreenApplication();
  std::string error;
  int pages = 0;
  if (!WriteReportPdf(project, std::filesystem::absolute(file).string(), output, options, error,
                      &pages)) {
    std::fprintf(stderr, "Cannot write %s: %s\n", output.c_str(), error.c_str());
    return kExitFile;
  }
  const TOvPanel* panel = project.SelectedPanel();
  if (panel == nullptr) {
    std::printf("%s: %d page%s, the summary (no panel on port %d)\n", output.c_str(), pages,
                pages == 1 ? "" : "s", project.portTable.selectedPort);
  } else {
    std::printf("%s: %d page%s, the %s panel on port %d with %zu messages\n", output.c_str(), pages,
                pages == 1 ? "" : "s", panel->ModelName().c_str(), panel->portNumber,
                panel->messages.size());
  }
  return kExitOk;
}

}  // namespace orvane::cli
