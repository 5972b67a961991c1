// The desktop program on the offscreen platform with scripted answers: its
// start, the Port menu, the File commands, and each command of the
// configuration screen driven through its widgets.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTest>
#include <cstdlib>

#include "app/MainFrame.h"
#include "app/SplashWindow.h"
#include "app/WelcomeView.h"
#include "project/ProjectDriver.h"
#include "project/ProjectFile.h"
#include "project/ProjectWriter.h"
#include "project/TOvProject.h"
#include "tests/app/GuiTestSupport.h"
#include "tests/support/QtTestHelpers.h"
#include "tests/support/ScriptedUserInterface.h"
#include "tests/support/ScriptedViewDialogs.h"
#include "tests/support/TestInstall.h"
#include "tests/support/TestPaths.h"
#include "view/OrvaneDocument.h"
#include "view/qt/ConfigurationScreen.h"
#include "view/qt/PortField.h"

namespace orvane::testing {
namespace {

namespace fs = std::filesystem;

std::string FieldText(ConfigurationScreen* screen, int port) {
  return Find<PortField>(screen, ("portField" + std::to_string(port)).c_str())
      ->Text()
      .toStdString();
}

}  // namespace

class ShellTest : public QObject {
  Q_OBJECT

 private:
  // A shell on a fresh profile and install directory, not started yet.
  void Make() {
    install_ = std::make_unique<TestInstall>("shell");
    folder_ = MakeTempDir("shell-run");
    ui_ = std::make_unique<ScriptedUserInterface>();
    dialogs_ = std::make_unique<ScriptedViewDialogs>();
    shell_ = std::make_unique<ShellUnderTest>(*ui_, *dialogs_,
                                              TestSettingsPaths(folder_, install_->Dir()));
  }
  // The same, started, past its splash.
  void Start() {
    Make();
    QVERIFY(shell_->StartPastSplash());
  }
  void Stop() {
    shell_.reset();
    dialogs_.reset();
    ui_.reset();
    install_.reset();
  }

  // File New with the name given; the screen it shows.
  ConfigurationScreen* NewProject(const std::string& name) {
    const fs::path file = folder_ / name;
    ui_->QueueFile(file.string());
    shell_->Frame().FileNew();
    return shell_->Frame().ActiveScreen();
  }

  ScriptedUserInterface& Ui() { return *ui_; }

  std::unique_ptr<TestInstall> install_;
  fs::path folder_;
  std::unique_ptr<ScriptedUserInterface> ui_;
  std::unique_ptr<ScriptedViewDialogs> dialogs_;
  std::unique_ptr<ShellUnderTest> shell_;

 private slots:
  void init() { ::unsetenv("MINIPLC_DIALOG"); }
  void cleanup() { Stop(); }

  void firstStartShowsTheWelcomeScreenAtTheDefaultPlacement() {
    Make();
    QVERIFY(shell_->App().Start());
    // The splash first; the frame only once it has gone.
    QVERIFY(shell_->App().Splash()->isVisible());
    QVERIFY(!shell_->Frame().isVisible());
    QTest::mouseClick(shell_->App().Splash(), Qt::RightButton);
    QTRY_VERIFY(shell_->Frame().isVisible());
    QVERIFY(!shell_->App().Splash()->isVisible());

    QCOMPARE(shell_->Frame().geometry(), QRect(125, 47, 600, 414));
    QCOMPARE(shell_->Frame().windowTitle(), QStringLiteral("Orvane Zurovuvu"));
    QVERIFY(shell_->Frame().Welcome()->isVisible());
    QCOMPARE(Find<QLabel>(shell_->Frame().Welcome(), "versionLine")->text(),
             QStringLiteral("Version 2.1"));
    QVERIFY(!Find<QWidget>(shell_->Frame().Welcome(), "ctl_1221")->isEnabled());
    QVERIFY(shell_->Frame().ActiveScreen() == nullptr);
    // The first run starts in the Project folder it made.
    QCOMPARE(fs::current_path(), install_->Dir() / "Project");
    QVERIFY(fs::is_directory(install_->Dir() / "Firmware"));
    QVERIFY(Ui().Calls().empty());

    // The About box names the version.
    QString about;
    WhenModal(
        [&about](QWidget* box) {
          about = Find<QLabel>(box, "versionText")->text();
          QTest::mouseClick(Find<QPushButton>(box, "okButton"), Qt::LeftButton);
        },
        QStringLiteral("dlg_100"));
    Find<QAction>(&shell_->Frame(), "cmd_57664")->trigger();
    QCOMPARE(about, QStringLiteral("Orvane Zurovuvu Version 2.1"));

    // Closing stores the placement and the folder.
    shell_->Frame().setGeometry(140, 60, 600, 414);
    QTRY_COMPARE(shell_->Frame().geometry(), QRect(140, 60, 600, 414));
    shell_->Frame().close();
    const WindowPlacement stored = shell_->Config().Window();
    QCOMPARE(QRect(stored.left, stored.top, stored.right - stored.left, stored.bottom - stored.top),
             QRect(140, 60, 600, 414));
    QVERIFY(!stored.maximized);
    QCOMPARE(shell_->Config().WorkingPath(), (install_->Dir() / "Project").string());
  }

