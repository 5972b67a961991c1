// The panel operations' own dialogs on the real widgets: "Upgrade firmware"
// driven with the mouse and the keyboard, the panel status dialog, and
// Information asking orvane-panelsim through the main frame and the port
// menu.
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPrinter>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <memory>

#include "app/MainFrame.h"
#include "base/Settings.h"
#include "tests/app/GuiTestSupport.h"
#include "tests/support/PanelSimProcess.h"
#include "tests/support/QtTestHelpers.h"
#include "tests/support/RunProgram.h"
#include "tests/support/ScriptedUserInterface.h"
#include "tests/support/ScriptedViewDialogs.h"
#include "tests/support/TestInstall.h"
#include "view/MainViewModel.h"
#include "view/OrvaneDocument.h"
#include "view/PanelCommands.h"
#include "view/qt/CUpgdeFirmDlg.h"
#include "view/qt/CViewAddressDlg.h"
#include "view/qt/ConfigurationScreen.h"
#include "view/qt/PanelPicture.h"
#include "view/qt/PanelStatusDialog.h"

namespace orvane::testing {
namespace {

namespace fs = std::filesystem;

// What the status dialog showed: its caption, picture and values in order.
struct ShownStatus {
  QString caption;
  int32_t picture = -1;
  QStringList values;
};

// Reads the next status dialog, saves its picture as name and closes it
// with Escape.
void ReadStatusDialog(ShownStatus* shown, const char* name) {
  WhenModal(
      [shown, name](QWidget* dialog) {
        shown->caption = dialog->windowTitle();
        shown->picture = Find<PanelPicture>(dialog, "panelPicture")->Model();
        for (int row = 0;; ++row) {
          auto* value = dialog->findChild<QLabel*>(QStringLiteral("statusValue%1").arg(row));
          if (value == nullptr) {
            break;
          }
          shown->values << value->text();
        }
        SavePicture(dialog, name);
        QTest::keyClick(dialog, Qt::Key_Escape);
      },
      QStringLiteral("panelStatus"));
}

fs::path Example(const char* name, const fs::path& folder) {
  const fs::path copy = folder / name;
  fs::copy_file(fs::path(ORVANE_TEST_SOURCE_DIR) / "examples" / name, copy,
                fs::copy_options::overwrite_existing);
  return copy;
}

// The program started past its splash on an example project of its own,
// with the serial port set when one is given.
struct ExampleOpen {
  explicit ExampleOpen(const std::string& name)
      : install(name),
        folder(MakeTempDir(name)),
        shell(ui, dialogs, TestSettingsPaths(folder, install.Dir())) {}

  bool Open(const char* example, const std::string& port = {}) {
    return shell.StartPastSplash() && (port.empty() || shell.Config().SetPort(port)) &&
           shell.Frame().OpenFile(Example(example, folder)) &&
           shell.Frame().ActiveScreen() != nullptr;
  }
  ConfigurationScreen* Screen() { return shell.Frame().ActiveScreen(); }

  TestInstall install;
  fs::path folder;
  ScriptedUserInterface ui;
  ScriptedViewDialogs dialogs;
  ShellUnderTest shell;
};

}  // namespace

class PanelDialogsInputTest : public QObject {
  Q_OBJECT

 private slots:
  void theFirmwareDialogBrowsesRefusesTheWrongImageAndTakesTheRightOne() {
    const fs::path folder = MakeTempDir("firmware-dialog");
    Settings settings(TestSettingsPaths(folder, folder / "install"));
    // Browse starts in the folder of the last firmware file, which holds
    // both kinds of image.
    const fs::path stored = folder / "last";
    const fs::path& images = stored;
    fs::create_directories(stored);
    settings.SetFirmwarePath(stored.string());
    const fs::path hex = images / "Ov200B2.hex";
    const fs::path srec = images / "mux.hex";
    fs::copy_file(TestDataDir() / "images" / "firmware.hex", hex);
    fs::copy_file(TestDataDir() / "images" / "mux-firmware.srec", srec);
    const QString current = QDir::currentPath();

    QString startedIn;
    QString field;
    QString refusal;
    bool openAfterRefusal = false;
    WhenModal(
        [&](QWidget* dialog) {
          WhenModal(
              [&](QWidget* chooser) {
                startedIn = static_cast<QFileDialog*>(chooser)->directory().absolutePath();
                TypeIntoChooser(chooser, QStringLiteral("mux.hex"));
              },
              QStringLiteral("fileDialog"));
          QTest::mouseClick(Find<QPushButton>(dialog, "browseButton"), Qt::LeftButton);
          auto* path = Find<QLineEdit>(dialog, "firmwarePath");
          field = path->text();
          // The multiplexer's image is no panel firmware: OK says so and
          // the dialog stays.
          QTest::mouseClick(Find<QPushButton>(dialog, "okButton"), Qt::LeftButton);
          refusal = Find<QLabel>(dialog, "firmwareError")->text();
          openAfterRefusal =
              dialog->isVisible() && Find<QLabel>(dialog, "firmwareError")->isVisible();
          SavePicture(dialog, "upgrade-firmware-refused");
          // The user types the right path over the old one; Enter is OK.
          QTest::keyClick(path, Qt::Key_A, Qt::ControlModifier);
          QTest::keyClicks(path, QString::fromStdString(hex.string()));
          QVERIFY(!Find<QLabel>(dialog, "firmwareError")->isVisible());
          QTest::keyClick(path, Qt::Key_Return);
        },
        QStringLiteral("upgradeFirmwareDialog"));
    const std::optional<std::string> chosen =
        ChooseFirmwareImage(nullptr, FirmwareTarget::Panel, settings);

    QCOMPARE(startedIn, QString::fromStdString(stored.string()));
    QCOMPARE(field, QString::fromStdString(srec.string()));
    QVERIFY2(refusal.contains(QStringLiteral("is a multiplexer firmware file")),
             qPrintable(refusal));
    QVERIFY(openAfterRefusal);
    QCOMPARE(chosen, std::optional<std::string>(hex.string()));
    // The chosen file's folder is stored; the current folder stays.
    QCOMPARE(settings.UserValue(settings::kSettingsSection, settings::kFirmwarePath),
             std::optional<std::string>(images.string()));
    QCOMPARE(QDir::currentPath(), current);

    // The multiplexer's dialog takes the S-record image; Escape cancels.
    WhenModal(
        [&](QWidget* dialog) {
          SavePicture(dialog, "upgrade-mux-firmware");
          QTest::keyClick(dialog, Qt::Key_Escape);
        },
        QStringLiteral("upgradeFirmwareDialog"));
    QVERIFY(!ChooseFirmwareImage(nullptr, FirmwareTarget::Multiplexer, settings));
  }

