// The setup editors' dialogs on the offscreen platform with scripted
// answers: what only a widget can get wrong. Fields enabled by the model,
// each refusal keeping the dialog open with the focus on its field, Cancel
// putting the panel back, the lamp labels, the set point fields' enabling
// and the "Orvane-SP" clipboard; one edit made with key and mouse events.
// With ORVANE_SCREENSHOT_DIR set, each dialog is saved there as a picture.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <cstdlib>
#include <functional>

#include "base/Settings.h"
#include "tests/support/QtTestHelpers.h"
#include "tests/view/EditorTestSupport.h"
#include "view/qt/CAnnunciatorDlg.h"
#include "view/qt/CLedDlg.h"
#include "view/qt/CMsgGeneralDlg.h"
#include "view/qt/CSPConfigDlg.h"

namespace orvane::testing {
namespace {

using Texts = std::vector<std::string>;

// Shows a dialog modelessly as the active window, so that focus moves as
// it would for the user.
bool ShowActive(QDialog& dialog) {
  dialog.show();
  dialog.activateWindow();
  return QTest::qWaitForWindowActive(&dialog);
}

void SetText(QWidget* dialog, const QString& name, const QString& text) {
  Find<QLineEdit>(dialog, name)->setText(text);
}

// Presses OK and tells what became of the dialog: the messages shown and
// the object name of the widget with the focus ("" when the dialog closed).
struct OkOutcome {
  Texts messages;
  QString focus;
};
OkOutcome PressOk(QDialog& dialog, ScriptedUserInterface& ui,
                  const QString& button = QStringLiteral("okButton")) {
  ui.Clear();
  QTest::mouseClick(Find<QPushButton>(&dialog, button), Qt::LeftButton);
  OkOutcome outcome{ui.MessageTexts(), {}};
  if (dialog.isVisible()) {
    QWidget* focus = QApplication::focusWidget();
    // A combo's edit has the focus on the combo's behalf.
    while (focus != nullptr && focus->objectName().isEmpty()) {
      focus = focus->parentWidget();
    }
    outcome.focus = focus != nullptr ? focus->objectName() : QStringLiteral("?");
  }
  return outcome;
}

}  // namespace

class SetupDialogsTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<EditorWorld> world_;
  ScriptedUserInterface& Ui() { return world_->Ui(); }

 private slots:
  void init() {
    world_ = std::make_unique<EditorWorld>("setup-dialogs");
    QApplication::clipboard()->clear();
  }
  void cleanup() { world_.reset(); }

  void systemAddressesEnableByModelAndKeepTheFocusOnARefusedField() {
    TOvProject one = world_->Project(kModelOv200);
    {
      CMsgGeneralDlg dialog(one, one.panels[0], Ui());
      QVERIFY(ShowActive(dialog));
      for (const char* name :
           {"localPassword", "passwordRegister", "passwordType", "lineThree", "lineFourType"}) {
        QVERIFY2(!Find<QWidget>(&dialog, QString::fromUtf8(name))->isEnabled(), name);
      }
      QVERIFY(Find<QWidget>(&dialog, QStringLiteral("lineTwo"))->isEnabled());
      SavePicture(&dialog, "dlg-150-model-1");
    }

    TOvProject three = world_->Project(kModelOv200P);
    CMsgGeneralDlg dialog(three, three.panels[0], Ui());
    QVERIFY(ShowActive(dialog));
    QVERIFY(Find<QWidget>(&dialog, QStringLiteral("localPassword"))->isEnabled());
    QVERIFY(Find<QWidget>(&dialog, QStringLiteral("passwordRegister"))->isEnabled());
    QVERIFY(!Find<QWidget>(&dialog, QStringLiteral("lineThree"))->isEnabled());
    SetText(&dialog, QStringLiteral("lineOne"), QStringLiteral("N7:1"));
    SetText(&dialog, QStringLiteral("lineTwo"), QStringLiteral("N7:2/1"));
    SetText(&dialog, QStringLiteral("localPassword"), QStringLiteral("77"));
    SetText(&dialog, QStringLiteral("passwordRegister"), QStringLiteral("I1:0/2"));
    Find<QCheckBox>(&dialog, QStringLiteral("beeper"))->setChecked(false);
    SavePicture(&dialog, "dlg-150-model-3");

    // An invalid Line Two keeps the dialog open with the focus there, its
    // text selected; then the password register.
    OkOutcome outcome = PressOk(dialog, Ui());
    QCOMPARE(outcome.messages, Texts{"Error Z007: Discrete addresses are not allowed here."});
    QCOMPARE(outcome.focus, QStringLiteral("lineTwo"));
    QCOMPARE(Find<QLineEdit>(&dialog, QStringLiteral("lineTwo"))->selectedText(),
             QStringLiteral("N7:2/1"));
    QCOMPARE(three.panels[0].lineRegisters[0].addressText, std::string());
    SetText(&dialog, QStringLiteral("lineTwo"), QStringLiteral("n7:2"));
    outcome = PressOk(dialog, Ui());
    QCOMPARE(outcome.focus, QStringLiteral("passwordRegister"));
    SetText(&dialog, QStringLiteral("passwordRegister"), QStringLiteral("N7:3"));
    Find<QComboBox>(&dialog, QStringLiteral("passwordType"))->setCurrentIndex(1);
    outcome = PressOk(dialog, Ui());
    QCOMPARE(outcome.messages, Texts{});
    QCOMPARE(outcome.focus, QString());
    const TOvPanel& panel = three.panels[0];
    QCOMPARE(panel.lineRegisters[1].addressText, std::string("N7:2"));
    QCOMPARE(panel.localPassword, 77u);
    QCOMPARE(panel.passwordRegister.dataType, kDataTypeBinary16);
    QVERIFY(!panel.beeperEnabled);
    TOvProject loaded = world_->SaveAndReload(three);
    QCOMPARE(PanelText(loaded), PanelText(three));
  }

