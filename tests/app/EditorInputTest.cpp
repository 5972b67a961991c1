// The setup editors as a user drives them, with key and mouse events on the
// real program, its dialogs and message boxes: a model 3 project with its
// keys, LEDs, annunciator and system addresses, and a set point project,
// each made on the configuration screen and saved; then each is written to
// orvane-panelsim with orvane-cli and verified equal. With
// ORVANE_SCREENSHOT_DIR set, the dialogs are saved there as pictures.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <cstdlib>

#include "app/MainFrame.h"
#include "app/WelcomeView.h"
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

// Types into a field as the user does: a click into it, everything there
// selected, the new text typed over it.
void TypeInto(QWidget* dialog, const char* name, const QString& text) {
  QWidget* field = Find<QWidget>(dialog, name);
  if (auto* combo = qobject_cast<QComboBox*>(field); combo != nullptr && combo->isEditable()) {
    field = combo->lineEdit();
  }
  QTest::mouseClick(field, Qt::LeftButton);
  QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(field, text);
}

// Moves a combo's choice with the arrow keys.
void ChooseByKeys(QWidget* dialog, const char* name, int downPresses) {
  auto* combo = Find<QComboBox>(dialog, name);
  combo->setFocus();
  for (int i = 0; i < downPresses; ++i) {
    QTest::keyClick(combo, Qt::Key_Down);
  }
}

void Click(QWidget* dialog, const char* name) {
  QTest::mouseClick(Find<QWidget>(dialog, name), Qt::LeftButton);
}

// The next message box is read and closed with Enter.
void AnswerMessageBox(QString* text) {
  WhenModal(
      [text](QWidget* box) {
        *text = Find<QLabel>(box, "text")->text();
        QTest::keyClick(box, Qt::Key_Return);
      },
      QStringLiteral("messageBox"));
}

// orvane-cli writes the file to a simulated panel of the model and verifies
// it; the CLI's output of both, for the failure message.
bool WriteAndVerify(const fs::path& file, const char* model, std::string* said) {
  PanelSimProcess sim({"--model", model});
  if (!sim.Started()) {
    *said = sim.Err();
    return false;
  }
  const fs::path traces = MakeTempDir("editor-traces");
  const auto panel = [&](const char* command) {
    return RunCli({"panel", command, file.string(), "--port", sim.PortPath(), "--trace-dir",
                   traces.string(), "--quiet"});
  };
  const ProgramResult write = panel("write");
  const ProgramResult verify = panel("verify");
  *said = write.err + verify.err + verify.out;
  return write.exitStatus == 0 && verify.exitStatus == 0 &&
         verify.err.find("Project file on PC is same as the \nproject loaded in the panel") !=
             std::string::npos;
}

}  // namespace

class EditorInputTest : public QObject {
  Q_OBJECT

 private:
  // File New through the chooser; the screen of the new project.
  ConfigurationScreen* NewProject(MainFrame& frame, const fs::path& file) {
    TypeIntoFileChooser(QString::fromStdString(file.string()));
    frame.activateWindow();
    QTest::keyClick(&frame, Qt::Key_N, Qt::ControlModifier);
    return frame.ActiveScreen();
  }

