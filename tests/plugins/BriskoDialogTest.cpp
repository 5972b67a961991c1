// Brisko's attribute dialog, driven through LaunchObject as the desktop
// program drives it, on Qt's offscreen platform.
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "base/SharedLibrary.h"
#include "corvel/CorvelExports.h"
#include "plchost/PlcContract.h"
#include "tests/plugins/DialogDriving.h"
#include "tests/support/TestPaths.h"

namespace {

using Bytes = std::vector<unsigned char>;
using orvane::testing::ReadBytes;
using orvane::testing::WriteBytes;

const Bytes kDefaults = {1, 4, 0, 0, 0, 0, 0, 0, 0,  0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,  0, 0,
                         0, 0, 0, 0, 0, 0, 0, 0, 15, 0, 0, 1, 1, 4, 0, 0, 1, 0, 0, 0, 0, 30, 0};

}  // namespace

class BriskoDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void cleanupTestCase();
  void init();

  void showsTheStoredAttributes();
  void aLinkByteOutsideTheListShowsNo();
  void okWritesTheEditedBytes();
  void cancelLeavesTheFileAndReturnsTrue();
  void outOfRangeNumberKeepsTheDialogOpen();
  void foreignFileIsReplacedBeforeTheDialogOpens();
  void shortFileIsReportedAndShowsDefaults();
  void failedWriteIsReportedAndTheDialogCloses();

 private:
  // Runs action on the dialog once LaunchObject has it open, then launches.
  bool Launch(const std::function<void(QDialog&)>& action);
  template <typename T>
  static T* Child(QDialog& dialog, const char* name) {
    return orvane::testing::DialogChild<T>(dialog, name);
  }
  static void Press(QDialog& dialog, QDialogButtonBox::StandardButton button) {
    orvane::testing::PressButton(dialog, button);
  }
  static QStringList Items(QComboBox* list) { return orvane::testing::ListItems(list); }
  static int Receive(const char* text, unsigned, unsigned, void* context) {
    static_cast<BriskoDialogTest*>(context)->messages_ << QString::fromLatin1(text);
    return CORVEL_IDOK;
  }

  orvane::SharedLibrary corvel_;
  orvane::SharedLibrary brisko_;
  CorvelSetMessageSinkFn setSink_ = nullptr;
  PlcPathFn launch_ = nullptr;
  std::filesystem::path dir_;
  std::string path_;
  QStringList messages_;
  bool dialogSeen_ = false;
};

void BriskoDialogTest::initTestCase() {
  const auto install = orvane::testing::StagedInstallDir();
  QVERIFY(corvel_.Open((install / "libcorvel.so").string()));
  setSink_ = corvel_.Function<CorvelSetMessageSinkFn>(CORVEL_SYM_SET_MESSAGE_SINK);
  QVERIFY(setSink_ != nullptr);
  setSink_(&Receive, this);
  QVERIFY2(brisko_.Open((install / "dll" / "Brisko.so").string()), brisko_.Error().c_str());
  launch_ = brisko_.Function<PlcPathFn>(PLC_SYM_LAUNCH);
  QVERIFY(launch_ != nullptr);
  dir_ = orvane::testing::MakeTempDir("brisko-dialog");
}

void BriskoDialogTest::cleanupTestCase() {
  brisko_.Close();
  setSink_(nullptr, nullptr);
}

void BriskoDialogTest::init() {
  std::filesystem::create_directories(dir_);
  path_ = (dir_ / "temp.atr").string();
  WriteBytes(path_, kDefaults);
  messages_.clear();
  dialogSeen_ = false;
  brisko_.Function<PlcSetApplicationTypeFn>(PLC_SYM_SET_APP_TYPE)(2);
}

bool BriskoDialogTest::Launch(const std::function<void(QDialog&)>& action) {
  return orvane::testing::LaunchDialog(launch_, path_, [this, &action](QDialog& dialog) {
    dialogSeen_ = true;
    action(dialog);
  });
}

