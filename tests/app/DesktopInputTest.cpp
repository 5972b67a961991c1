// The desktop program as a user drives it, with key and mouse events on the
// real widgets and dialogs (the Qt user interface, the file chooser, "Select
// Panel"): a project made, set up as a multi-panel system with three panels
// and saved. With ORVANE_SCREENSHOT_DIR set, the stages are saved there as
// pictures.
#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <cstdlib>

#include "app/MainFrame.h"
#include "app/SplashWindow.h"
#include "app/WelcomeView.h"
#include "project/ProjectFile.h"
#include "project/TOvProject.h"
#include "tests/app/GuiTestSupport.h"
#include "tests/support/QtTestHelpers.h"
#include "tests/support/ScriptedUserInterface.h"
#include "tests/support/TestInstall.h"
#include "tests/support/TestPaths.h"
#include "view/DocumentBinding.h"
#include "view/OrvaneDocument.h"
#include "view/qt/ConfigurationScreen.h"
#include "view/qt/PortField.h"
#include "view/qt/QtUserInterface.h"
#include "view/qt/QtViewDialogs.h"

namespace orvane::testing {
namespace {

namespace fs = std::filesystem;

}  // namespace

class DesktopInputTest : public QObject {
  Q_OBJECT

 private slots:
  void aMultiPanelProjectIsMadeWithKeysAndMouseAlone() {
    TestInstall install("desktop");
    const fs::path folder = MakeTempDir("desktop-run");
    QtUserInterface ui;
    QtViewDialogs dialogs(ui);
    ShellUnderTest shell(ui, dialogs, TestSettingsPaths(folder, install.Dir()));
    // A larger window than the first run's, for the pictures.
    shell.Config().SetWindow(WindowPlacement{false, 40, 30, 940, 690});
    QVERIFY(shell.App().Start());
    SavePicture(shell.App().Splash(), "splash");
    QTest::keyClick(shell.App().Splash(), Qt::Key_Escape);
    QTRY_VERIFY(shell.Frame().isVisible());
    MainFrame& frame = shell.Frame();
    ui.SetMainWindow(&frame);
    frame.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&frame));
    SavePicture(&frame, "welcome");

    // New from the welcome screen: the name typed into the chooser, which
    // adds the extension.
    const fs::path file = folder / "three.ovx";
    TypeIntoFileChooser(QString::fromStdString((folder / "three").string()));
    QTest::mouseClick(frame.Welcome()->findChild<QPushButton*>(QStringLiteral("newButton")),
                      Qt::LeftButton);
    ConfigurationScreen* screen = frame.ActiveScreen();
    QVERIFY(screen != nullptr);
    QVERIFY(fs::exists(file));
    SavePicture(&frame, "new-project");

    // A multi-panel system: port 2 by double click, port 3 by keyboard.
    QTest::mouseClick(screen->findChild<QRadioButton*>(QStringLiteral("ctl_1017")), Qt::LeftButton);
    auto* port2 = screen->findChild<PortField*>(QStringLiteral("portField2"));
    auto* port3 = screen->findChild<PortField*>(QStringLiteral("portField3"));
    PickModelByKeys(3, "select-panel");  // Ov400
    QTest::mouseDClick(port2, Qt::LeftButton);
    QCOMPARE(port2->Text(), QStringLiteral("Ov400\nPort2"));
    port3->setFocus();
    PickModelByKeys(4);  // OvSP
    QTest::keyClick(port3, Qt::Key_Return);
    QCOMPARE(port3->Text(), QStringLiteral("OvSP\nPort3"));
    QVERIFY(screen->Document().IsModified());
    // A click makes port 2 current again.
    QTest::mouseClick(port2, Qt::LeftButton);
    QVERIFY(port2->IsCurrent());
    SavePicture(&frame, "configuration-screen");

    // Saved with Ctrl+S, the frame being the active window again.
    frame.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&frame));
    QTest::keyClick(&frame, Qt::Key_S, Qt::ControlModifier);
    QVERIFY(!screen->Document().IsModified());
    ScriptedUserInterface quiet;
    DriverCatalog catalog(install.Dir() / "dll");
    catalog.ScanDrivers();
    TOvProject saved;
    QVERIFY(LoadProjectFile(file, saved, quiet, CatalogLookup(catalog)));
    QCOMPARE(saved.systemMode, kMultiPanelSystem);
    QCOMPARE(saved.panels.size(), size_t{3});
    QCOMPARE(saved.portTable.Model(1), kModelOv200);
    QCOMPARE(saved.portTable.Model(2), kModelOv400);
    QCOMPARE(saved.portTable.Model(3), kModelOvSP);
    QCOMPARE(saved.portTable.selectedPort, 2);

    // Leaving by the keyboard too: nothing left to ask.
    QTest::keyClick(&frame, Qt::Key_Q, Qt::ControlModifier);
    QTRY_VERIFY(!frame.isVisible());
  }
};

}  // namespace orvane::testing

QTEST_MAIN(orvane::testing::DesktopInputTest)
#include "DesktopInputTest.moc"