  void theStatusDialogShowsWhatThePanelReported() {
    DeviceStatus status;
    status.model = 4;
    status.modelName = "Ov400";
    status.firmware = "B.3";
    status.memory = "  32 KB";
    ShownStatus shown;
    ReadStatusDialog(&shown, "status-dialog-direct");
    ShowPanelStatus(nullptr, status);
    QCOMPARE(shown.caption, QStringLiteral("Panel Status"));
    QCOMPARE(shown.picture, 4);
    QCOMPARE(shown.values, (QStringList{QStringLiteral("Ov400"), QStringLiteral("B.3"),
                                        QStringLiteral("  32 KB"), QStringLiteral("None")}));
  }

  // Information on a single panel: the frame's Panel menu asks the panel on
  // the stored port and shows its answer.
  void informationShowsTheSimulatedPanel() {
    PanelSimProcess sim({"--model", "4", "--firmware", "C.4"});
    QVERIFY2(sim.Started(), sim.Err().c_str());
    ExampleOpen program("information");
    QVERIFY(program.Open("single-panel.ovx", sim.PortPath()));
    MainFrame& frame = program.shell.Frame();

    ShownStatus shown;
    ReadStatusDialog(&shown, "status-panel");
    QAction* information = Find<QAction>(&frame, "cmd_32778");
    QVERIFY(information->isEnabled());
    information->trigger();
    QCOMPARE(program.ui.MessageTexts(), std::vector<std::string>{});
    QCOMPARE(shown.caption, QStringLiteral("Panel Status"));
    QCOMPARE(shown.picture, 4);
    QCOMPARE(shown.values.value(0), QStringLiteral("Ov400"));
    QCOMPARE(shown.values.value(1), QStringLiteral("C.4"));
    QVERIFY(!QApplication::overrideCursor());
    QVERIFY(!program.Screen()->Document().IsModified());
    sim.Stop();
  }

  // A multi-panel project: Information shows the multiplexer, the port
  // menu's Information the panel behind the selected port; a port the
  // simulator has no panel on is refused with the panel's error.
  void informationShowsTheMultiplexerAndThePanelOnAPort() {
    PanelSimProcess sim({"--multiplexer", "--panel", "2:3", "--panel", "5:2"});
    QVERIFY2(sim.Started(), sim.Err().c_str());
    ExampleOpen program("port-information");
    QVERIFY(program.Open("multi-panel.ovx", sim.PortPath()));
    ConfigurationScreen* screen = program.Screen();

    ShownStatus mux;
    ReadStatusDialog(&mux, "status-multiplexer");
    Find<QAction>(&program.shell.Frame(), "cmd_32778")->trigger();
    QCOMPARE(mux.caption, QStringLiteral("Multiplexer Status"));
    QCOMPARE(mux.picture, 6);
    QCOMPARE(mux.values.value(0), QStringLiteral("Multiplexer"));
    QVERIFY(mux.values.value(2).endsWith(QStringLiteral(" Bytes")));

    screen->Model().SelectPort(2);
    QCOMPARE(screen->Model().CurrentPort(), 2);
    ShownStatus panel;
    ReadStatusDialog(&panel, "status-port-2");
    std::unique_ptr<QMenu> menu = screen->PortMenuFor(2);
    QAction* portInformation = Find<QAction>(menu.get(), "cmd_32816");
    QVERIFY(portInformation->isEnabled());
    portInformation->trigger();
    QCOMPARE(panel.caption, QStringLiteral("Panel Status - Port 2"));
    QCOMPARE(panel.picture, 3);
    QCOMPARE(panel.values.mid(0, 2),
             (QStringList{QStringLiteral("Ov200P/Ov200PV"), QStringLiteral("Port 2")}));

    // Port 4 holds the set point panel in the project, but nothing answers
    // there: the error shows and no status dialog does.
    QVERIFY(screen->Model().SelectPort(4));
    Find<QAction>(screen->PortMenuFor(4).get(), "cmd_32816")->trigger();
    QCOMPARE(program.ui.MessageTexts().size(), size_t{1});
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    sim.Stop();
  }

