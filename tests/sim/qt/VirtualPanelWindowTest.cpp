// The virtual panel window attached to a real orvane-panelsim --control
// process: it follows a project written to the panel's port, register edits
// in its table and clicks on its keys, live. With ORVANE_SCREENSHOT_DIR set,
// the 2-line, 4-line and set point panels are saved there as pictures.
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>

#include "sim/qt/LcdDisplay.h"
#include "sim/qt/VirtualPanelWindow.h"
#include "tests/sim/PanelProjects.h"
#include "tests/support/QtTestHelpers.h"
#include "tests/support/RunProgram.h"
#include "tests/support/TestPaths.h"

namespace orvane::panelview {
namespace {

namespace fs = std::filesystem;
using orvane::testing::Find;

// orvane-panelsim --control for a model on a link in dir, with the window
// attached.
struct AttachedPanel {
  AttachedPanel(int model, const fs::path& dir) : link(dir / "port") {
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(
        QString::fromStdString((orvane::testing::StagedBinDir() / "orvane-panelsim").string()),
        {"--model", QString::number(model), "--link", QString::fromStdString(link.string()),
         "--control"});
    window = AttachVirtualPanel(&process);
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowExposed(window));
  }
  ~AttachedPanel() {
    process.write("quit\n");
    process.waitForFinished(5000);
    delete window;
  }

  /// Writes a project to the panel's port.
  bool Write(const fs::path& project) {
    const auto result =
        orvane::testing::RunCli({"panel", "write", project.string(), "--port", link.string(),
                                 "--yes", "--quiet", "--trace-dir", link.parent_path().string()});
    return result.exitStatus == 0;
  }

  QString Line(int line) const { return window->State().lines.value(line); }

  /// Types a value into the register table's row of an address.
  void EditRegister(const QString& address, const QString& value) {
    auto* table = Find<QTableWidget>(window, "registers");
    for (int row = 0; row < table->rowCount(); ++row) {
      if (table->item(row, 1)->text() != address) {
        continue;
      }
      table->scrollToItem(table->item(row, 4));
      QCoreApplication::processEvents();
      const QRect cell = table->visualItemRect(table->item(row, 4));
      QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
      QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, cell.center());
      auto* editor = table->viewport()->findChild<QLineEdit*>();
      QVERIFY(editor != nullptr);
      QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
      QTest::keyClicks(editor, value);
      QTest::keyClick(editor, Qt::Key_Return);
      QTRY_VERIFY(table->viewport()->findChild<QLineEdit*>() == nullptr ||
                  !table->viewport()->findChild<QLineEdit*>()->isVisible());
      return;
    }
    QFAIL(qPrintable("no register " + address));
  }

  QPushButton* Key(const char* name) const {
    return Find<QPushButton>(window, (QString("key-") + name).toUtf8().constData());
  }

  fs::path link;
  QProcess process;
  VirtualPanelWindow* window = nullptr;
};

class VirtualPanelWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void FollowsAWriteRegisterEditsAndKeyClicks() {
    const fs::path dir = orvane::testing::MakeTempDir("window-2");
    AttachedPanel panel(1, dir);
    QTRY_COMPARE(panel.window->State().model, 1);
    QVERIFY(panel.Write(sim::testing::SaveProject(dir, 1, sim::testing::TextPanel())));
    // The panel's memory changed: the window shows the local messages.
    QTRY_COMPARE(panel.Line(0), QString("+SETUP              "));
    QCOMPARE(panel.window->Display()->Lines().value(1), QString("ABOUT               "));

    // The PLC asks for message 1 and sets its values.
    panel.EditRegister("N7:0", "1");
    panel.EditRegister("N7:10", "57");
    panel.EditRegister("N7:11", "1");
    panel.EditRegister("N7:20", "4321");
    QTRY_COMPARE(panel.Line(0), QString("A 5.7 B004321 C 0.0 "));

    // A momentary key is set while it is held down, and lights its LED.
    QTest::mousePress(panel.Key("F1"), Qt::LeftButton);
    QTRY_COMPARE(panel.window->State().leds.value(0), QString("on"));
    orvane::testing::SavePicture(panel.window, "virtual-panel-2-line");
    QTest::mouseRelease(panel.Key("F1"), Qt::LeftButton);
    QTRY_COMPARE(panel.window->State().leds.value(0), QString("off"));

    // Back to the local messages and into the folder with the keys.
    panel.EditRegister("N7:0", "0");
    QTRY_COMPARE(panel.Line(0), QString("+SETUP              "));
    QTest::mouseClick(panel.Key("ENTER"), Qt::LeftButton);
    QTRY_COMPARE(panel.Line(0), QString("SPEED    0          "));
    QVERIFY(!panel.Key("5")->isVisible());  // the keypad is model 3's
  }

  void ShowsTheFourLineAndTheSetPointPanels() {
    const fs::path dir4 = orvane::testing::MakeTempDir("window-4");
    AttachedPanel four(4, dir4);
    QVERIFY(four.Write(fs::path(ORVANE_TEST_SOURCE_DIR) / "examples" / "single-panel.ovx"));
    QTRY_COMPARE(four.window->State().lines.size(), 4);
    QTRY_COMPARE(four.Line(0), QString("+LEVEL SETPOINTS    "));
    four.EditRegister("N7:0", "2");
    four.EditRegister("N10:0", "1234");
    QTRY_COMPARE(four.Line(0), QString("WET WELL  1234 FT   "));
    orvane::testing::SavePicture(four.window, "virtual-panel-4-line");

    const fs::path dir5 = orvane::testing::MakeTempDir("window-5");
    AttachedPanel setPoint(5, dir5);
    QVERIFY(setPoint.Write(sim::testing::SaveProject(dir5, 5, sim::testing::SetPointPanel())));
    QTRY_COMPARE(setPoint.Line(0), QString("FEED RATE       "));
    setPoint.EditRegister("N7:70", "1234");
    QTRY_COMPARE(setPoint.Line(1), QString("    12.34"));
    QTest::mouseClick(setPoint.Key("ENTER"), Qt::LeftButton);
    QTest::mouseClick(setPoint.Key("UP"), Qt::LeftButton);
    QTRY_COMPARE(setPoint.Line(1), QString("000012.35"));
    orvane::testing::SavePicture(setPoint.window, "virtual-panel-set-point");
    QTest::mouseClick(setPoint.Key("ENTER"), Qt::LeftButton);
    QTRY_COMPARE(setPoint.Line(1), QString("    12.35"));
    QVERIFY(!setPoint.Key("F1")->isVisible());
  }
};

}  // namespace
}  // namespace orvane::panelview

QTEST_MAIN(orvane::panelview::VirtualPanelWindowTest)
#include "VirtualPanelWindowTest.moc"