  void keysAndLedsCancelPutsTheActionsBackAndOkChecksTheWordsInOrder() {
    TOvProject project = world_->Project(kModelOv200P);
    TOvPanel& panel = project.panels[0];
    {
      CPLCLedDlg dialog(project, panel, Ui());
      QVERIFY(ShowActive(dialog));
      SavePicture(&dialog, "dlg-143");
      Find<QComboBox>(&dialog, QStringLiteral("ctl_1038"))->setCurrentIndex(kButtonAlternate);
      QCOMPARE(panel.keysLeds.buttonAction[0], kButtonAlternate);  // at once
      QTest::mouseClick(Find<QPushButton>(&dialog, QStringLiteral("cancelButton")), Qt::LeftButton);
      QVERIFY(!dialog.isVisible());
      QCOMPARE(panel.keysLeds.buttonAction[0], kButtonMomentary);
    }
    CPLCLedDlg dialog(project, panel, Ui());
    QVERIFY(ShowActive(dialog));
    Find<QComboBox>(&dialog, QStringLiteral("ctl_1045"))->setCurrentIndex(kLedByPlc);
    SetText(&dialog, QStringLiteral("ctl_1048"), QStringLiteral("N7:1/1"));
    SetText(&dialog, QStringLiteral("ctl_1050"), QStringLiteral("I1:0"));
    OkOutcome outcome = PressOk(dialog, Ui());
    QCOMPARE(outcome.messages, Texts{"Error Z007: Discrete addresses are not allowed here."});
    QCOMPARE(outcome.focus, QStringLiteral("ctl_1048"));
    SetText(&dialog, QStringLiteral("ctl_1048"), QStringLiteral("I1:0"));
    outcome = PressOk(dialog, Ui());
    QCOMPARE(outcome.messages, Texts{"Error T002: Invalid Access Type"});
    QCOMPARE(outcome.focus, QStringLiteral("ctl_1050"));
    SetText(&dialog, QStringLiteral("ctl_1050"), QStringLiteral("N7:4"));
    outcome = PressOk(dialog, Ui());
    QCOMPARE(outcome.focus, QString());
    QCOMPARE(panel.keysLeds.ledMode[2], kLedByPlc);
    QCOMPARE(panel.keysLeds.buttonWord.addressText, std::string("N7:4"));
  }