  void thePortMenuStoresTheChoiceAndChecksIt() {
    Start();
    MainFrame& frame = shell_->Frame();
    QMenu* menu = frame.PortMenu();
    QStringList checked;
    for (QAction* action : menu->actions()) {
      QVERIFY(!action->isChecked());
    }
    Find<QAction>(menu, "cmd_32813")->trigger();
    QCOMPARE(shell_->Config().Port(), std::string("COM3"));
    for (QAction* action : menu->actions()) {
      if (action->isChecked()) {
        checked << action->objectName();
      }
    }
    QCOMPARE(checked, QStringList{QStringLiteral("cmd_32813")});
    QCOMPARE(Find<QAction>(menu, "cmd_32811")->text(), QStringLiteral("COM&1"));
    QVERIFY(!Find<QAction>(menu, "simulatedPanel")->isEnabled());
    QCOMPARE(Find<QLabel>(&frame, "portPane")->text(), QStringLiteral("COM3"));
  }

  void newAsksForTheFileAndSavesTheProjectThereAtOnce() {
    Start();
    ConfigurationScreen* screen = NewProject("first");
    QVERIFY(screen != nullptr);
    const RecordedCall& request = Ui().Calls().front();
    QCOMPARE(request.kind, RecordedCall::Kind::SaveFile);
    QCOMPARE(request.file.title, std::string("Create Project"));
    QCOMPARE(request.file.filter, std::string("*.ovx|*.ovx|All Files (*.*)|*.*||"));
    QVERIFY(request.file.overwritePrompt);
    // The file is there at once.
    const fs::path file = folder_ / "first";
    QVERIFY(fs::exists(file));
    QCOMPARE(ReadText(file).substr(0, kCurrentMagic.size() + 1), std::string(kCurrentMagic) + "\n");
    QVERIFY(!screen->Document().IsModified());
    QCOMPARE(screen->Document().Project().projectName, std::string("first"));
    QCOMPARE(shell_->Config().RecentFiles(), std::vector<std::string>{file.string()});
    shell_->Frame().RebuildRecentFiles();
    QCOMPARE(Find<QAction>(&shell_->Frame(), "cmd_57616")->text(),
             QStringLiteral("&1 ") + QString::fromStdString(file.string()));
    QVERIFY(!shell_->Frame().Welcome()->isVisible());
    QVERIFY(Find<QRadioButton>(screen, "ctl_1016")->isChecked());
    QCOMPARE(Find<QLabel>(screen, "panelName")->text(), QStringLiteral("Ov200/Ov200V"));
    // The message editor can be pressed; the panel operations are shown,
    // not yet available.
    QVERIFY(Find<QPushButton>(screen, "ctl_1004")->isEnabled());
    QVERIFY(!Find<QPushButton>(screen, "ctl_1012")->isEnabled());
    QCOMPARE(Find<QPushButton>(screen, "ctl_1012")->text(), QStringLiteral("Wri&te to \nPanel"));

    // Cancelling the chooser creates nothing; closing the last project
    // brings the welcome screen back.
    shell_->Frame().FileNew();
    QCOMPARE(shell_->Frame().Screens().size(), 1);
    shell_->Frame().FileClose();
    QTRY_VERIFY(shell_->Frame().Welcome()->isVisible());
  }

