// orvane-virtual-panel: the virtual panel window on its own, for trying a
// project without the desktop program. It starts orvane-panelsim from its
// own folder with --control and the arguments given (for example --model 1
// --state panel.state --link /tmp/panel) and shows the window until either
// ends.
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QProcess>

#include "sim/qt/VirtualPanelWindow.h"

int main(int argc, char** argv) {
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
