// The simulated panel as the user meets it: the desktop program with the
// staged orvane-panelsim beside it, "Simulated panel" chosen in the Port
// menu with the mouse, and the example project written to it, read back and
// verified with key and mouse events alone. The simulator is a real child
// process on a pseudo-terminal; it is stopped (and saves its state) when the
// program ends. With ORVANE_SCREENSHOT_DIR set, the stages are saved there.
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <cstdlib>

#include "app/MainFrame.h"
#include "base/InstallDir.h"
#include "tests/app/GuiTestSupport.h"
#include "tests/support/QtTestHelpers.h"
#include "tests/support/TestPaths.h"
#include "view/OrvaneDocument.h"
#include "view/qt/ConfigurationScreen.h"
#include "view/qt/QtUserInterface.h"
#include "view/qt/QtViewDialogs.h"
#include "view/qt/SimulatedPanelProcess.h"

namespace orvane::testing {
namespace {

namespace fs = std::filesystem;

// Presses Enter in the next message box (its default: OK on a message).
void EnterInNextBox(QStringList& texts) {
  WhenModal(
      [&texts](QWidget* box) {
        texts << Find<QLabel>(box, "text")->text();
        QTest::keyClick(box, Qt::Key_Return);
      },
      QStringLiteral("messageBox"));
}

// Starts the next progress dialog with Enter (Start is its default button)
// and waits until it has closed by itself.
void StartWithEnter(const char* picture) {
  WhenModal(
      [picture](QWidget* dialog) {
        SavePicture(dialog, picture);
        QTest::keyClick(dialog, Qt::Key_Return);
        QTRY_VERIFY_WITH_TIMEOUT(!dialog->isVisible(), 20000);
      },
      QStringLiteral("dlg_198"));
}

}  // namespace

class SimulatedPanelTest : public QObject {
  Q_OBJECT

 private slots:
  void anExampleIsWrittenReadAndVerifiedOnTheSimulatedPanel() {
    const char* stageBin = std::getenv("ORVANE_STAGE_BIN");
    QVERIFY(stageBin != nullptr);
    const fs::path folder = MakeTempDir("simulated-panel");
    const fs::path example = fs::path(ORVANE_TEST_SOURCE_DIR) / "examples" / "single-panel.ovx";
    fs::copy_file(example, folder / "single-panel.ovx");
    QtUserInterface ui;
    QtViewDialogs dialogs(ui);
    const SettingsPaths paths = TestSettingsPaths(folder, InstallDir());
    fs::path stateFile;
    {
      ShellUnderTest shell(ui, dialogs, paths, QStringLiteral("2.1"), folder / "single-panel.ovx",
                           stageBin);
      shell.Config().SetWindow(WindowPlacement{false, 40, 30, 940, 690});
      QVERIFY(shell.StartPastSplash());
      MainFrame& frame = shell.Frame();
      ui.SetMainWindow(&frame);
      QTRY_VERIFY(frame.ActiveScreen() != nullptr);
      ConfigurationScreen* screen = frame.ActiveScreen();
      SimulatedPanelProcess* simulated = shell.App().Simulated();
      QVERIFY(simulated != nullptr && simulated->IsAvailable());

      // "Simulated panel" from the Port menu (the offscreen platform hands
      // a popup menu no keys, so the entry is triggered as the menu would).
      // (The menu builds its entries afresh as it opens.)
      QMenu* menu = frame.PortMenu();
      menu->popup(frame.mapToGlobal(QPoint(40, 40)));
      QVERIFY(QTest::qWaitForWindowExposed(menu));
      auto* choice = Find<QAction>(menu, "simulatedPanel");
      QVERIFY(choice->isEnabled());
      choice->trigger();
      menu->hide();
      QTRY_VERIFY(simulated->IsRunning());
      QCOMPARE(shell.Config().Port(), std::string("Simulated panel"));
      QCOMPARE(simulated->Running()->Key(), std::string("model-4"));
      QCOMPARE(Find<QLabel>(&frame, "portPane")->text(),
               QStringLiteral("Simulated panel in use: Ov400 panel"));
      QVERIFY(fs::is_symlink(simulated->PortPath()));
      stateFile = simulated->Plan().StatePath(*simulated->Running());
      SavePicture(&frame, "simulated-panel-chosen");

      // Write with the mouse, Start with Enter, the success box with Enter.
      QStringList boxes;
      StartWithEnter("progress-simulated-write");
      EnterInNextBox(boxes);
      QTest::mouseClick(Find<QPushButton>(screen, "ctl_1012"), Qt::LeftButton);
      QCOMPARE(boxes,
               QStringList{QStringLiteral("Project has been written to the panel successfully.")});

      // Read back: the question's OK by the mouse; the same project comes
      // back, so nothing changes.
      boxes.clear();
      WhenModal(
          [&boxes](QWidget* box) {
            boxes << Find<QLabel>(box, "text")->text();
            QTest::mouseClick(Find<QPushButton>(box, "okButton"), Qt::LeftButton);
            StartWithEnter("progress-simulated-read");
            EnterInNextBox(boxes);
          },
          QStringLiteral("messageBox"));
      QTest::mouseClick(Find<QPushButton>(screen, "ctl_1013"), Qt::LeftButton);
      QCOMPARE(boxes.size(), 2);
      QCOMPARE(boxes.back(), QStringLiteral("Project has been read from the panel successfully."));
      QVERIFY(!screen->Document().IsModified());

      // Verify by the keyboard: Space on the button.
      boxes.clear();
      StartWithEnter("progress-simulated-verify");
      EnterInNextBox(boxes);
      QTest::keyClick(Find<QPushButton>(screen, "ctl_1015"), Qt::Key_Space);
      QCOMPARE(boxes, QStringList{QStringLiteral(
                          "Project file on PC is same as the \nproject loaded in the panel")});

      // The same simulator served all three.
      QCOMPARE(simulated->Running()->Key(), std::string("model-4"));
      // Traces went where the working folder is.
      QVERIFY(fs::exists(fs::current_path() / "Write.txt"));
    }
    // The program has ended: the simulator saved what the panel holds.
    QVERIFY(fs::exists(stateFile));
    QVERIFY(ReadText(stateFile).find("message 1 ") != std::string::npos);
  }
};

}  // namespace orvane::testing

QTEST_MAIN(orvane::testing::SimulatedPanelTest)
#include "SimulatedPanelTest.moc"
