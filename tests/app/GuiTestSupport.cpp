#include "tests/app/GuiTestSupport.h"

#include <QTest>
#include <QTimer>

#include "app/SplashWindow.h"

namespace orvane::testing {

void WhenModal(std::function<void(QWidget*)> action, const QString& objectName) {
  // Looks for the dialog from the event loop (the dialog's own once it
  // runs), so nothing here waits.
  auto* timer = new QTimer(qApp);
  timer->setInterval(5);
  QObject::connect(timer, &QTimer::timeout, timer, [timer, action, objectName] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || !modal->isVisible() ||
        (!objectName.isEmpty() && modal->objectName() != objectName)) {
      return;
    }
    timer->stop();
    timer->deleteLater();
    action(modal);
  });
  timer->start();
}

SettingsPaths TestSettingsPaths(const std::filesystem::path& folder,
                                const std::filesystem::path& installDir) {
  return SettingsPaths{folder / "machine" / "orvane.ini", folder / "user" / "Orvane Zurovuvu.ini",
                       installDir};
}

ShellUnderTest::ShellUnderTest(UserInterface& ui, MainViewDialogs& dialogs,
                               const SettingsPaths& paths, const QString& version,
                               std::optional<std::filesystem::path> openFile)
    : settings_(paths) {
  ShellOptions options;
  options.version = version;
  options.openFile = std::move(openFile);
  options.userDataFolder = paths.userFile.parent_path() / "data";
  app_ = std::make_unique<OrvaneApp>(ui, dialogs, settings_, options);
  QObject::connect(app_.get(), &OrvaneApp::Ready, [this] { ready_ = true; });
}

ShellUnderTest::~ShellUnderTest() {
  if (app_->Frame() != nullptr) {
    app_->Frame()->hide();
  }
}

bool ShellUnderTest::StartPastSplash() {
  if (!app_->Start() || !app_->Splash()->IsShowing()) {
    return false;
  }
  QTest::keyClick(app_->Splash(), Qt::Key_Space);
  return QTest::qWaitFor([this] { return ready_; }) && app_->Frame()->isVisible();
}

}  // namespace orvane::testing
