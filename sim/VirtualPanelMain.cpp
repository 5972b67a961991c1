// orvane-virtual-panel: the virtual panel window on its own, for trying a
// project without the desktop program. It starts orvane-panelsim from its
// own folder with --control and the arguments given (for example --model 1
// --state panel.state --link /tmp/panel) and shows the window until either
// ends.
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <cstdio>
#include <cstring>

#include "view/qt/virtualpanel/VirtualPanelWindow.h"

namespace {

const char* const kUsage =
    "Usage: orvane-virtual-panel [orvane-panelsim options]\n"
    "\n"
    "Starts orvane-panelsim (from this program's folder) with the options given\n"
    "and --control, and shows the virtual panel window: the panel's display, its\n"
    "keys and LEDs, and the PLC registers the project in the panel uses, which\n"
    "can be edited. It follows the panel live while a program writes, reads and\n"
    "verifies it on the simulator's port, and ends with the simulator.\n"
    "\n"
    "Example: orvane-virtual-panel --model 4 --link /tmp/panel --state panel.state\n"
    "\n"
    "orvane-panelsim --help lists the options. The window drives a single panel;\n"
    "a multiplexer has no virtual panel.\n"
    "\n"
    "Exit status: 0 done; 3 orvane-panelsim could not be started.\n";

}  // namespace

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
      std::fputs(kUsage, stdout);
      return 0;
    }
  }
  QApplication app(argc, argv);
  QStringList args = app.arguments().mid(1);
  args << "--control";
  QProcess simulator;
  simulator.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  simulator.start(QDir(QCoreApplication::applicationDirPath()).filePath("orvane-panelsim"), args);
  if (!simulator.waitForStarted()) {
    return 3;
  }
  orvane::panelview::VirtualPanelWindow* window = orvane::panelview::AttachVirtualPanel(&simulator);
  QObject::connect(&simulator, &QProcess::finished, &app, &QApplication::quit);
  window->show();
  const int status = app.exec();
  simulator.write("quit\n");
  simulator.waitForFinished(2000);
  delete window;
  return status;
}