  void withoutDriversNoViewOpens() {
    Start();
    const fs::path empty = MakeTempDir("empty-install");
    fs::create_directories(empty / "dll");
    const std::string previous = std::getenv("ORVANE_INSTALL_DIR");
    ::setenv("ORVANE_INSTALL_DIR", empty.c_str(), 1);
    // A program whose catalogue scans the empty folder.
    shell_.reset();
    ui_->Clear();
    shell_ = std::make_unique<ShellUnderTest>(*ui_, *dialogs_, TestSettingsPaths(folder_, empty));
    QVERIFY(shell_->StartPastSplash());
    ::setenv("ORVANE_INSTALL_DIR", previous.c_str(), 1);
    QVERIFY(NewProject("nothing.ovx") == nullptr);
    QCOMPARE(Ui().MessageTexts(), std::vector<std::string>{"Error P005: PLC DLL load failed."});
    QVERIFY(shell_->Frame().Screens().isEmpty());
    QVERIFY(shell_->Frame().Welcome()->isVisible());
    QVERIFY(!fs::exists(folder_ / "nothing.ovx"));
  }

  void theSystemTypeRadiosAskAndShowThePorts() {
    Start();
    ConfigurationScreen* screen = NewProject("system.ovx");
    auto* single = Find<QRadioButton>(screen, "ctl_1016");
    auto* multi = Find<QRadioButton>(screen, "ctl_1017");
    QVERIFY(!Find<PortField>(screen, "portField1")->isVisible());
    QTest::mouseClick(multi, Qt::LeftButton);
    QVERIFY(multi->isChecked());
    QVERIFY(Find<PortField>(screen, "portField1")->isVisible());
    QCOMPARE(FieldText(screen, 1), std::string("Ov200/Ov200V\nPort1"));
    QCOMPARE(FieldText(screen, 2), std::string("\nPort2"));
    QVERIFY(Find<PortField>(screen, "portField1")->IsCurrent());
    QCOMPARE(Find<QPushButton>(screen, "ctl_1013")->text(),
             QStringLiteral("&Read from\n Multiplexer"));
    QVERIFY(screen->Document().IsModified());

    // No keeps the radios where they were.
    Ui().QueueAnswer(Answer::No);
    QTest::mouseClick(single, Qt::LeftButton);
    QVERIFY(multi->isChecked());
    QVERIFY(!single->isChecked());
    QCOMPARE(Ui().QuestionTexts().size(), size_t{1});
    // Yes: one model 1 panel on port 1.
    Ui().QueueAnswer(Answer::Yes);
    QTest::mouseClick(single, Qt::LeftButton);
    QVERIFY(single->isChecked());
    QVERIFY(!Find<PortField>(screen, "portField1")->isVisible());
    QCOMPARE(screen->Document().Project().panels.size(), size_t{1});
    QCOMPARE(Find<QPushButton>(screen, "ctl_1013")->text(), QStringLiteral("&Read from\n Panel"));
  }

