// The message editor as a user drives it, with key and mouse events on the
// real program, its dialogs and message boxes: a single panel project with
// two PLC messages, a three-level local tree and all three data items, made
// only in "Message edit" (and the panel's line registers) and saved; then
// written to orvane-panelsim with orvane-cli and verified equal, and its
// message table exported, imported again and found the same project. With
// ORVANE_SCREENSHOT_DIR set, the editor is saved there as pictures.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <cstdlib>

#include "app/MainFrame.h"
#include "project/ProjectFile.h"
#include "project/TOvProject.h"
#include "tests/app/GuiTestSupport.h"
#include "tests/support/PanelSimProcess.h"
#include "tests/support/QtTestHelpers.h"
#include "tests/support/RunProgram.h"
#include "tests/support/ScriptedUserInterface.h"
#include "tests/support/TestInstall.h"
#include "tests/support/TestPaths.h"
#include "view/DocumentBinding.h"
#include "view/OrvaneDocument.h"
#include "view/qt/ConfigurationScreen.h"
#include "view/qt/QtUserInterface.h"
#include "view/qt/QtViewDialogs.h"

namespace orvane::testing {
namespace {

namespace fs = std::filesystem;

void Click(QWidget* dialog, const char* name) {
  QTest::mouseClick(Find<QWidget>(dialog, name), Qt::LeftButton);
}

// A check box toggled with the space bar, as the user tabs to it.
void Toggle(QWidget* dialog, const char* name) {
  QWidget* box = Find<QWidget>(dialog, name);
  box->setFocus();
  QTest::keyClick(box, Qt::Key_Space);
}

void TypeInto(QWidget* dialog, const char* name, const QString& text) {
  QWidget* field = Find<QWidget>(dialog, name);
  QTest::mouseClick(field, Qt::LeftButton);
  QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(field, text);
}

// The message text control: its text replaced by typing, with data item
// keys where the text has "\1", "\2" and "\3".
void TypeMessage(QWidget* dialog, const QString& text) {
  QWidget* edit = Find<QWidget>(dialog, "ctl_1004");
  edit->setFocus();
  QTest::keyClick(edit, Qt::Key_End);
  for (int press = 0; press < 25; ++press) {
    QTest::keyClick(edit, Qt::Key_Backspace);
  }
  for (const QChar c : text) {
    if (c.unicode() >= 1 && c.unicode() <= 3) {
      QTest::keyClick(edit, static_cast<Qt::Key>(Qt::Key_F5 + c.unicode() - 1));
    } else {
      QTest::keyClicks(edit, QString(c));
    }
  }
}

void ClickTreeItem(QWidget* dialog, QTreeWidgetItem* item) {
  auto* tree = Find<QTreeWidget>(dialog, "localTree");
  QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(item).center());
}

void AnswerMessageBox(QString* text) {
  WhenModal(
      [text](QWidget* box) {
        *text = Find<QLabel>(box, "text")->text();
        QTest::keyClick(box, Qt::Key_Return);
      },
      QStringLiteral("messageBox"));
}

}  // namespace

class MessageEditorInputTest : public QObject {
  Q_OBJECT

