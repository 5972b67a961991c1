#include "app/OrvaneApp.h"

#include "app/MainFrame.h"
#include "app/SplashWindow.h"
#include "app/WorkingFolder.h"
#include "base/Settings.h"
#include "base/UserInterface.h"
#include "link/BaudRate.h"
#include "view/qt/SimulatedPanelProcess.h"

#include <QCoreApplication>

namespace orvane {

OrvaneApp::OrvaneApp(UserInterface& ui, MainViewDialogs& dialogs, Settings& settings,
                     ShellOptions options)
    : ui_(ui), dialogs_(dialogs), settings_(settings), options_(std::move(options)) {
  if (options_.userDataFolder.empty()) {
    options_.userDataFolder = UserDataFolder();
  }
  // A name given relative to where the program was started, before it
  // enters its working folder.
  if (options_.openFile) {
    options_.openFile = std::filesystem::absolute(*options_.openFile);
  }
  if (options_.panelSimFolder.empty()) {
    options_.panelSimFolder = QCoreApplication::applicationDirPath().toStdString();
  }
}

OrvaneApp::~OrvaneApp() {
  // The projects (and their drivers) go before the catalogue and Corvel;
  // the simulated panel is stopped once nothing can use it (it saves its
  // state as it ends).
  frame_.reset();
  splash_.reset();
  simulated_.reset();
}

bool OrvaneApp::Start() {
  // The drivers' and Corvel's message boxes are the program's.
  if (corvel_.Open()) {
    corvel_.InstallMessageSink(ui_);
  }
  catalog_.ScanDrivers();
  splash_ = std::make_unique<SplashWindow>(options_.version, options_.splashDurationMs);
  connect(splash_.get(), &SplashWindow::Closed, this, &OrvaneApp::SplashClosed,
          Qt::QueuedConnection);
  splash_->Start();
  simulated_ = std::make_unique<SimulatedPanelProcess>(options_.panelSimFolder,
                                                       options_.userDataFolder / "simulated-panel");
  frame_ = std::make_unique<MainFrame>(
      ShellContext{ui_, dialogs_, catalog_, settings_, options_.version, simulated_.get()});
  SetBaudRateSetting(kSinglePanelBaudRate);
  return frame_ != nullptr;
}

void OrvaneApp::SplashClosed() {
  frame_->ShowPlaced();
  EnterStartFolder(settings_, options_.userDataFolder);
  frame_->raise();
  frame_->activateWindow();
  emit Ready();
  if (options_.openFile) {
    frame_->OpenFile(*options_.openFile);
  }
}

}  // namespace orvane
