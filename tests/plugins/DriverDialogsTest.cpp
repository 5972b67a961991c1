// The attribute dialogs of the drivers built on the shared layout dialog,
// driven through LaunchObject as the desktop program drives them, on Qt's
// offscreen platform: what each shows for its default file, and the bytes
// OK writes after edits. With ORVANE_DIALOG_SCREENSHOTS set to a folder
// each dialog is also saved there as a picture, to be looked at.
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "base/SharedLibrary.h"
#include "corvel/CorvelExports.h"
#include "plchost/PlcContract.h"
#include "tests/plugins/DialogDriving.h"
#include "tests/support/TestPaths.h"

namespace {

using Bytes = std::vector<unsigned char>;
using orvane::testing::DialogChild;
using orvane::testing::ListItems;
using orvane::testing::PressButton;

struct ListShown {
  const char* name;
  QStringList items;
  QString current;
  bool enabled = true;
};

struct TextShown {
  const char* name;
  QString text;
};

/// A list's new index or a field's new text.
using EditValue = std::variant<int, QString>;

struct DialogCase {
  const char* driver;
  int applicationType;
  QString title;
  QString revision;
  std::vector<ListShown> lists;
  std::vector<TextShown> numbers;
  std::vector<TextShown> notes;
  QStringList groups;
  std::vector<std::pair<const char*, EditValue>> edits;
  std::vector<std::pair<size_t, unsigned char>> written;  // offset, byte after OK
};

const QStringList kBaudType2 = {"2400", "4800", "9600", "19200"};
const QStringList kBaudAll = {"1200", "2400", "4800", "9600", "19200", "38400"};
const QStringList kNoYes = {"No", "Yes"};
const QString kModeSwitch =
    "If the DirectLogic PLC  you are using has a mode switch it\nmust remain in the TERM position.";

std::vector<DialogCase> Cases() {
  const auto fullDuplex = [](const char* driver, const char* title) {
    return DialogCase{driver,
                      2,
                      title,
                      "C",
                      {{"baudRate", kBaudType2, "19200"},
                       {"parity", {"None", "Even"}, "Even"},
                       {"stopBits", {"One", "Two"}, "One"},
                       {"transmit", {"RS 232"}, "RS 232", false},
                       {"checksumType", {"BCC", "CRC"}, "BCC"}},
                      {{"timeOutTime", "30"}, {"pollTime", "0"}},
                      {},
                      {},
                      {{"baudRate", 0},
                       {"parity", 0},
                       {"stopBits", 1},
                       {"checksumType", 1},
                       {"timeOutTime", QString("255")},
                       {"pollTime", QString("7")}},
                      {{34, 1}, {35, 0}, {36, 1}, {38, 1}, {39, 255}, {40, 7}}};
  };
  const QStringList parities = {"None", "Odd", "Even"};
  const QString dcm = "(Note: DCM Modules do not support 38.4K baud rate).";
  // The two Modbus drivers' record, as their dialogs show its defaults.
  const auto modbusLists = [&](const QStringList& bauds) {
    return std::vector<ListShown>{{"baudRate", bauds, "9600"},
                                  {"protocol", {"RTU"}, "RTU"},
                                  {"parity", parities, "Even"},
                                  {"stopBits", {"One", "Two"}, "One"},
                                  {"selectRs485", kNoYes, "No"},
                                  {"controlRts", kNoYes, "No"},
                                  {"requireCts", kNoYes, "No"},
                                  {"registersPerMessage", {"4", "16", "32", "64"}, "64"},
                                  {"coilsPerMessage", {"8", "16", "32", "64"}, "64"}};
  };
  const std::vector<TextShown> modbusNumbers = {
      {"defaultPlcSlaveNo", "1"}, {"timeOutTime", "30"}, {"pollTime", "0"}};
  const auto fallon = [&](int type, const QStringList& bauds, const QString& note) {
    return DialogCase{"Fallon",
                      type,
                      "Modbus (Koyo Addressing)",
                      "C",
                      modbusLists(bauds),
                      modbusNumbers,
                      {{"dcmNote", note}, {"modeSwitchNote", kModeSwitch}},
                      {},
                      {{"defaultPlcSlaveNo", QString("247")},
                       {"baudRate", static_cast<int>(bauds.size()) - 1},
                       {"parity", 1},
                       {"stopBits", 1},
                       {"registersPerMessage", 0},
                       {"coilsPerMessage", 1}},
                      {{34, 247}, {35, type == 1 ? 5 : 4}, {36, 1}, {37, 1}, {41, 0}, {42, 1}}};
  };
  return {
      fullDuplex("Merrow", "Allen Bradley MicroLogix DF1 (Full Duplex)"),
      fullDuplex("Harlow", "Allen Bradley SLC 500 (Full Duplex)"),
      {"Calden",
       2,
       "DirectLogic DirectNet (Except 330/340)",
       "D",
       {{"baudRate", kBaudType2, "9600"},
        {"parity", parities, "Odd"},
        {"selectRs485", kNoYes, "No"},
        {"controlRts", kNoYes, "No"},
        {"requireCts", kNoYes, "No"}},
       {{"dataTimeout", "20"}},
       {{"modeSwitchNote", kModeSwitch}},
       {},
       {{"baudRate", 0},
        {"parity", 2},
        {"selectRs485", 1},
        {"controlRts", 1},
        {"requireCts", 1},
        {"dataTimeout", QString("0")}},
       {{34, 1}, {35, 2}, {36, 1}, {37, 1}, {38, 1}, {39, 0}}},
      {"Dunmore",
       2,
       "DirectLogic DirectNet 330/340",
       "C",
       {{"baudRate", kBaudType2, "19200"},
        {"parity", {"None", "Odd"}, "None"},
        {"wiring", {"RS232", "RS422", "RS485"}, "RS232"},
        {"controlRts", kNoYes, "No"},
        {"requireCts", kNoYes, "No"}},
       {{"dataTimeout", "40"}},
       {{"modeSwitchNote", kModeSwitch}},
       {},
       {{"parity", 1}, {"wiring", 2}, {"dataTimeout", QString("1")}},
       {{35, 1}, {36, 2}, {39, 1}}},
      // The line settings only show, and stay as stored.
      {"Pellam",
       2,
       "Mitsubishi Melsec FX Series",
       "C",
       {{"baudRate", kBaudType2, "9600", false},
        {"parity", parities, "Even", false},
        {"stopBits", {"One", "Two"}, "One", false},
        {"dataBits", {"Seven", "Eight"}, "Seven", false}},
       {{"timeOutTime", "30"}, {"pollTime", "0"}},
       {},
       {},
       {{"parity", 0}, {"timeOutTime", QString("1")}, {"pollTime", QString("255")}},
       {{43, 1}, {44, 255}}},
      {"Tandry",
       2,
       "Think & Do Attributes",
       "D",
       modbusLists(kBaudType2),
       modbusNumbers,
       {{"winplcNote",
         "Note:\nThe WINPLC serial port must be configured for Modbus Slave and be in the "
         "RUN\nmode in order for a panel to communicate with it."}},
       {"Communications Parameters", "Other Parameters"},
       {{"selectRs485", 1}, {"controlRts", 1}, {"requireCts", 1}, {"pollTime", QString("12")}},
       {{38, 1}, {39, 1}, {40, 1}, {44, 12}}},
      // The baud rate warning shows only while 38400 is offered.
      fallon(2, kBaudType2, ""),
      fallon(1, kBaudAll, dcm),
  };
}

}  // namespace

class DriverDialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void cleanupTestCase();

  void showsTheDefaultFile_data();
  void showsTheDefaultFile();
  void okWritesTheEditsAndTheyShowAgain_data();
  void okWritesTheEditsAndTheyShowAgain();

 private:
  void AddCaseRows();
  const DialogCase& CurrentCase();
  /// Loads the case's driver, writes its default file and sets its type.
  void Prepare(const DialogCase& c);
  bool Launch(const std::function<void(QDialog&)>& action);

  static int Receive(const char* text, unsigned, unsigned, void* context) {
    static_cast<DriverDialogsTest*>(context)->messages_ << QString::fromLatin1(text);
    return CORVEL_IDOK;
  }

  std::vector<DialogCase> cases_ = Cases();
  orvane::SharedLibrary corvel_;
  orvane::SharedLibrary driver_;
  CorvelSetMessageSinkFn setSink_ = nullptr;
  std::filesystem::path dir_;
  std::string path_;
  Bytes defaults_;
  QStringList messages_;
};

void DriverDialogsTest::initTestCase() {
  QVERIFY(corvel_.Open((orvane::testing::StagedInstallDir() / "libcorvel.so").string()));
  setSink_ = corvel_.Function<CorvelSetMessageSinkFn>(CORVEL_SYM_SET_MESSAGE_SINK);
  QVERIFY(setSink_ != nullptr);
  setSink_(&Receive, this);
  dir_ = orvane::testing::MakeTempDir("driver-dialogs");
  path_ = (dir_ / "temp.atr").string();
}

void DriverDialogsTest::cleanupTestCase() {
  driver_.Close();
  setSink_(nullptr, nullptr);
}

void DriverDialogsTest::AddCaseRows() {
  QTest::addColumn<int>("index");
  for (size_t i = 0; i < cases_.size(); ++i) {
    const DialogCase& c = cases_[i];
    const std::string name = std::string(c.driver) + " type " + std::to_string(c.applicationType);
    QTest::newRow(name.c_str()) << static_cast<int>(i);
  }
}