  void Save(MainFrame& frame) {
    frame.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&frame));
    QTest::keyClick(&frame, Qt::Key_S, Qt::ControlModifier);
  }

  void MakeModelThreeProject(MainFrame& frame, const fs::path& file) {
    ConfigurationScreen* screen = NewProject(frame, file);
    QVERIFY(screen != nullptr);
    PickModelByKeys(2);  // Ov200P/Ov200PV
    Click(screen, "ctl_1009");
    QCOMPARE(screen->Model().CurrentModel(), kModelOv200P);

    // Buttons / LEDs: F1 alternate, LED 2 by the PLC, both words; a bit
    // address is refused in a message box and the field keeps the focus.
    QString refusal;
    bool refusedFocus = false;
    WhenModal(
        [&](QWidget* dialog) {
          ChooseByKeys(dialog, "ctl_1038", 1);
          ChooseByKeys(dialog, "ctl_1044", 2);
          TypeInto(dialog, "ctl_1048", QStringLiteral("N7:10"));
          TypeInto(dialog, "ctl_1050", QStringLiteral("N7:11/2"));
          SavePicture(dialog, "editor-buttons-leds");
          AnswerMessageBox(&refusal);
          Click(dialog, "okButton");
          // The dialog takes the focus back once the box has gone.
          QWidget* buttonWord = Find<QWidget>(dialog, "ctl_1050");
          refusedFocus = dialog->isVisible() && QTest::qWaitFor([buttonWord] {
                           return QApplication::focusWidget() == buttonWord;
                         });
          TypeInto(dialog, "ctl_1050", QStringLiteral("N7:11"));
          Click(dialog, "okButton");
        },
        QStringLiteral("dlg_143"));
    Click(screen, "ctl_1227");
    QCOMPARE(refusal, QStringLiteral("Error Z007: Discrete addresses are not allowed here."));
    QVERIFY(refusedFocus);

    // Annunciator Setup: the word, accepted with Enter.
    WhenModal(
        [](QWidget* dialog) {
          TypeInto(dialog, "ctl_1028", QStringLiteral("N7:12"));
          SavePicture(dialog, "editor-annunciator");
          QTest::keyClick(Find<QWidget>(dialog, "ctl_1028"), Qt::Key_Return);
        },
        QStringLiteral("dlg_141"));
    Click(screen, "ctl_1226");

    // Panel System PLC Address Setup.
    WhenModal(
        [](QWidget* dialog) {
          TypeInto(dialog, "lineOne", QStringLiteral("N7:20"));
          TypeInto(dialog, "lineTwo", QStringLiteral("N7:21"));
          ChooseByKeys(dialog, "lineTwoType", 1);  // Binary/Int 16
          TypeInto(dialog, "localPassword", QStringLiteral("4321"));
          TypeInto(dialog, "passwordRegister", QStringLiteral("N7:22"));
          Click(dialog, "beeper");
          SavePicture(dialog, "editor-system-addresses");
          Click(dialog, "okButton");
        },
        QStringLiteral("dlg_150"));
    Click(screen, "ctl_1338");
    QVERIFY(screen->Document().IsModified());
    SavePicture(&frame, "editor-model-3-screen");
    Save(frame);
    QVERIFY(!screen->Document().IsModified());
  }

  void MakeSetPointProject(MainFrame& frame, const fs::path& file) {
    ConfigurationScreen* screen = NewProject(frame, file);
    QVERIFY(screen != nullptr);
    PickModelByKeys(4);  // OvSP
    Click(screen, "ctl_1009");
    QCOMPARE(screen->Model().CurrentModel(), kModelOvSP);

    QString refusal;
    WhenModal(
        [&](QWidget* dialog) {
          // Entry 1: typed number, Enter selects, the text has the focus.
          TypeInto(dialog, "ctl_1038", QStringLiteral("1"));
          QTest::keyClick(Find<QComboBox>(dialog, "ctl_1038")->lineEdit(), Qt::Key_Return);
          TypeInto(dialog, "ctl_1004", QStringLiteral("TANK LEVEL"));
          TypeInto(dialog, "ctl_1070", QStringLiteral("5000"));
          TypeInto(dialog, "ctl_1083", QStringLiteral("N7:30"));
          Click(dialog, "ctl_1411");
          // Entry 2: BCD 32 with a decimal point from a register.
          TypeInto(dialog, "ctl_1038", QStringLiteral("2"));
          Click(dialog, "ctl_1410");
          TypeInto(dialog, "ctl_1004", QStringLiteral("FLOW"));
          ChooseByKeys(dialog, "ctl_1092", 1);
          TypeInto(dialog, "ctl_1070", QStringLiteral("99999"));
          ChooseByKeys(dialog, "ctl_1091", 8);  // Variable
          TypeInto(dialog, "ctl_1083", QStringLiteral("N7:31"));
          TypeInto(dialog, "ctl_1084", QStringLiteral("N7:32"));
          Click(dialog, "ctl_1411");
          // Number 257 is refused.
          TypeInto(dialog, "ctl_1038", QStringLiteral("257"));
          AnswerMessageBox(&refusal);
          Click(dialog, "ctl_1410");
          // The message selection address, and no beeper.
          Click(dialog, "ctl_1416");
          TypeInto(dialog, "ctl_1086", QStringLiteral("N7:33"));
          Click(dialog, "ctl_1499");
          SavePicture(dialog, "editor-set-point");
          Click(dialog, "ctl_1476");
        },
        QStringLiteral("dlg_148"));
    Click(screen, "ctl_1004");
    QCOMPARE(refusal, QStringLiteral("Error M004: Invalid Message Number"));
    QVERIFY(screen->Document().IsModified());
    Save(frame);
  }

 private slots:
  void aModelThreeAndASetPointProjectAreMadeInTheEditorsAndVerifyOnAPanel() {
    TestInstall install("editors-desktop");
    const fs::path folder = MakeTempDir("editors-run");
    QtUserInterface ui;
    QtViewDialogs dialogs(ui);
    ShellUnderTest shell(ui, dialogs, TestSettingsPaths(folder, install.Dir()));
    shell.Config().SetWindow(WindowPlacement{false, 40, 30, 940, 690});
    QVERIFY(shell.StartPastSplash());
    MainFrame& frame = shell.Frame();
    ui.SetMainWindow(&frame);
    frame.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&frame));

    const fs::path model3 = folder / "model3.ovx";
    const fs::path setPoint = folder / "setpoint.ovx";
    MakeModelThreeProject(frame, model3);
    if (QTest::currentTestFailed()) {
      return;
    }
    MakeSetPointProject(frame, setPoint);
    if (QTest::currentTestFailed()) {
      return;
    }

    // What the dialogs stored, as the files hold it.
    ScriptedUserInterface quiet;
    DriverCatalog catalog(install.Dir() / "dll");
    catalog.ScanDrivers();
    TOvProject three;
    QVERIFY(LoadProjectFile(model3, three, quiet, CatalogLookup(catalog)));
    const TOvPanel& panel = three.panels.at(0);
    QCOMPARE(panel.keysLeds.buttonAction[0], 1);
    QCOMPARE(panel.keysLeds.ledMode[1], 2);
    QCOMPARE(panel.keysLeds.ledWord.addressText, std::string("N7:10"));
    QCOMPARE(panel.keysLeds.buttonWord.addressText, std::string("N7:11"));
    QCOMPARE(panel.annunciatorWord.addressText, std::string("N7:12"));
    QCOMPARE(panel.lineRegisters[1].addressText, std::string("N7:21"));
    QCOMPARE(panel.lineRegisters[1].dataType, kDataTypeBinary16);
    QCOMPARE(panel.localPassword, 4321u);
    QCOMPARE(panel.passwordRegister.addressText, std::string("N7:22"));
    QVERIFY(!panel.beeperEnabled);
    TOvProject sp;
    QVERIFY(LoadProjectFile(setPoint, sp, quiet, CatalogLookup(catalog)));
    const TOvPanel& spPanel = sp.panels.at(0);
    QCOMPARE(spPanel.messages.size(), size_t{2});
    QCOMPARE(spPanel.messages[0].text, std::string("TANK LEVEL"));
    QCOMPARE(spPanel.messages[0].item1.maximum, 5000u);
    QCOMPARE(spPanel.messages[1].item1.dataType, kDataTypeBcd32);
    QVERIFY(spPanel.messages[1].item1.variableDecimalPoint);
    QCOMPARE(spPanel.messages[1].item1.decimalPointRegister.addressText, std::string("N7:32"));
    QCOMPARE(spPanel.lineRegisters[0].addressText, std::string("N7:33"));
    QCOMPARE(spPanel.firstMessageNumber, 1);
    QVERIFY(!spPanel.beeperEnabled);

    // A text panel is written only with a local message; this test is
    // about the setup editors (message_editor_input_tests makes messages in
    // the message editor), so the model 3 file gets one here.
    TOvMessage local(&three.panels[0]);
    local.number = 256;
    local.text = "READY";
    three.panels[0].AddMessage(local);
    three.panels[0].firstMessageNumber = 1;  // as the message editor keeps it: no PLC message
    const fs::path model3Written = folder / "model3-with-message.ovx";
    QVERIFY(SaveProjectFile(three, model3Written, quiet));

    // The staged install holds the panel-side driver images (the test's
    // own install has none).
    const std::string testInstall = std::getenv("ORVANE_INSTALL_DIR");
    ::setenv("ORVANE_INSTALL_DIR", ORVANE_TEST_INSTALL_DIR, 1);
    std::string said;
    const bool threeVerified = WriteAndVerify(model3Written, "3", &said);
    const std::string threeSaid = said;
    const bool setPointVerified = WriteAndVerify(setPoint, "5", &said);
    ::setenv("ORVANE_INSTALL_DIR", testInstall.c_str(), 1);
    QVERIFY2(threeVerified, threeSaid.c_str());
    QVERIFY2(setPointVerified, said.c_str());
  }
};

}  // namespace orvane::testing

QTEST_MAIN(orvane::testing::EditorInputTest)
#include "EditorInputTest.moc"