  // The address database of the panel with passwords, opened with the
  // screen's button: its list and fields, the column widths kept in the
  // profile, and its print as a PDF.
  void theAddressDatabaseListsThePanelsAddressesAndPrints() {
    ExampleOpen program("address-database");
    QVERIFY(program.Open("multi-panel.ovx"));
    ConfigurationScreen* screen = program.Screen();
    screen->Model().SelectPort(2);
    QCOMPARE(screen->Model().CurrentPort(), 2);
    screen->Refresh();
    // A width left last time; the others fit their titles.
    AppSettings().SetColumnWidth(kAddressListSection, 1, 173);

    int rows = 0;
    QStringList first;
    QStringList headings;
    QString count;
    QString localPassword;
    int fitted = 0;
    int stored = 0;
    const fs::path pdf = program.folder / "address-database.pdf";
    WhenModal(
        [&](QWidget* dialog) {
          auto* list = Find<QTableWidget>(dialog, "addressList");
          rows = list->rowCount();
          for (int c = 0; c < list->columnCount(); ++c) {
            headings << list->horizontalHeaderItem(c)->text();
            first << list->item(0, c)->text();
          }
          stored = list->columnWidth(1);
          fitted = list->columnWidth(2);
          count = Find<QLineEdit>(dialog, "ctl_1294")->text();
          localPassword = Find<QLineEdit>(dialog, "systemAddress8")->text();
          SavePicture(dialog, "address-database");
          QPrinter printer(QPrinter::HighResolution);
          printer.setOutputFormat(QPrinter::PdfFormat);
          printer.setOutputFileName(QString::fromStdString(pdf.string()));
          QVERIFY(static_cast<CViewAddressDlg*>(dialog)->PrintOn(printer));
          // The user widens a column and leaves with OK (Enter).
          list->setColumnWidth(3, 140);
          QTest::keyClick(list, Qt::Key_Return);
        },
        QStringLiteral("viewAddressDlg"));
    auto* button = Find<QPushButton>(screen, "ctl_1014");
    QVERIFY(button->isEnabled());
    QTest::mouseClick(button, Qt::LeftButton);

    QCOMPARE(headings, (QStringList{"ITEM No.", "Address", "Used in Message #", "Function",
                                    "Access Type", "Password"}));
    QVERIFY(rows > 5);
    QCOMPARE(first.value(0), QStringLiteral("1"));
    QCOMPARE(first.value(3), QStringLiteral("Data 1"));
    QCOMPARE(localPassword, QStringLiteral("1954"));
    QCOMPARE(count.size(), 3);
    QCOMPARE(stored, 173);
    QVERIFY(fitted >= 100);
    QCOMPARE(AppSettings().ColumnWidth(kAddressListSection, 3), 140);
    QCOMPARE(AppSettings().ColumnWidth(kAddressListSection, 1), 173);
    QVERIFY(!screen->Document().IsModified());

    // The print carries the labels with their values and the list.
    const ProgramResult text = RunProgram("/usr/bin/pdftotext", {"-layout", pdf.string(), "-"});
    QCOMPARE(text.exitStatus, 0);
    for (const char* printed : {"Panel PLC Address Database",
                                "Project Name :",
                                "Project PLC(s)/Controller(s) :",
                                "Line 1 :",
                                "N7:10",
                                "Bit Write(Button's) :",
                                "B3:11",
                                "Bit Read(LED's) :",
                                "B3:10",
                                "Bit Read (Annunciator Lights) :",
                                "B3:12",
                                "PLC Register :",
                                "N21:9",
                                "Local Password :",
                                "1954",
                                "ITEM No.",
                                "Used in Message #",
                                "LOCAL",
                                "PLC",
                                "Page 1 of 1"}) {
      QVERIFY2(text.out.find(printed) != std::string::npos, printed);
    }
    if (const char* dir = std::getenv("ORVANE_SCREENSHOT_DIR"); dir != nullptr && *dir != 0) {
      fs::copy_file(pdf, fs::path(dir) / "address-database.pdf",
                    fs::copy_options::overwrite_existing);
    }
  }
};

}  // namespace orvane::testing

QTEST_MAIN(orvane::testing::PanelDialogsInputTest)
#include "PanelDialogsInputTest.moc"
