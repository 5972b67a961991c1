// orvane: the desktop program.
#include <QApplication>
#include <cstdio>

#include "app/MainFrame.h"
#include "app/OrvaneApp.h"
#include "app/ShellArguments.h"
#include "app/ShellVersion.h"
#include "app/StartupTimingLog.h"
#include "base/ProgramVersion.h"
#include "base/Settings.h"
#include "base/StringTable.h"
#include "view/qt/QtUserInterface.h"
#include "view/qt/QtViewDialogs.h"

int main(int argc, char** argv) {
  // Qt ends the process when it cannot reach a display; past this line it
  // could.
  QApplication application(argc, argv);
  QApplication::setApplicationName(
      QString::fromUtf8(orvane::LoadString(orvane::strings::kAppTitle)));
  QApplication::setOrganizationName(QStringLiteral("Halvard"));

  std::vector<std::string> args;
  const QStringList arguments = QApplication::arguments();
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    args.push_back(arguments[i].toStdString());
  }
  const orvane::ShellArguments parsed = orvane::ParseShellArguments(args);
  if (parsed.help) {
    std::fputs(orvane::kShellUsage, stdout);
    return 0;
  }
  if (parsed.checkDisplay) {
    return 0;
  }
  if (!parsed.error.empty()) {
    std::fprintf(stderr, "orvane: %s\n\n%s", parsed.error.c_str(), orvane::kShellUsage);
    return 2;
  }
  for (const std::string& ignored : parsed.ignored) {
    std::fprintf(stderr, "orvane: not opening %s (use --open FILE to open a project)\n",
                 ignored.c_str());
  }

  orvane::QtUserInterface ui;
  // The version is read before anything else runs.
  const orvane::ShellVersion version = orvane::ShellVersionFrom(orvane::LoadProgramVersion());
  if (version.loadFailed) {
    ui.Show(orvane::LoadString(orvane::strings::kVersionLoadFailed), orvane::Icon::Exclamation);
  }

  orvane::QtViewDialogs dialogs(ui);
  orvane::ShellOptions options;
  options.version = QString::fromStdString(version.text);
  if (parsed.openFile) {
    options.openFile = *parsed.openFile;
  }
  orvane::OrvaneApp shell(ui, dialogs, orvane::AppSettings(), options);
  // ORVANE_STARTUP_LOG: the start-up's stages with their times, for the
  // benchmarks; nothing without it.
  orvane::StartupTimingLog timing(shell);
  if (!shell.Start()) {
    return 1;
  }
  ui.SetMainWindow(shell.Frame());
  return QApplication::exec();
}