const DialogCase& DriverDialogsTest::CurrentCase() {
  QFETCH(int, index);
  return cases_[static_cast<size_t>(index)];
}

void DriverDialogsTest::Prepare(const DialogCase& c) {
  driver_.Close();
  const auto path = orvane::testing::StagedInstallDir() / "dll" / (std::string(c.driver) + ".so");
  QVERIFY2(driver_.Open(path.string()), driver_.Error().c_str());
  driver_.Function<PlcSetApplicationTypeFn>(PLC_SYM_SET_APP_TYPE)(c.applicationType);
  QVERIFY(driver_.Function<PlcPathFn>(PLC_SYM_CREATE_DEFAULT_ATR)(path_.c_str()));
  defaults_ = orvane::testing::ReadBytes(path_);
  messages_.clear();
}

bool DriverDialogsTest::Launch(const std::function<void(QDialog&)>& action) {
  return orvane::testing::LaunchDialog(driver_.Function<PlcPathFn>(PLC_SYM_LAUNCH), path_, action);
}

void DriverDialogsTest::showsTheDefaultFile_data() {
  AddCaseRows();
}

void DriverDialogsTest::showsTheDefaultFile() {
  const DialogCase& c = CurrentCase();
  Prepare(c);
  QVERIFY(Launch([&c](QDialog& dialog) {
    QCOMPARE(dialog.windowTitle(), c.title);
    QCOMPARE(DialogChild<QLabel>(dialog, "revision")->text(), c.revision);
    for (const ListShown& list : c.lists) {
      auto* box = DialogChild<QComboBox>(dialog, list.name);
      QCOMPARE(ListItems(box), list.items);
      QCOMPARE(box->currentText(), list.current);
      QCOMPARE(box->isEnabled(), list.enabled);
    }
    for (const TextShown& number : c.numbers) {
      QCOMPARE(DialogChild<QLineEdit>(dialog, number.name)->text(), number.text);
    }
    for (const TextShown& note : c.notes) {
      QCOMPARE(DialogChild<QLabel>(dialog, note.name)->text(), note.text);
    }
    QStringList groups;
    for (const QGroupBox* group : dialog.findChildren<QGroupBox*>()) {
      groups << group->title();
    }
    QCOMPARE(groups, c.groups);
    if (const char* folder = std::getenv("ORVANE_DIALOG_SCREENSHOTS")) {
      dialog.adjustSize();
      dialog.grab().save(QString("%1/%2-type%3.png").arg(folder, c.driver).arg(c.applicationType));
    }
    PressButton(dialog, QDialogButtonBox::Cancel);
  }));
  QCOMPARE(orvane::testing::ReadBytes(path_), defaults_);
  QVERIFY(messages_.isEmpty());
}

void DriverDialogsTest::okWritesTheEditsAndTheyShowAgain_data() {
  AddCaseRows();
}

void DriverDialogsTest::okWritesTheEditsAndTheyShowAgain() {
  const DialogCase& c = CurrentCase();
  Prepare(c);
  QMap<QString, QString> shown;
  QVERIFY(Launch([&c, &shown](QDialog& dialog) {
    for (const auto& [name, value] : c.edits) {
      if (const int* index = std::get_if<int>(&value)) {
        auto* box = DialogChild<QComboBox>(dialog, name);
        // A disabled list keeps what is stored, whatever it shows.
        const QString stored = box->currentText();
        box->setCurrentIndex(*index);
        shown[name] = box->isEnabled() ? box->currentText() : stored;
      } else {
        DialogChild<QLineEdit>(dialog, name)->setText(std::get<QString>(value));
        shown[name] = std::get<QString>(value);
      }
    }
    PressButton(dialog, QDialogButtonBox::Ok);
  }));
  Bytes expected = defaults_;
  for (const auto& [offset, byte] : c.written) {
    expected.at(offset) = byte;
  }
  QCOMPARE(orvane::testing::ReadBytes(path_), expected);
  QVERIFY(messages_.isEmpty());

  QVERIFY(Launch([&c, &shown](QDialog& dialog) {
    for (const auto& [name, value] : c.edits) {
      if (std::holds_alternative<int>(value)) {
        QCOMPARE(DialogChild<QComboBox>(dialog, name)->currentText(), shown[name]);
      } else {
        QCOMPARE(DialogChild<QLineEdit>(dialog, name)->text(), shown[name]);
      }
    }
    PressButton(dialog, QDialogButtonBox::Cancel);
  }));
}

QTEST_MAIN(DriverDialogsTest)
#include "DriverDialogsTest.moc"