void BriskoDialogTest::showsTheStoredAttributes() {
  Bytes stored = kDefaults;
  stored[35] = 3;   // default PLC address
  stored[36] = 4;   // station
  stored[37] = 2;   // 4800 baud
  stored[38] = 1;   // odd parity: not offered, shows as none
  stored[39] = 1;   // two stop bits
  stored[41] = 1;   // CRC
  stored[42] = 1;   // RS 485
  stored[43] = 1;   // control RTS
  stored[45] = 99;  // time-out
  stored[46] = 5;   // poll time
  WriteBytes(path_, stored);
  QVERIFY(Launch([](QDialog& dialog) {
    QCOMPARE(dialog.windowTitle(), QString("Allen Bradley SLC 500 Attributes"));
    QCOMPARE(Child<QLabel>(dialog, "revision")->text(), QString("C"));
    auto* baud = Child<QComboBox>(dialog, "baudRate");
    QCOMPARE(Items(baud), QStringList({"2400", "4800", "9600", "19200"}));
    QCOMPARE(baud->currentText(), QString("4800"));
    QCOMPARE(Items(Child<QComboBox>(dialog, "parity")), QStringList({"None", "Even"}));
    QCOMPARE(Child<QComboBox>(dialog, "parity")->currentText(), QString("None"));
    QCOMPARE(Child<QComboBox>(dialog, "stopBits")->currentText(), QString("Two"));
    QCOMPARE(Child<QComboBox>(dialog, "checksumType")->currentText(), QString("CRC"));
    QCOMPARE(Child<QComboBox>(dialog, "selectRs485")->currentText(), QString("Yes"));
    auto* rts = Child<QComboBox>(dialog, "controlRts");
    QCOMPARE(rts->currentText(), QString("Yes"));
    QVERIFY(!rts->isVisibleTo(&dialog));
    QVERIFY(!Child<QComboBox>(dialog, "requireCts")->isVisibleTo(&dialog));
    QCOMPARE(Child<QLineEdit>(dialog, "defaultPlcAddress")->text(), QString("3"));
    QCOMPARE(Child<QLineEdit>(dialog, "stationNumber")->text(), QString("4"));
    QCOMPARE(Child<QLineEdit>(dialog, "timeOutTime")->text(), QString("99"));
    QCOMPARE(Child<QLineEdit>(dialog, "pollTime")->text(), QString("5"));
    Press(dialog, QDialogButtonBox::Cancel);
  }));
  QVERIFY(dialogSeen_);
}

void BriskoDialogTest::aLinkByteOutsideTheListShowsNo() {
  Bytes stored = kDefaults;
  stored[42] = 2;  // RS 422/485 by another program: neither "No" nor "Yes"
  WriteBytes(path_, stored);
  QVERIFY(Launch([](QDialog& dialog) {
    QCOMPARE(Child<QComboBox>(dialog, "selectRs485")->currentText(), QString("No"));
    Press(dialog, QDialogButtonBox::Ok);
  }));
  // What the list showed is what is stored.
  QCOMPARE(ReadBytes(path_), kDefaults);
}

void BriskoDialogTest::okWritesTheEditedBytes() {
  Bytes stored = kDefaults;
  stored[34] = 0x5A;  // reserved: kept as read
  stored[43] = 1;     // control RTS: cleared through this dialog
  stored[44] = 1;     // require CTS: cleared too
  WriteBytes(path_, stored);
  brisko_.Function<PlcSetApplicationTypeFn>(PLC_SYM_SET_APP_TYPE)(0);
  QVERIFY(Launch([](QDialog& dialog) {
    auto* baud = Child<QComboBox>(dialog, "baudRate");
    QCOMPARE(baud->count(), 6);
    baud->setCurrentIndex(baud->findText("38400"));
    Child<QComboBox>(dialog, "parity")->setCurrentIndex(1);
    Child<QComboBox>(dialog, "stopBits")->setCurrentIndex(1);
    Child<QComboBox>(dialog, "checksumType")->setCurrentIndex(1);
    Child<QComboBox>(dialog, "selectRs485")->setCurrentIndex(1);
    Child<QLineEdit>(dialog, "defaultPlcAddress")->setText("0");
    Child<QLineEdit>(dialog, "stationNumber")->setText("31");
    Child<QLineEdit>(dialog, "timeOutTime")->setText("255");
    Child<QLineEdit>(dialog, "pollTime")->setText("0");
    Press(dialog, QDialogButtonBox::Ok);
  }));
  Bytes expected = kDefaults;
  expected[34] = 0x5A;
  expected[35] = 0;
  expected[36] = 31;
  expected[37] = 5;
  expected[38] = 2;
  expected[39] = 1;
  expected[41] = 1;
  expected[42] = 1;
  expected[45] = 255;
  expected[46] = 0;
  QCOMPARE(ReadBytes(path_), expected);
  QVERIFY(messages_.isEmpty());
}