  void portFieldsSelectAndDeletePanels() {
    Start();
    ConfigurationScreen* screen = NewProject("ports.ovx");
    QTest::mouseClick(Find<QRadioButton>(screen, "ctl_1017"), Qt::LeftButton);
    auto* port3 = Find<PortField>(screen, "portField3");
    // A click makes the port current; a double click selects its model.
    QTest::mouseClick(port3, Qt::LeftButton);
    QVERIFY(port3->IsCurrent());
    QCOMPARE(Find<QLabel>(screen, "panelName")->text(),
             QStringLiteral("Port 3: NOT CONFIGURED..."));
    QVERIFY(!Find<QPushButton>(screen, "ctl_1004")->isVisible());
    dialogs_->QueueModel(kModelOv200P);
    QTest::mouseDClick(port3, Qt::LeftButton);
    QCOMPARE(FieldText(screen, 3), std::string("Ov200P/Ov200PV\nPort3"));
    QVERIFY(Find<QPushButton>(screen, "ctl_1226")->isVisible());
    QCOMPARE(dialogs_->preselections, std::vector<int32_t>{kModelOv200});
    // The editors' buttons can be pressed. The annunciator's opens its
    // dialog on port 3's panel, and what it stores marks the document
    // modified.
    for (const char* id : {"ctl_1004", "ctl_1226", "ctl_1227", "ctl_1338"}) {
      QVERIFY2(Find<QPushButton>(screen, id)->isEnabled(), id);
    }
    screen->Document().SetModified(false);
    WhenModal(
        [](QWidget* dialog) {
          Find<QLineEdit>(dialog, "ctl_1028")->setText(QStringLiteral("N7:3"));
          QTest::mouseClick(Find<QPushButton>(dialog, "okButton"), Qt::LeftButton);
        },
        QStringLiteral("dlg_141"));
    QTest::mouseClick(Find<QPushButton>(screen, "ctl_1226"), Qt::LeftButton);
    QCOMPARE(screen->Document().Project().SelectedPanel()->annunciatorWord.addressText,
             std::string("N7:3"));
    QVERIFY(screen->Document().IsModified());

    // The context menu opens on the current port only.
    QVERIFY(screen->PortMenuFor(1) == nullptr);
    std::unique_ptr<QMenu> menu = screen->PortMenuFor(3);
    QVERIFY(menu != nullptr);
    QVERIFY(Find<QAction>(menu.get(), "cmd_32788")->isEnabled());
    QVERIFY(Find<QAction>(menu.get(), "cmd_32816")->isEnabled());
    // The Delete key deletes after the question.
    Ui().QueueAnswer(Answer::Yes);
    QTest::keyClick(port3, Qt::Key_Delete);
    QCOMPARE(FieldText(screen, 3), std::string("\nPort3"));
    QCOMPARE(Ui().Calls().back().caption, std::string("Warning"));
    menu = screen->PortMenuFor(3);
    QVERIFY(!Find<QAction>(menu.get(), "cmd_32788")->isEnabled());
    QVERIFY(!Find<QAction>(menu.get(), "cmd_32792")->isEnabled());
    QVERIFY(!Find<QAction>(menu.get(), "cmd_32816")->isEnabled());
    // The menu's Delete Panel works on port 1, the Delete key does not.
    auto* port1 = Find<PortField>(screen, "portField1");
    QTest::mouseClick(port1, Qt::LeftButton);
    QTest::keyClick(port1, Qt::Key_Delete);
    QCOMPARE(FieldText(screen, 1), std::string("Ov200/Ov200V\nPort1"));
    Ui().QueueAnswer(Answer::Yes);
    Find<QAction>(screen->PortMenuFor(1).get(), "cmd_32788")->trigger();
    QCOMPARE(FieldText(screen, 1), std::string("\nPort1"));
    QVERIFY(screen->Document().Project().panels.empty());
  }

  void thePlcListPutsItselfBackWhenTheChangeIsNotMade() {
    ::setenv("MINIPLC_DIALOG", "ok", 1);
    Start();
    ConfigurationScreen* screen = NewProject("plc.ovx");
    auto* plcs = Find<QComboBox>(screen, "ctl_1021");
    QCOMPARE(plcs->count(), 3);
    QCOMPARE(plcs->currentIndex(), 0);  // Brisko: no driver has 31:2
    TOvProject& project = screen->Document().Project();
    project.panels[0].lineRegisters[0].addressText = "N7:0";
    RevalidateAddresses(project, Ui());

    // Compatible (Kestrel), untouched: no question, the log dialog.
    QTest::keyClick(plcs, Qt::Key_Down);
    QCOMPARE(plcs->currentIndex(), 1);
    QCOMPARE(dialogs_->conversionLogs.size(), size_t{1});
    QVERIFY(Ui().QuestionTexts().empty());
    // Incompatible (Tandem, Think & Do), the map chooser cancelled.
    Ui().QueueAnswer(Answer::Yes);
    Ui().QueueFile(std::nullopt);
    QTest::keyClick(plcs, Qt::Key_Down);
    QCOMPARE(plcs->currentIndex(), 1);
    QCOMPARE(Ui().Calls().back().file.title, std::string("Open Tag Map File"));
    QVERIFY(!Find<QLabel>(screen, "tagMapName")->isVisible());
    // Incompatible, answered No.
    Ui().QueueAnswer(Answer::No);
    QTest::keyClick(plcs, Qt::Key_Down);
    QCOMPARE(plcs->currentIndex(), 1);
    // With a map: the change, the tag map and its Change button.
    const fs::path map = folder_ / "plant.map";
    WriteText(map, "h1\nh2\nSPEED,C100,5,speed\n");
    Ui().QueueAnswer(Answer::Yes);
    Ui().QueueFile(map.string());
    QTest::keyClick(plcs, Qt::Key_Down);
    QCOMPARE(plcs->currentIndex(), 2);
    QCOMPARE(Find<QLabel>(screen, "tagMapName")->text(), QStringLiteral("Tag map: plant.map"));
    QVERIFY(Find<QPushButton>(screen, "ctl_1478")->isVisible());
    QCOMPARE(project.plc.name, std::string("Tandem Test PLC 34:1"));
  }