  void annunciatorLabelsAndWord() {
    TOvProject project = world_->Project(kModelOv200P);
    CPLCAnnunciatorDlg dialog(project, project.panels[0], Ui());
    QVERIFY(ShowActive(dialog));
    SavePicture(&dialog, "dlg-141");
    QCOMPARE(Find<QLabel>(&dialog, QStringLiteral("lamp2State0"))->text(),
             QStringLiteral("\nBIT2 = 0\nBIT3 = 0"));
    QCOMPARE(Find<QLabel>(&dialog, QStringLiteral("lamp2State3"))->text(),
             QStringLiteral("\nBIT2 = 1\nBIT3 = 1"));
    QCOMPARE(Find<QLabel>(&dialog, QStringLiteral("lamp3State1"))->text(),
             QStringLiteral("\nBIT4 = 1\nBIT5 = 0"));
    SetText(&dialog, QStringLiteral("ctl_1028"), QStringLiteral("N7:7/7"));
    OkOutcome outcome = PressOk(dialog, Ui());
    QCOMPARE(outcome.focus, QStringLiteral("ctl_1028"));
    SetText(&dialog, QStringLiteral("ctl_1028"), QStringLiteral("N7:7"));
    QCOMPARE(PressOk(dialog, Ui()).focus, QString());
    QCOMPARE(project.panels[0].annunciatorWord.addressText, std::string("N7:7"));
  }

  void thinkAndDoFieldsAreTagNameCombos() {
    TOvProject project = world_->TagMapProject(kModelOv200P);
    project.panels[0].keysLeds.ledWord.tagName = "PUMP";
    project.panels[0].keysLeds.ledWord.addressText = "C10,5,10,x";
    CTNDLedDlg dialog(project, project.panels[0], Ui());
    QVERIFY(ShowActive(dialog));
    auto* led = Find<QComboBox>(&dialog, QStringLiteral("ctl_1048"));
    auto* button = Find<QComboBox>(&dialog, QStringLiteral("ctl_1050"));
    QCOMPARE(led->count(), 4);
    QCOMPARE(led->itemText(0), QString());
    QCOMPARE(led->itemText(1), QStringLiteral("LEVEL"));
    QCOMPARE(led->currentText(), QStringLiteral("PUMP"));
    button->setCurrentIndex(button->findText(QStringLiteral("TANK")));
    led->setCurrentIndex(0);  // the empty entry clears the address
    SavePicture(&dialog, "dlg-251");
    QCOMPARE(PressOk(dialog, Ui()).focus, QString());
    QCOMPARE(project.panels[0].keysLeds.ledWord.addressText, std::string());
    QCOMPARE(project.panels[0].keysLeds.buttonWord.tagName, std::string("TANK"));
    QCOMPARE(project.panels[0].keysLeds.buttonWord.addressText, std::string("N7,7,5,x"));

    TOvProject general = world_->TagMapProject(kModelOv200P);
    CTNDGeneralDlg generalDialog(general, general.panels[0], Ui());
    QVERIFY(ShowActive(generalDialog));
    SavePicture(&generalDialog, "dlg-150-think-and-do");
    TOvProject annunciator = world_->TagMapProject(kModelOv200P);
    CTNDAnnunciatorDlg annunciatorDialog(annunciator, annunciator.panels[0], Ui());
    QVERIFY(ShowActive(annunciatorDialog));
    SavePicture(&annunciatorDialog, "dlg-248");
    TOvProject setPoint = world_->TagMapProject(kModelOvSP);
    CTNDSPConfigDlg setPointDialog(setPoint, setPoint.panels[0], Ui());
    QVERIFY(ShowActive(setPointDialog));
    QVERIFY(Find<QComboBox>(&setPointDialog, QStringLiteral("ctl_1083")) != nullptr);
    SavePicture(&setPointDialog, "dlg-254");
  }

