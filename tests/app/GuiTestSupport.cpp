#include "tests/app/GuiTestSupport.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include "app/SplashWindow.h"
#include "tests/support/QtTestHelpers.h"

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

void TypeIntoChooser(QWidget* dialog, const QString& path) {
  QPointer<QLineEdit> name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
  QVERIFY(name != nullptr);
  // A chooser that starts in a given folder may show its name there.
  name->clear();
  QTest::keyClicks(name, path);
  QPointer<QWidget> chooser = dialog;
  // An open chooser takes an existing file only once its folder has been
  // listed (on a thread of its own): Enter again until it has.
  for (int press = 0; press < 100 && chooser && chooser->isVisible(); ++press) {
    if (press >= 2) {
      QTest::qWait(10);
    }
    QWidget* target = QApplication::activePopupWidget();
    QTest::keyClick(target != nullptr ? target : name.data(), Qt::Key_Return);
  }
}

void TypeIntoFileChooser(const QString& path) {
  WhenModal([path](QWidget* dialog) { TypeIntoChooser(dialog, path); },
            QStringLiteral("fileDialog"));
}

void PickModelByKeys(int downPresses, const char* picture) {
  WhenModal(
      [downPresses, picture](QWidget* dialog) {
        auto* list = dialog->findChild<QListWidget*>(QStringLiteral("modelList"));
        QVERIFY(list != nullptr);
        for (int i = 0; i < downPresses; ++i) {
          QTest::keyClick(list, Qt::Key_Down);
        }
        if (picture != nullptr) {
          SavePicture(dialog, picture);
        }
        QTest::keyClick(list, Qt::Key_Return);
      },
      QStringLiteral("dlg_102"));
}

SettingsPaths TestSettingsPaths(const std::filesystem::path& folder,
                                const std::filesystem::path& installDir) {
  return SettingsPaths{folder / "machine" / "orvane.ini", folder / "user" / "Orvane Zurovuvu.ini",
                       installDir};
}

ShellUnderTest::ShellUnderTest(UserInterface& ui, MainViewDialogs& dialogs,
                               const SettingsPaths& paths, const QString& version,
                               std::optional<std::filesystem::path> openFile,
                               std::filesystem::path panelSimFolder)
    : settings_(paths) {
  ShellOptions options;
  options.version = version;
  options.openFile = std::move(openFile);
  options.userDataFolder = paths.userFile.parent_path() / "data";
  options.panelSimFolder = std::move(panelSimFolder);
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
