// The panel operations of a configuration screen as the user runs them: the
// progress dialog (198) with its port, Start, check list, caption and
// Cancel, the message boxes of the Qt user interface, and the in-process
// simulated devices behind the serial port. Write, Read, Verify, Clear
// Memory and both firmware upgrades, a port without a device, the
// incomplete-data dialog, and Cancel during a write and while the worker
// waits for the user. With ORVANE_SCREENSHOT_DIR set, the dialog's stages
// are saved there as pictures.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>

#include "base/InstallDir.h"
#include "base/Settings.h"
#include "link/SerialPort.h"
#include "plchost/DriverCatalog.h"
#include "project/ProjectFile.h"
#include "sim/InProcessSimulator.h"
#include "sim/StandInFiles.h"
#include "tests/app/GuiTestSupport.h"
#include "tests/support/QtTestHelpers.h"
#include "tests/support/TestPaths.h"
#include "transfer/ManualResetEvent.h"
#include "transfer/TransferClock.h"
#include "view/DocumentBinding.h"
#include "view/OrvaneDocument.h"
#include "view/qt/CCommProgDlg.h"
#include "view/qt/ConfigurationScreen.h"
#include "view/qt/QtUserInterface.h"
#include "view/qt/QtViewDialogs.h"

namespace orvane::testing {
namespace {

namespace fs = std::filesystem;

// Waits for nothing: the firmware upgrades' pauses pass at once.
class NoWaitClock final : public TransferClock {
 public:
  void Wait_ms(uint32_t) override {}
};

// A port of the simulated line, except that the port named missing has no
// device behind it.
class LinePort final : public SerialPort {
 public:
  LinePort(std::unique_ptr<SerialPort> line, std::string missing)
      : line_(std::move(line)), missing_(std::move(missing)) {}
  bool Open(const std::string& name) override {
    failed_ = name == missing_;
    return !failed_ && line_->Open(name);
  }
  int OpenError() const override { return failed_ ? ENOENT : line_->OpenError(); }
  bool IsOpen() const override { return line_->IsOpen(); }
  bool GetTimeouts(PortTimeouts& timeouts) override { return line_->GetTimeouts(timeouts); }
  bool SetTimeouts(const PortTimeouts& timeouts) override { return line_->SetTimeouts(timeouts); }
  bool GetLineSettings(LineSettings& settings) override { return line_->GetLineSettings(settings); }
  bool SetLineSettings(const LineSettings& settings) override {
    return line_->SetLineSettings(settings);
  }
  int ReadByte() override { return line_->ReadByte(); }
  bool Write(std::span<const uint8_t> bytes) override { return line_->Write(bytes); }
  void Close() override { line_->Close(); }

 private:
  std::unique_ptr<SerialPort> line_;
  std::string missing_;
  bool failed_ = false;
};

// Holds the worker at the first command with the code until released, so
// that the user can act while a write is under way.
class GatedDevice final : public sim::SimulatedDevice {
 public:
  GatedDevice(std::unique_ptr<sim::SimulatedDevice> inner, uint8_t code)
      : inner_(std::move(inner)), code_(code) {}
  ~GatedDevice() override { release.Set(); }
  std::optional<sim::Bytes> Answer(std::span<const uint8_t> frame) override {
    if (frame.size() > 4 && frame[4] == code_ && !reached.IsSet()) {
      reached.Set();
      release.Wait();
    }
    return inner_->Answer(frame);
  }
  int DefaultBaudRate() const override { return inner_->DefaultBaudRate(); }

  ManualResetEvent reached;
  ManualResetEvent release;

 private:
  std::unique_ptr<sim::SimulatedDevice> inner_;
  uint8_t code_;
};

// Answers every message box and question as it opens, by the script's next
// step (the box's default button when the script is empty), and keeps what
// each said.
class BoxAnswerer final : public QObject {
 public:
  struct Box {
    QString name;  // "messageBox" or "dlg_219"
    QString text;
    bool hasDetails = false;
  };
  using Step = std::function<void(QDialog*)>;

  BoxAnswerer() { qApp->installEventFilter(this); }
  ~BoxAnswerer() override { qApp->removeEventFilter(this); }

  void Queue(Step step) { script_.push_back(std::move(step)); }
  /// Presses the button with the object name.
  void QueueButton(const char* name) {
    Queue(
        [name](QDialog* box) { QTest::mouseClick(Find<QPushButton>(box, name), Qt::LeftButton); });
  }
  QStringList Texts() const {
    QStringList texts;
    for (const Box& box : boxes) {
      texts << box.text;
    }
    return texts;
  }