void BriskoDialogTest::cancelLeavesTheFileAndReturnsTrue() {
  QVERIFY(Launch([](QDialog& dialog) {
    Child<QLineEdit>(dialog, "stationNumber")->setText("9");
    Child<QComboBox>(dialog, "parity")->setCurrentIndex(1);
    Press(dialog, QDialogButtonBox::Cancel);
  }));
  QVERIFY(dialogSeen_);
  QCOMPARE(ReadBytes(path_), kDefaults);
}

void BriskoDialogTest::outOfRangeNumberKeepsTheDialogOpen() {
  QVERIFY(Launch([this](QDialog& dialog) {
    auto* station = Child<QLineEdit>(dialog, "stationNumber");
    auto* timeOut = Child<QLineEdit>(dialog, "timeOutTime");
    station->setText("40");
    Press(dialog, QDialogButtonBox::Ok);
    QVERIFY(dialog.isVisible());
    QCOMPARE(station->selectedText(), QString("40"));
    station->setText("31");
    timeOut->setText("0");
    Press(dialog, QDialogButtonBox::Ok);
    QVERIFY(dialog.isVisible());
    timeOut->setText("x");
    Press(dialog, QDialogButtonBox::Ok);
    QVERIFY(dialog.isVisible());
    QCOMPARE(messages_, QStringList({"Please enter an integer between 0 and 31.",
                                     "Please enter an integer between 1 and 255.",
                                     "Please enter an integer."}));
    QCOMPARE(ReadBytes(path_), kDefaults);
    timeOut->setText("1");
    Press(dialog, QDialogButtonBox::Ok);
  }));
  Bytes expected = kDefaults;
  expected[36] = 31;
  expected[45] = 1;
  QCOMPARE(ReadBytes(path_), expected);
}

void BriskoDialogTest::foreignFileIsReplacedBeforeTheDialogOpens() {
  WriteBytes(path_, {31, 1, 0, 0, 0, 0, 0, 0, 0, 0, 9, 9, 9});
  QVERIFY(Launch([this](QDialog& dialog) {
    QCOMPARE(ReadBytes(path_), kDefaults);
    QCOMPARE(Child<QComboBox>(dialog, "baudRate")->currentText(), QString("19200"));
    QCOMPARE(Child<QLineEdit>(dialog, "timeOutTime")->text(), QString("30"));
    Press(dialog, QDialogButtonBox::Cancel);
  }));
  QCOMPARE(ReadBytes(path_), kDefaults);
  QVERIFY(messages_.isEmpty());
}

void BriskoDialogTest::shortFileIsReportedAndShowsDefaults() {
  const Bytes truncated = {1, 4, 0, 0, 0, 0, 0, 0, 0, 0};
  WriteBytes(path_, truncated);
  QVERIFY(Launch([this](QDialog& dialog) {
    QCOMPARE(messages_, QStringList({"Error M02_5:  Unable to open PLC attributes file (*.atr)."}));
    QCOMPARE(Child<QLineEdit>(dialog, "stationNumber")->text(), QString("1"));
    Press(dialog, QDialogButtonBox::Cancel);
  }));
  QCOMPARE(ReadBytes(path_), truncated);
  QVERIFY(Launch([](QDialog& dialog) { Press(dialog, QDialogButtonBox::Ok); }));
  QCOMPARE(ReadBytes(path_), kDefaults);
}

void BriskoDialogTest::failedWriteIsReportedAndTheDialogCloses() {
  QVERIFY(Launch([this](QDialog& dialog) {
    std::filesystem::remove_all(dir_);
    Press(dialog, QDialogButtonBox::Ok);
  }));
  QCOMPARE(messages_, QStringList({"Unable to save the attributes"}));
}

QTEST_MAIN(BriskoDialogTest)
#include "BriskoDialogTest.moc"