 private:
  void MakeProject(MainFrame& frame, const fs::path& file, QString* refusal) {
    TypeIntoFileChooser(QString::fromStdString(file.string()));
    frame.activateWindow();
    QTest::keyClick(&frame, Qt::Key_N, Qt::ControlModifier);
    ConfigurationScreen* screen = frame.ActiveScreen();
    QVERIFY(screen != nullptr);

    WhenModal(
        [](QWidget* dialog) {
          TypeInto(dialog, "lineOne", QStringLiteral("N7:20"));
          TypeInto(dialog, "lineTwo", QStringLiteral("N7:21"));
          Click(dialog, "okButton");
        },
        QStringLiteral("dlg_150"));
    Click(screen, "ctl_1338");

    WhenModal(
        [refusal](QWidget* dialog) {
          // PLC message 1: all three data items, item 1 with a decimal
          // point from a register and leading zeros.
          Click(dialog, "ctl_1369");
          TypeMessage(dialog, QStringLiteral("TANK \1\1\1\1 \2\2\2 \3\3"));
          Toggle(dialog, "ctl_1194");
          TypeInto(dialog, "ctl_1184", QStringLiteral("n7:1"));
          TypeInto(dialog, "ctl_1192", QStringLiteral("N7:2"));
          Toggle(dialog, "ctl_1537");
          TypeInto(dialog, "ctl_1193", QStringLiteral("N7:3"));
          auto* type2 = Find<QComboBox>(dialog, "ctl_1112");
          type2->setFocus();
          QTest::keyClick(type2, Qt::Key_Down);  // Binary/Int 16
          TypeInto(dialog, "ctl_1199", QStringLiteral("N7:4"));
          SavePicture(dialog, "message-editor-item-fields");
          Click(dialog, "ctl_1248");
          // PLC message 2, accepted with Enter; number 1 is taken.
          Click(dialog, "ctl_1369");
          TypeMessage(dialog, QStringLiteral("PUMP ON"));
          TypeInto(dialog, "ctl_1250", QStringLiteral("1"));
          AnswerMessageBox(refusal);
          Click(dialog, "ctl_1248");
          TypeMessage(dialog, QStringLiteral("PUMP ON"));
          QTest::keyClick(Find<QWidget>(dialog, "ctl_1004"), Qt::Key_Return);

          // The tree: SETUP > LEVELS > LOW (with item 3), and READY on top.
          auto* tree = Find<QTreeWidget>(dialog, "localTree");
          ClickTreeItem(dialog, tree->topLevelItem(0));
          Click(dialog, "ctl_1367");
          TypeMessage(dialog, QStringLiteral("SETUP"));
          QTest::keyClick(Find<QWidget>(dialog, "ctl_1004"), Qt::Key_Return);
          Click(dialog, "ctl_1367");
          TypeMessage(dialog, QStringLiteral("LEVELS"));
          QTest::keyClick(Find<QWidget>(dialog, "ctl_1004"), Qt::Key_Return);
          Click(dialog, "ctl_1368");
          TypeMessage(dialog, QStringLiteral("LOW \3\3\3"));
          TypeInto(dialog, "ctl_1199", QStringLiteral("N7:5"));
          QTest::keyClick(Find<QWidget>(dialog, "ctl_1199"), Qt::Key_Return);
          ClickTreeItem(dialog, tree->topLevelItem(0));
          Click(dialog, "ctl_1368");
          TypeMessage(dialog, QStringLiteral("READY"));
          QTest::keyClick(Find<QWidget>(dialog, "ctl_1004"), Qt::Key_Return);
          auto* list = Find<QListWidget>(dialog, "plcList");
          QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                            list->visualItemRect(list->item(0)).center());
          SavePicture(dialog, "message-editor");
          Click(dialog, "okButton");
        },
        QStringLiteral("dlg_144"));
    Click(screen, "ctl_1004");
    QVERIFY(screen->Document().IsModified());
    frame.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&frame));
    QTest::keyClick(&frame, Qt::Key_S, Qt::ControlModifier);
    QVERIFY(!screen->Document().IsModified());
  }

 private slots:
  void aProjectMadeInTheMessageEditorVerifiesOnAPanelAndRoundTripsAsCsv() {
    TestInstall install("message-editor-desktop");
    const fs::path folder = MakeTempDir("message-editor-run");
    QtUserInterface ui;
    QtViewDialogs dialogs(ui);
    ShellUnderTest shell(ui, dialogs, TestSettingsPaths(folder, install.Dir()));
    shell.Config().SetWindow(WindowPlacement{false, 40, 30, 1100, 820});
    QVERIFY(shell.StartPastSplash());
    MainFrame& frame = shell.Frame();
    ui.SetMainWindow(&frame);
    frame.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&frame));

    const fs::path file = folder / "messages.ovx";
    QString refusal;
    MakeProject(frame, file, &refusal);
    if (QTest::currentTestFailed()) {
      return;
    }
    QCOMPARE(refusal, QStringLiteral("Error M002:  Invalid message number or this message "
                                     "number has already been configured"));

    // What the editor stored, as the file holds it.
    ScriptedUserInterface quiet;
    DriverCatalog catalog(install.Dir() / "dll");
    catalog.ScanDrivers();
    TOvProject project;
    QVERIFY(LoadProjectFile(file, project, quiet, CatalogLookup(catalog)));
    const TOvPanel& panel = project.panels.at(0);
    QCOMPARE(panel.messages.size(), size_t{6});
    const TOvMessage& tank = panel.messages[0];
    QCOMPARE(tank.number, 1);
    QCOMPARE(tank.text, std::string("TANK \xFF\xFF\xFF\xFF\xFC \xFE\xFE\xFE \xFD\xFD"));
    QCOMPARE(tank.item1.addressText, std::string("N7:1"));
    QVERIFY(tank.item1.variableDecimalPoint);
    QCOMPARE(tank.item1.decimalPointRegister.addressText, std::string("N7:2"));
    QVERIFY(tank.leadingZeros[0]);
    QCOMPARE(tank.item2.dataType, kDataTypeBinary16);
    QCOMPARE(tank.item3.addressText, std::string("N7:4"));
    QCOMPARE(panel.messages[1].number, 2);
    const int16_t depths[] = {0, 1, 2, 0};
    const int32_t folders[] = {1, 1, 0, 0};
    for (size_t i = 0; i < 4; ++i) {
      const TOvMessage& local = panel.messages[2 + i];
      QCOMPARE(local.number, 256 - static_cast<int32_t>(i));
      QCOMPARE(local.depth, depths[i]);
      QCOMPARE(local.isFolder, folders[i]);
    }
    QCOMPARE(panel.messages[4].item3.addressText, std::string("N7:5"));
    QCOMPARE(panel.firstMessageNumber, 3);

    // Written to a simulated panel and verified equal (the staged install
    // holds the panel-side driver images).
    const std::string testInstall = std::getenv("ORVANE_INSTALL_DIR");
    ::setenv("ORVANE_INSTALL_DIR", ORVANE_TEST_INSTALL_DIR, 1);
    std::string said;
    bool verified = false;
    {
      PanelSimProcess sim({"--model", "1"});
      QVERIFY2(sim.Started(), sim.Err().c_str());
      const fs::path traces = MakeTempDir("message-editor-traces");
      const auto panelCommand = [&](const char* command) {
        return RunCli({"panel", command, file.string(), "--port", sim.PortPath(), "--trace-dir",
                       traces.string(), "--quiet"});
      };
      const ProgramResult write = panelCommand("write");
      const ProgramResult verify = panelCommand("verify");
      said = write.err + verify.err + verify.out;
      verified =
          write.exitStatus == 0 && verify.exitStatus == 0 &&
          verify.err.find("Project file on PC is same as the \nproject loaded in the panel") !=
              std::string::npos;
    }
    // The message table out and back in: the same project.
    const fs::path csv = folder / "messages.csv";
    const fs::path back = folder / "messages-back.ovx";
    const ProgramResult exported =
        RunCli({"project", "messages", "export", file.string(), "-o", csv.string()});
    const ProgramResult imported = RunCli({"project", "messages", "import", file.string(), "--from",
                                           csv.string(), "-o", back.string()});
    const ProgramResult same = RunCli({"project", "diff", file.string(), back.string()});
    ::setenv("ORVANE_INSTALL_DIR", testInstall.c_str(), 1);
    QVERIFY2(verified, said.c_str());
    QVERIFY2(exported.exitStatus == 0, exported.err.c_str());
    QVERIFY2(imported.exitStatus == 0, imported.err.c_str());
    QVERIFY2(same.exitStatus == 0, (same.out + same.err).c_str());
  }
};

}  // namespace orvane::testing

QTEST_MAIN(orvane::testing::MessageEditorInputTest)
#include "MessageEditorInputTest.moc"