  void setPointRefusalsKeepTheFocusOnTheirField() {
    TOvProject project = world_->Project(kModelOvSP);
    CSPConfigDlg dialog(project, project.panels[0], Ui());
    QVERIFY(ShowActive(dialog));
    auto* number = Find<QComboBox>(&dialog, QStringLiteral("ctl_1038"));
    auto* minimum = Find<QLineEdit>(&dialog, QStringLiteral("ctl_1069"));
    auto* maximum = Find<QLineEdit>(&dialog, QStringLiteral("ctl_1070"));
    auto* display = Find<QComboBox>(&dialog, QStringLiteral("ctl_1093"));
    auto* decimal = Find<QComboBox>(&dialog, QStringLiteral("ctl_1091"));
    auto* decimalAddress = Find<QLineEdit>(&dialog, QStringLiteral("ctl_1084"));
    QCOMPARE(maximum->text(), QStringLiteral("9999"));
    // "Read only" disables Min and Max; only "Variable" enables 1084.
    QVERIFY(minimum->isEnabled() && maximum->isEnabled());
    display->setCurrentIndex(set_point::kReadOnly);
    QVERIFY(!minimum->isEnabled() && !maximum->isEnabled());
    display->setCurrentIndex(set_point::kReadWrite);
    QVERIFY(!decimalAddress->isEnabled());
    decimal->setCurrentIndex(set_point::kVariableDecimalPoint);
    QVERIFY(decimalAddress->isEnabled());
    decimal->setCurrentIndex(0);
    QVERIFY(!Find<QWidget>(&dialog, QStringLiteral("ctl_1086"))->isEnabled());

    const QString accept = QStringLiteral("ctl_1411");
    for (const char* bad : {"0", "257"}) {
      number->setEditText(QString::fromUtf8(bad));
      const OkOutcome outcome = PressOk(dialog, Ui(), accept);
      QCOMPARE(outcome.messages, Texts{"Error M004: Invalid Message Number"});
      QCOMPARE(outcome.focus, QStringLiteral("ctl_1038"));
    }
    number->setEditText(QStringLiteral("257"));
    Ui().Clear();
    QTest::mouseClick(Find<QPushButton>(&dialog, QStringLiteral("ctl_1410")), Qt::LeftButton);
    QCOMPARE(Ui().MessageTexts(), Texts{"Error M004: Invalid Message Number"});
    number->setEditText(QStringLiteral("12"));
    SetText(&dialog, QStringLiteral("ctl_1004"), QStringLiteral("FLOW RATE"));
    SetText(&dialog, QStringLiteral("ctl_1070"), QStringLiteral("10000"));
    OkOutcome outcome = PressOk(dialog, Ui(), accept);
    QCOMPARE(outcome.messages, Texts{"Please enter a number between 0 and 9999"});
    QCOMPARE(outcome.focus, QStringLiteral("ctl_1070"));
    SetText(&dialog, QStringLiteral("ctl_1070"), QStringLiteral("5000"));
    SetText(&dialog, QStringLiteral("ctl_1083"), QStringLiteral("N7:1/1"));
    QCOMPARE(PressOk(dialog, Ui(), accept).focus, QStringLiteral("ctl_1083"));
    SetText(&dialog, QStringLiteral("ctl_1083"), QStringLiteral("N7:12"));
    decimal->setCurrentIndex(set_point::kVariableDecimalPoint);
    SetText(&dialog, QStringLiteral("ctl_1084"), QStringLiteral("I1:1"));
    QCOMPARE(PressOk(dialog, Ui(), accept).focus, QStringLiteral("ctl_1084"));
    SetText(&dialog, QStringLiteral("ctl_1084"), QStringLiteral("N7:13"));
    outcome = PressOk(dialog, Ui(), accept);
    QCOMPARE(outcome.messages, Texts{});
    auto* list = Find<QTableView>(&dialog, QStringLiteral("entryList"));
    QCOMPARE(list->model()->rowCount(), 1);
    QCOMPARE(list->model()->index(0, 0).data().toString(), QStringLiteral("012"));
    QCOMPARE(list->model()->headerData(5, Qt::Horizontal).toString(),
             QStringLiteral("Variable Dec Point PLC Address"));
    QCOMPARE(Find<QLabel>(&dialog, QStringLiteral("entryTotal"))->text(), QStringLiteral("1"));

    // The selection address is looked at on OK.
    Find<QCheckBox>(&dialog, QStringLiteral("ctl_1416"))->setChecked(true);
    QVERIFY(Find<QWidget>(&dialog, QStringLiteral("ctl_1086"))->isEnabled());
    SetText(&dialog, QStringLiteral("ctl_1086"), QStringLiteral("N7:5/5"));
    SavePicture(&dialog, "dlg-148");
    QCOMPARE(PressOk(dialog, Ui(), QStringLiteral("ctl_1476")).focus, QStringLiteral("ctl_1086"));
    SetText(&dialog, QStringLiteral("ctl_1086"), QStringLiteral("N7:5"));
    QCOMPARE(PressOk(dialog, Ui(), QStringLiteral("ctl_1476")).focus, QString());
    QCOMPARE(project.panels[0].messages.size(), size_t{1});
    QCOMPARE(project.panels[0].lineRegisters[0].addressText, std::string("N7:5"));
    QCOMPARE(AppSettings().ColumnWidth(set_point::kColumnSection, 3), list->columnWidth(3));
  }