  void importTakesAPanelFromAMultiPanelFile() {
    Start();
    // A multi-panel file with an OvSP on port 4.
    TOvProject source;
    source.systemMode = kMultiPanelSystem;
    source.portTable.Clear(1);
    source.portTable.selectedPort = 4;
    source.portTable.SetPanel(source.PutPanel(TOvPanel(&source, kModelOvSP)));
    ConfigurationScreen* screen = NewProject("import.ovx");
    source.plc = screen->Document().Project().plc;
    const fs::path file = folder_ / "source.ovx";
    QVERIFY(SaveProjectFile(source, file, Ui()));

    QTest::mouseClick(Find<QRadioButton>(screen, "ctl_1017"), Qt::LeftButton);
    QTest::mouseClick(Find<PortField>(screen, "portField2"), Qt::LeftButton);
    Ui().Clear();
    Ui().QueueFile(file.string());
    Ui().QueueChoice(3);
    Find<QAction>(screen->PortMenuFor(2).get(), "cmd_32791")->trigger();
    QCOMPARE(Ui().Calls().back().text, std::string("Import From Multipanel Project"));
    QCOMPARE(FieldText(screen, 2), std::string("OvSP\nPort2"));
    QVERIFY(!Find<QPushButton>(screen, "ctl_1227")->isVisible());
    QVERIFY(screen->Document().IsModified());
  }

  void openingAPreviousVersionFileOffersABackup() {
    Start();
    const fs::path file = folder_ / "old.ovx";
    fs::copy_file(TestDataDir() / "projects" / "previous-version.ovx", file);
    const fs::path backup = folder_ / "old-backup.ovx";
    Ui().QueueFile(file.string());
    Ui().QueueAnswer(Answer::Yes);
    Ui().QueueFile(backup.string());
    shell_->Frame().FileOpen();
    ConfigurationScreen* screen = shell_->Frame().ActiveScreen();
    QVERIFY(screen != nullptr);
    QCOMPARE(Ui().Calls()[1].caption, std::string("Backup Project"));
    QCOMPARE(ReadText(backup), ReadText(file));
    QCOMPARE(screen->Document().Path(), file);
    QVERIFY(!screen->Document().IsModified());
    QCOMPARE(shell_->Config().RecentFiles().front(), file.string());
    // Opening it again brings the same tab to the front.
    QVERIFY(shell_->Frame().OpenFile(file));
    QCOMPARE(shell_->Frame().Screens().size(), 1);

    // Closing a changed project asks; Cancel keeps it and the program.
    screen->Document().SetModified();
    Ui().QueueAnswer(Answer::Cancel);
    QVERIFY(!shell_->Frame().close());
    QCOMPARE(shell_->Frame().Screens().size(), 1);
    Ui().QueueAnswer(Answer::No);
    QVERIFY(shell_->Frame().close());

    // --open opens the file once the welcome screen is up.
    shell_.reset();
    ui_->Clear();
    shell_ = std::make_unique<ShellUnderTest>(*ui_, *dialogs_,
                                              TestSettingsPaths(folder_, install_->Dir()),
                                              QStringLiteral("2.1"), backup);
    QVERIFY(shell_->StartPastSplash());
    QVERIFY(shell_->Frame().ActiveScreen() != nullptr);
    QCOMPARE(shell_->Frame().ActiveScreen()->Document().Path(), backup);
  }
};

}  // namespace orvane::testing

QTEST_MAIN(orvane::testing::ShellTest)
#include "ShellTest.moc"