  QList<Box> boxes;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* box = qobject_cast<QDialog*>(watched);
    if (event->type() != QEvent::Show || box == nullptr ||
        (box->objectName() != QStringLiteral("messageBox") &&
         box->objectName() != QStringLiteral("dlg_219"))) {
      return false;
    }
    boxes.push_back({box->objectName(), Find<QLabel>(box, "text")->text(),
                     box->findChild<QPushButton*>(QStringLiteral("detailsButton")) != nullptr});
    Step step;
    if (!script_.empty()) {
      step = std::move(script_.front());
      script_.pop_front();
    }
    // Answered from the box's own event loop, once it runs.
    QPointer<QDialog> shown = box;
    QTimer::singleShot(0, box, [shown, step] {
      if (!shown) {
        return;
      }
      if (step) {
        step(shown);
        return;
      }
      for (QPushButton* button : shown->findChildren<QPushButton*>()) {
        if (button->isDefault()) {
          QTest::mouseClick(button, Qt::LeftButton);
          return;
        }
      }
    });
    return false;
  }

 private:
  std::deque<Step> script_;
};

bool WriteImage(const fs::path& path, const sim::StandInHeader& header, size_t length) {
  std::string error;
  return sim::WriteStandInFile(path, header, length, sim::DefaultFormat(header.kind),
                               sim::DefaultStartAddress(header.kind), error);
}

// Presses "Details..." in the box, keeps the lines the log viewer shows,
// closes it and presses OK.
BoxAnswerer::Step ReadDetailsThenOk(QStringList& details) {
  return [&details](QDialog* box) {
    WhenModal(
        [&details](QWidget* viewer) {
          auto* list = Find<QListWidget>(viewer, "logList");
          for (int i = 0; i < list->count(); ++i) {
            details << list->item(i)->text();
          }
          QTest::mouseClick(Find<QPushButton>(viewer, "closeButton"), Qt::LeftButton);
        },
        QStringLiteral("logViewer"));
    QTest::mouseClick(Find<QPushButton>(box, "detailsButton"), Qt::LeftButton);
    QTest::mouseClick(Find<QPushButton>(box, "okButton"), Qt::LeftButton);
  };
}

CCommProgDlg* ProgressDialog(QWidget* modal) {
  return qobject_cast<CCommProgDlg*>(modal);
}

QLabel* Label(QWidget* dialog, int id) {
  return Find<QLabel>(dialog, QStringLiteral("ctl_%1").arg(id));
}

// The rows of the check list (labels 1283.. and their marks 1286..) as
// the dialog shows them: "-" hidden, "." not begun (grey), "o" begun, "x"
// ticked.
QString Checklist(QWidget* dialog) {
  const int labels[] = {1283, 1284, 1029, 1275, 1285, 1276};
  const int marks[] = {1286, 1365, 1364, 1288, 1289, 1290};
  QString shown;
  for (size_t row = 0; row < 6; ++row) {
    QLabel* label = Label(dialog, labels[row]);
    if (label->isHidden()) {
      shown += '-';
    } else if (!Label(dialog, marks[row])->isHidden()) {
      shown += 'x';
    } else {
      shown += label->isEnabled() ? 'o' : '.';
    }
  }
  return shown;
}

QString Caption(QWidget* dialog) {
  return dialog->windowTitle();
}

}  // namespace

class TransferDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    catalog_.ScanDrivers();
    catalog_.WaitForCatalog();
  }

  void init() {
    folder_ = MakeTempDir("panel-dialog");
    settings_ = std::make_unique<Settings>(TestSettingsPaths(folder_, InstallDir()));
    settings_->SetPort("COM1");
    boxes_ = std::make_unique<BoxAnswerer>();
  }

  void cleanup() {
    screen_.reset();
    ports_.reset();
    sim_.reset();
    boxes_.reset();
  }

  void aProjectIsWrittenReadAndVerifiedThroughTheDialog() {
    UseDevice(sim::MakePanelSimulator({.model = 4}));
    ConfigurationScreen& screen = Open(Example("single-panel.ovx"));

    // Write, by the screen's button and the dialog's Start with the mouse.
    QString before;
    QString after;
    QString caption;
    WhenModal(
        [&](QWidget* dialog) {
          SavePicture(dialog, "progress-write-start");
          caption = Caption(dialog);
          before = Checklist(dialog);
          QCOMPARE(Find<QComboBox>(dialog, "ctl_1039")->currentText(), QStringLiteral("COM1"));
          QVERIFY(Find<QPushButton>(dialog, "ctl_1269")->isEnabled());
          QTest::mouseClick(Find<QPushButton>(dialog, "ctl_1269"), Qt::LeftButton);
          // The dialog closes by itself once the last step is done.
          QTRY_VERIFY(!dialog->isVisible());
          after = Checklist(dialog);
          caption += " | " + Caption(dialog);
          QCOMPARE(Label(dialog, 1270)->text(), QStringLiteral("100%"));
        },
        QStringLiteral("dlg_198"));
    QTest::mouseClick(Find<QPushButton>(&screen, "ctl_1012"), Qt::LeftButton);
    QCOMPARE(caption, QStringLiteral("Writing to Panel | COM Port - Ov400 Panel"));
    QCOMPARE(before, QStringLiteral("......"));
    QCOMPARE(after, QStringLiteral("xxxxxx"));
    // The success is told once, after the dialog has gone.
    QCOMPARE(boxes_->Texts(),
             QStringList{QStringLiteral("Project has been written to the panel successfully.")});
    QVERIFY(!sim_->Panel().Memory().messages.empty());
    QCOMPARE(settings_->Port(), std::string("COM1"));

    // Read back: the same project, so the document stays as it was.
    boxes_->boxes.clear();
    boxes_->QueueButton("okButton");  // "This operation will overwrite..."
    WhenModal(
        [&](QWidget* dialog) {
          caption = Caption(dialog);
          before = Checklist(dialog);
          QTest::mouseClick(Find<QPushButton>(dialog, "ctl_1269"), Qt::LeftButton);
          QTRY_VERIFY(!dialog->isVisible());
          after = Checklist(dialog);
        },
        QStringLiteral("dlg_198"));
    QTest::mouseClick(Find<QPushButton>(&screen, "ctl_1013"), Qt::LeftButton);
    QCOMPARE(caption, QStringLiteral("Reading from Panel"));
    // A read hides the clear-memory and PLC-attribute rows.
    QCOMPARE(before, QStringLiteral("-....-"));
    QCOMPARE(after, QStringLiteral("-xxxx-"));
    QCOMPARE(boxes_->Texts().size(), 2);
    QCOMPARE(boxes_->Texts().back(),
             QStringLiteral("Project has been read from the panel successfully."));
    QVERIFY(!screen.Document().IsModified());

    // Verify a changed project with the keyboard: Enter presses Start. The
    // answer carries the differences behind "Details...".
    TOvProject& project = screen.Document().Project();
    project.panels.front().messages.front().text = "LIFT STATION 3  HAND";
    boxes_->boxes.clear();
    QStringList details;
    boxes_->Queue(ReadDetailsThenOk(details));
    WhenModal(
        [&](QWidget* dialog) {
          QTest::keyClick(dialog, Qt::Key_Return);
          QTRY_VERIFY(!dialog->isVisible());
        },
        QStringLiteral("dlg_198"));
    screen.RunPanelCommand(1015);
    QCOMPARE(boxes_->Texts(), QStringList{QStringLiteral(
                                  "Project file on PC is different from\nproject loaded in the "
                                  "panel")});
    QVERIFY(boxes_->boxes.front().hasDetails);
    QCOMPARE(details, QStringList{QStringLiteral("Port 1, message 1: text differs (PC \"LIFT "
                                                 "STATION 3  HAND\", panel \"LIFT STATION 3  "
                                                 "AUTO\")")});

    // Read now replaces the document's project, and the screen shows it.
    boxes_->boxes.clear();
    boxes_->QueueButton("okButton");
    WhenModal(
        [&](QWidget* dialog) {
          QTest::mouseClick(Find<QPushButton>(dialog, "ctl_1269"), Qt::LeftButton);
          QTRY_VERIFY(!dialog->isVisible());
        },
        QStringLiteral("dlg_198"));
    screen.RunPanelCommand(1013);
    QVERIFY(screen.Document().IsModified());
    QCOMPARE(screen.Document().Project().panels.front().messages.front().text,
             std::string("LIFT STATION 3  AUTO"));
    QCOMPARE(Find<QLabel>(&screen, "panelName")->text(), QStringLiteral("Ov400"));
  }

  void clearMemoryAndBothFirmwareUpgrades() {
    UseDevice(sim::MakePanelSimulator({.model = 4}));
    ConfigurationScreen& screen = Open(Example("single-panel.ovx"));
    Write(screen);

    // Clear Memory runs without the dialog, after its question.
    boxes_->boxes.clear();
    boxes_->QueueButton("yesButton");
    QVERIFY(screen.RunPanelCommand(32799));
    QCOMPARE(boxes_->Texts(),
             (QStringList{QStringLiteral("This command will clear the panel. Do you want to "
                                         "continue?"),
                          QStringLiteral("Panel(s) memory cleared")}));
    QVERIFY(sim_->Panel().Memory().IsEmpty());

    // The panel's firmware from an image chosen in the file chooser.
    const fs::path image = folder_ / "Ov400B3.hex";
    QVERIFY(WriteImage(image, sim::MakePanelFirmwareHeader(4, 'B', 3), 3000));
    boxes_->boxes.clear();
    ChooseFirmware(image);
    QString shown;
    WhenModal(
        [&](QWidget* dialog) {
          shown = Caption(dialog) + " | " +
                  (Find<QWidget>(dialog, "checklist")->isHidden() ? "no list" : "list");
          QTest::mouseClick(Find<QPushButton>(dialog, "ctl_1269"), Qt::LeftButton);
          // A firmware upgrade ends with "Close"; the user closes.
          auto* close = Find<QPushButton>(dialog, "ctl_2");
          QTRY_COMPARE(close->text(), QStringLiteral("Close"));
          SavePicture(dialog, "progress-firmware-done");
          shown += " | " + Label(dialog, 1291)->text() + " | " + Label(dialog, 1270)->text();
          QTest::mouseClick(close, Qt::LeftButton);
        },
        QStringLiteral("dlg_198"));
    QVERIFY(screen.RunPanelCommand(32779));
    QCOMPARE(shown, QStringLiteral("DownLoading Firmware... | no list | Downloading Completed "
                                   "Successfully | 100%"));
    QCOMPARE(boxes_->Texts(), QStringList{});
    QCOMPARE(sim_->Panel().Firmware().number, uint8_t{3});

    // The multiplexer's firmware, on a multi-panel project.
    screen_.reset();
    UseDevice(
        sim::MakeMultiplexerSimulator({{2, {.model = 3}}, {4, {.model = 5}}, {5, {.model = 2}}}));
    ConfigurationScreen& multi = Open(Example("multi-panel.ovx"));
    const fs::path muxImage = folder_ / "mux-D1.hex";
    QVERIFY(WriteImage(muxImage, sim::MakeMultiplexerFirmwareHeader('D', 1), 2000));
    ChooseFirmware(muxImage);
    WhenModal(
        [&](QWidget* dialog) {
          QTest::mouseClick(Find<QPushButton>(dialog, "ctl_1269"), Qt::LeftButton);
          auto* close = Find<QPushButton>(dialog, "ctl_2");
          QTRY_COMPARE(close->text(), QStringLiteral("Close"));
          shown = Label(dialog, 1291)->text();
          QTest::keyClick(dialog, Qt::Key_Escape);
        },
        QStringLiteral("dlg_198"));
    QVERIFY(multi.RunPanelCommand(32815));
    QCOMPARE(shown, QStringLiteral("Download Completed Successfully"));
    QCOMPARE(sim_->Multiplexer().Firmware().letter, 'D');
  }

  void aPortWithoutADeviceFailsAndASecondStartWorks() {
    UseDevice(sim::MakePanelSimulator({.model = 4}), "COM3");
    settings_->SetPort("COM3");
    ConfigurationScreen& screen = Open(Example("single-panel.ovx"));
    bool startAgain = false;
    QString startedOn;
    WhenModal(
        [&](QWidget* dialog) {
          auto* start = Find<QPushButton>(dialog, "ctl_1269");
          auto* port = Find<QComboBox>(dialog, "ctl_1039");
          QCOMPARE(port->currentText(), QStringLiteral("COM3"));
          QTest::mouseClick(start, Qt::LeftButton);
          // The error is shown, and the user may choose again.
          QTRY_VERIFY(!boxes_->boxes.isEmpty());
          QTRY_VERIFY(start->isEnabled());
          startAgain = port->isEnabled();
          SavePicture(dialog, "progress-after-error");
          // Another port with the keyboard: up to COM2, up to COM1.
          port->setFocus();
          QTest::keyClick(port, Qt::Key_Up);
          QTest::keyClick(port, Qt::Key_Up);
          startedOn = port->currentText();
          QTest::mouseClick(start, Qt::LeftButton);
          QTRY_VERIFY(!dialog->isVisible());
        },
        QStringLiteral("dlg_198"));
    QVERIFY(screen.RunPanelCommand(1012));
    QVERIFY(startAgain);
    QCOMPARE(startedOn, QStringLiteral("COM1"));
    QCOMPARE(boxes_->Texts(),
             (QStringList{QStringLiteral("Error C003: Error opening port"),
                          QStringLiteral("Project has been written to the panel successfully.")}));
    QCOMPARE(settings_->Port(), std::string("COM1"));
  }

  void aTextPanelWithoutLocalMessagesIsRefusedWithItsDetails() {
    UseDevice(sim::MakePanelSimulator({.model = 1}));
    auto document = std::make_unique<OrvaneDocument>();
    document->SetNewPath(folder_ / "empty.ovx");
    ConfigurationScreen& screen = Show(std::move(document));
    QStringList details;
    boxes_->Queue(ReadDetailsThenOk(details));
    QTest::mouseClick(Find<QPushButton>(&screen, "ctl_1012"), Qt::LeftButton);
    QCOMPARE(boxes_->boxes.size(), 1);
    QCOMPARE(boxes_->boxes.front().name, QStringLiteral("dlg_219"));
    QCOMPARE(boxes_->boxes.front().text,
             QStringLiteral("Panel program can not be uploaded as it has incomplete data. "));
    QCOMPARE(details, (QStringList{QStringLiteral("The following items have not been configured:"),
                                   QString(), QStringLiteral("No Local Messages configured")}));
    QCOMPARE(sim_->CommandCount(), 0);
  }

  void cancelDuringAWriteWaitsForTheWorkerAndClearsThePanel() {
    auto panel = std::make_unique<sim::SimulatedPanel>(sim::PanelSettings{.model = 4});
    const sim::SimulatedPanel* memory = panel.get();
    auto gated = std::make_unique<GatedDevice>(std::move(panel), 0xB5);
    GatedDevice* gate = gated.get();
    UseDevice(std::make_unique<sim::InProcessSimulator>(std::move(gated)));
    ConfigurationScreen& screen = Open(Example("single-panel.ovx"));
    bool waited = false;
    QString during;
    WhenModal(
        [&](QWidget* dialog) {
          QTest::mouseClick(Find<QPushButton>(dialog, "ctl_1269"), Qt::LeftButton);
          QTRY_VERIFY(gate->reached.IsSet());
          QTRY_COMPARE(Checklist(dialog).left(2), QStringLiteral("xo"));
          SavePicture(dialog, "progress-write-running");
          auto* cancel = Find<QPushButton>(dialog, "ctl_2");
          QTest::mouseClick(cancel, Qt::LeftButton);
          // The worker is still held: the dialog waits for it, with its
          // event loop running (this very check runs in it).
          QTest::qWait(20);
          waited = dialog->isVisible() && !cancel->isEnabled() &&
                   ProgressDialog(dialog)->WorkerRunning();
          during = Checklist(dialog);
          gate->release.Set();
          QTRY_VERIFY(!dialog->isVisible());
        },
        QStringLiteral("dlg_198"));
    QVERIFY(screen.RunPanelCommand(1012));
    QVERIFY(waited);
    QCOMPARE(during, QStringLiteral("xo...."));
    QCOMPARE(screen.Panel().Commands().LastError(), std::string());
    // A cancelled write clears the panel (only the system messages that
    // follow the clear are there), and nothing is told of success.
    QCOMPARE(boxes_->Texts(), QStringList{});
    QVERIFY(!memory->Memory().messages.empty());
    QVERIFY(memory->Memory().messages.begin()->first > 256);
    QVERIFY(memory->Memory().driverImage.empty());
  }

  void cancelWhileTheWorkerWaitsForTheUserDoesNotHang() {
    // Firmware A: the status check tells the user from the worker, which
    // waits for the answer.
    UseDevice(sim::MakePanelSimulator({.model = 4, .firmwareLetter = 'A'}));
    ConfigurationScreen& screen = Open(Example("single-panel.ovx"));
    QPointer<CCommProgDlg> progress;
    bool stillOpen = false;
    boxes_->Queue([&](QDialog* box) {
      // The progress dialog's Cancel while the worker waits on this box.
      progress->Cancel();
      stillOpen = progress->isVisible() && progress->WorkerRunning();
      QTest::mouseClick(Find<QPushButton>(box, "okButton"), Qt::LeftButton);
    });
    WhenModal(
        [&](QWidget* dialog) {
          progress = ProgressDialog(dialog);
          QTest::mouseClick(Find<QPushButton>(dialog, "ctl_1269"), Qt::LeftButton);
          QTRY_VERIFY(!dialog->isVisible());
        },
        QStringLiteral("dlg_198"));
    QVERIFY(screen.RunPanelCommand(1012));
    QVERIFY(stillOpen);
    QCOMPARE(boxes_->boxes.size(), 1);
    QVERIFY(boxes_->boxes.front().text.contains(QStringLiteral("A.2")));
    QVERIFY(sim_->Panel().Memory().IsEmpty());
  }

  void cancelBeforeStartClosesAtOnce() {
    UseDevice(sim::MakePanelSimulator({.model = 4}));
    ConfigurationScreen& screen = Open(Example("single-panel.ovx"));
    WhenModal([](QWidget* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); },
              QStringLiteral("dlg_198"));
    screen.RunPanelCommand(1012);
    QCOMPARE(sim_->CommandCount(), 0);
    QCOMPARE(boxes_->Texts(), QStringList{});
  }

 private:
  static fs::path Example(const char* name) {
    return fs::path(ORVANE_TEST_SOURCE_DIR) / "examples" / name;
  }

  /// The device behind every port ("missing" has none).
  void UseDevice(std::unique_ptr<sim::InProcessSimulator> simulator, std::string missing = {}) {
    ports_.reset();
    sim_ = std::move(simulator);
    sim::InProcessSimulator* line = sim_.get();
    ports_ = std::make_unique<ScopedSerialPortFactory>(
        [line, missing] { return std::make_unique<LinePort>(line->Connect(), missing); });
  }

  ConfigurationScreen& Show(std::unique_ptr<OrvaneDocument> document) {
    screen_ = std::make_unique<ConfigurationScreen>(std::move(document), ui_, dialogs_, catalog_,
                                                    PanelServices{settings_.get(), nullptr});
    screen_->Initialize(1, 4);
    screen_->Panel().Commands().SetClock(clock_);
    screen_->Panel().Commands().SetTraceDirectory(folder_);
    screen_->resize(900, 650);
    screen_->show();
    ui_.SetMainWindow(screen_.get());
    return *screen_;
  }

  ConfigurationScreen& Open(const fs::path& file) {
    auto document = std::make_unique<OrvaneDocument>();
    const bool opened = document->Open(file, ui_, CatalogLookup(catalog_));
    if (!opened) {
      qWarning("%s does not open", file.c_str());
    }
    return Show(std::move(document));
  }

  /// Types the image's path into the next "Upgrade firmware" and presses
  /// OK.
  static void ChooseFirmware(const fs::path& image) {
    WhenModal(
        [image](QWidget* dialog) {
          QTest::keyClicks(Find<QLineEdit>(dialog, "firmwarePath"),
                           QString::fromStdString(image.string()));
          QTest::mouseClick(Find<QPushButton>(dialog, "okButton"), Qt::LeftButton);
        },
        QStringLiteral("upgradeFirmwareDialog"));
  }

  /// Writes the project with the dialog.
  void Write(ConfigurationScreen& screen) {
    WhenModal(
        [](QWidget* dialog) {
          QTest::mouseClick(Find<QPushButton>(dialog, "ctl_1269"), Qt::LeftButton);
          QTRY_VERIFY(!dialog->isVisible());
        },
        QStringLiteral("dlg_198"));
    screen.RunPanelCommand(1012);
  }

  DriverCatalog catalog_;
  QtUserInterface ui_;
  QtViewDialogs dialogs_{ui_};
  NoWaitClock clock_;
  fs::path folder_;
  std::unique_ptr<Settings> settings_;
  std::unique_ptr<BoxAnswerer> boxes_;
  std::unique_ptr<sim::InProcessSimulator> sim_;
  std::unique_ptr<ScopedSerialPortFactory> ports_;
  std::unique_ptr<ConfigurationScreen> screen_;
};

}  // namespace orvane::testing

QTEST_MAIN(orvane::testing::TransferDialogTest)
#include "TransferDialogTest.moc"