  void aCopiedSetPointEntryPastesIntoAnotherProjectThroughTheClipboard() {
    TOvProject source = world_->Project(kModelOvSP);
    TOvMessage entry(&source.panels[0]);
    entry.number = 40;
    entry.text = "PRESSURE";
    entry.isPlcMessage = 1;
    entry.setPointValue = true;
    entry.item1.addressText = "N7:40";
    source.panels[0].messages.push_back(entry);
    {
      CSPConfigDlg dialog(source, source.panels[0], Ui());
      QVERIFY(ShowActive(dialog));
      std::unique_ptr<QMenu> menu = dialog.ListMenu();
      QVERIFY(!Find<QAction>(menu.get(), QStringLiteral("cmd_32809"))->isEnabled());
      QVERIFY(!Find<QAction>(menu.get(), QStringLiteral("cmd_32810"))->isEnabled());
      Find<QTableView>(&dialog, QStringLiteral("entryList"))->selectRow(0);
      menu = dialog.ListMenu();
      Find<QAction>(menu.get(), QStringLiteral("cmd_32809"))->trigger();
    }
    const QMimeData* data = QApplication::clipboard()->mimeData();
    QVERIFY(data->hasFormat(QStringLiteral("Orvane-SP")));
    QVERIFY(data->data(QStringLiteral("Orvane-SP")).endsWith(QByteArray("\n\0", 2)));

    TOvProject target = world_->Project(kModelOvSP);
    CSPConfigDlg dialog(target, target.panels[0], Ui());
    QVERIFY(ShowActive(dialog));
    std::unique_ptr<QMenu> menu = dialog.ListMenu();
    QVERIFY(!Find<QAction>(menu.get(), QStringLiteral("cmd_32808"))->isEnabled());
    QAction* paste = Find<QAction>(menu.get(), QStringLiteral("cmd_32810"));
    QVERIFY(paste->isEnabled());
    paste->trigger();
    QTest::mouseClick(Find<QPushButton>(&dialog, QStringLiteral("ctl_1476")), Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(target.panels[0].messages.size(), size_t{1});
    const TOvMessage& pasted = target.panels[0].messages[0];
    QCOMPARE(pasted.number, 1);
    QCOMPARE(pasted.text, std::string("PRESSURE"));
    QCOMPARE(pasted.item1.addressText, std::string("N7:40"));
    QCOMPARE(target.panels[0].firstMessageNumber, 1);
  }

  void aSetPointEntryIsMadeWithKeysAndMouse() {
    TOvProject project = world_->Project(kModelOvSP);
    CSPConfigDlg dialog(project, project.panels[0], Ui());
    QVERIFY(ShowActive(dialog));
    auto* number = Find<QComboBox>(&dialog, QStringLiteral("ctl_1038"));
    QCOMPARE(QApplication::focusWidget(), number);
    QTest::keyClicks(number->lineEdit(), QStringLiteral("0071"));  // three characters at most
    QCOMPARE(number->currentText(), QStringLiteral("007"));
    QTest::keyClick(number->lineEdit(), Qt::Key_Return);  // Select
    // The text has the focus; Tab walks the fields in order.
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("TANK 1"));
    QCOMPARE(Find<QLineEdit>(&dialog, QStringLiteral("ctl_1004"))->text(),
             QStringLiteral("TANK 1"));
    auto* display = Find<QComboBox>(&dialog, QStringLiteral("ctl_1093"));
    display->setFocus();
    QTest::keyClick(display, Qt::Key_Down);
    QCOMPARE(display->currentIndex(), set_point::kReadOnly);
    QVERIFY(!Find<QLineEdit>(&dialog, QStringLiteral("ctl_1069"))->isEnabled());
    auto* address = Find<QLineEdit>(&dialog, QStringLiteral("ctl_1083"));
    QTest::mouseClick(address, Qt::LeftButton);
    QTest::keyClicks(address, QStringLiteral("i1:3"));
    QTest::mouseClick(Find<QPushButton>(&dialog, QStringLiteral("ctl_1411")), Qt::LeftButton);
    QCOMPARE(Ui().MessageTexts(), Texts{});
    QCOMPARE(address->text(), QStringLiteral("I1:3"));  // as the driver spells it
    QTest::mouseClick(Find<QPushButton>(&dialog, QStringLiteral("ctl_1476")), Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(project.panels[0].messages.size(), size_t{1});
    QCOMPARE(project.panels[0].messages[0].number, 7);
    QCOMPARE(project.panels[0].messages[0].item1.accessType, kAccessReadOnly);
    QVERIFY(project.changed);
  }
};

}  // namespace orvane::testing

QTEST_MAIN(orvane::testing::SetupDialogsTest)
#include "SetupDialogsTest.moc"
