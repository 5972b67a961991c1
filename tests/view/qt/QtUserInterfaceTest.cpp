// The Qt side of the user interface seam: a worker's question answered on
// the user-interface thread while its event loop runs on, and the boxes,
// choosers and the log viewer as the core asks for them.
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <atomic>
#include <thread>

#include "tests/support/ScriptedUserInterface.h"
#include "tests/support/TestPaths.h"
#include "view/qt/AddressLogDialog.h"
#include "view/qt/QtUserInterface.h"

namespace orvane::testing {
namespace {

// Runs action on the next modal dialog that shows (looked for from the
// event loop every few milliseconds).
void WhenShown(std::function<void(QWidget*)> action) {
  QWidget* const before = QApplication::activeModalWidget();
  auto* timer = new QTimer(qApp);
  timer->setInterval(5);
  QObject::connect(timer, &QTimer::timeout, timer, [timer, action, before] {
    QWidget* dialog = QApplication::activeModalWidget();
    if (dialog == nullptr || dialog == before || !dialog->isVisible()) {
      return;
    }
    timer->stop();
    timer->deleteLater();
    action(dialog);
  });
  timer->start();
}

}  // namespace

class QtUserInterfaceTest : public QObject {
  Q_OBJECT

 private slots:
  void aWorkersQuestionIsAnsweredOnTheUiThreadWhileItsLoopRuns() {
    QtUserInterface ui;
    // Ticks on the UI thread while the worker waits for its answer.
    int ticks = 0;
    QTimer ticker;
    ticker.setInterval(1);
    connect(&ticker, &QTimer::timeout, this, [&ticks] { ++ticks; });
    ticker.start();

    std::atomic<bool> done{false};
    std::atomic<Answer> answer{Answer::Ok};
    std::atomic<bool> onUiThread{true};
    QThread* const uiThread = QThread::currentThread();
    QString shownOn;
    WhenShown([&](QWidget* dialog) {
      shownOn = dialog->thread() == uiThread ? QStringLiteral("ui") : QStringLiteral("worker");
      // The loop goes on while the question waits.
      const int seen = ticks;
      QTRY_VERIFY(ticks > seen + 3);
      QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("noButton")),
                        Qt::LeftButton);
    });
    std::thread worker([&] {
      onUiThread = QThread::currentThread() == uiThread;
      Question question;
      question.text = "Continue?";
      question.buttons = Buttons::YesNo;
      question.defaultAnswer = Answer::Yes;
      answer = ui.Ask(question);
      done = true;
    });
    // Waits with the event loop, never by joining first.
    QTRY_VERIFY_WITH_TIMEOUT(done, 20000);
    worker.join();
    QVERIFY(!onUiThread);
    QCOMPARE(shownOn, QStringLiteral("ui"));
    QCOMPARE(answer.load(), Answer::No);
  }

  void twoWorkersAskingAtOnceEachGetTheirOwnAnswer() {
    QtUserInterface ui;
    // Answers whatever box is on top: Yes to the first question, No to the
    // second, whichever shows first (the second may open over the first).
    QTimer answerer;
    answerer.setInterval(5);
    connect(&answerer, &QTimer::timeout, this, [] {
      QWidget* dialog = QApplication::activeModalWidget();
      if (dialog == nullptr || !dialog->isVisible()) {
        return;
      }
      const QLabel* text = dialog->findChild<QLabel*>(QStringLiteral("text"));
      const bool first = text != nullptr && text->text() == QStringLiteral("First?");
      QTest::mouseClick(dialog->findChild<QPushButton*>(first ? QStringLiteral("yesButton")
                                                              : QStringLiteral("noButton")),
                        Qt::LeftButton);
    });
    answerer.start();
    std::atomic<int> done{0};
    std::atomic<Answer> answers[2] = {Answer::Cancel, Answer::Cancel};
    auto ask = [&](int which, const char* text) {
      Question question;
      question.text = text;
      question.buttons = Buttons::YesNo;
      question.defaultAnswer = Answer::Yes;
      answers[which] = ui.Ask(question);
      ++done;
    };
    std::thread first(ask, 0, "First?");
    std::thread second(ask, 1, "Second?");
    QTRY_VERIFY_WITH_TIMEOUT(done == 2, 20000);
    first.join();
    second.join();
    QCOMPARE(answers[0].load(), Answer::Yes);
    QCOMPARE(answers[1].load(), Answer::No);
  }

  void aCallStillQueuedWhenTheInterfaceGoesGetsTheFallback() {
    auto* ui = new QtUserInterface;
    // Holds back the call the worker hands over, as an event loop that
    // never got to it would, and then the interface goes.
    struct HoldBack : QObject {
      std::atomic<bool> held{false};
      bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::MetaCall) {
          return false;
        }
        held = true;
        return true;
      }
    } holdBack;
    ui->installEventFilter(&holdBack);
    std::atomic<bool> done{false};
    std::atomic<Answer> answer{Answer::Cancel};
    std::thread worker([&] {
      Question question;
      question.text = "Continue?";
      question.buttons = Buttons::YesNo;
      question.defaultAnswer = Answer::No;
      answer = ui->Ask(question);
      done = true;
    });
    QTRY_VERIFY_WITH_TIMEOUT(holdBack.held, 20000);
    QVERIFY(!done);
    delete ui;
    QTRY_VERIFY_WITH_TIMEOUT(done, 20000);
    worker.join();
    QCOMPARE(answer.load(), Answer::No);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
  }

  void boxesHaveTheCoresButtonsDefaultsAndEscape() {
    QtUserInterface ui;
    struct Case {
      Buttons buttons;
      Answer defaultAnswer;
      QStringList names;
      Answer onEscape;
    };
    const Case cases[] = {
        {Buttons::Ok, Answer::Ok, {"okButton"}, Answer::Ok},
        {Buttons::OkCancel, Answer::Cancel, {"okButton", "cancelButton"}, Answer::Cancel},
        {Buttons::YesNo, Answer::No, {"yesButton", "noButton"}, Answer::No},
        {Buttons::YesNoCancel,
         Answer::Yes,
         {"yesButton", "noButton", "cancelButton"},
         Answer::Cancel},
    };
    for (const Case& c : cases) {
      QStringList names;
      QString defaultName;
      QString caption;
      WhenShown([&](QWidget* dialog) {
        caption = dialog->windowTitle();
        for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
          names << button->objectName();
          if (button->isDefault()) {
            defaultName = button->objectName();
          }
        }
        QTest::keyClick(dialog, Qt::Key_Escape);
      });
      Question question;
      question.text = "Text";
      question.buttons = c.buttons;
      question.defaultAnswer = c.defaultAnswer;
      QCOMPARE(ui.Ask(question), c.onEscape);
      QCOMPARE(names, c.names);
      QCOMPARE(caption, QStringLiteral("Orvane Zurovuvu"));
      const char* expected[] = {"okButton", "cancelButton", "yesButton", "noButton"};
      QCOMPARE(defaultName, QString::fromUtf8(expected[static_cast<int>(c.defaultAnswer)]));
    }
  }

  void detailsOpenTheLogViewerWhichSavesThem() {
    QtUserInterface ui;
    const auto file = MakeTempDir("details") / "log.txt";
    QString viewerTitle;
    QStringList lines;
    // "Incomplete tag map" with its log: Details, then Save (a scripted
    // chooser would be the core's; here the real one gets the name typed),
    // then Close and Yes.
    WhenShown([&](QWidget* box) {
      QCOMPARE(box->objectName(), QStringLiteral("dlg_256"));
      WhenShown([&](QWidget* viewer) {
        viewerTitle = viewer->windowTitle();
        auto* list = viewer->findChild<QListWidget*>(QStringLiteral("logList"));
        for (int i = 0; i < list->count(); ++i) {
          lines << list->item(i)->text();
        }
        WhenShown([&](QWidget* chooser) {
          auto* name = chooser->findChild<QWidget*>(QStringLiteral("fileNameEdit"));
          QTest::keyClicks(name, QString::fromStdString(file.string()));
          QTest::keyClick(name, Qt::Key_Return);
          if (chooser->isVisible()) {
            QTest::keyClick(name, Qt::Key_Return);
          }
        });
        QTest::mouseClick(viewer->findChild<QPushButton*>(QStringLiteral("saveButton")),
                          Qt::LeftButton);
        QTest::mouseClick(viewer->findChild<QPushButton*>(QStringLiteral("closeButton")),
                          Qt::LeftButton);
      });
      QTest::mouseClick(box->findChild<QPushButton*>(QStringLiteral("detailsButton")),
                        Qt::LeftButton);
      QTest::mouseClick(box->findChild<QPushButton*>(QStringLiteral("yesButton")), Qt::LeftButton);
    });
    Question question;
    question.caption = "Incomplete tag map";
    question.text = "There are incompatiblities...";
    question.details = "Tag name \"A\" changed to \"B\" for address C1\n\tB\n";
    QCOMPARE(ui.Ask(question), Answer::Yes);
    QCOMPARE(viewerTitle, QStringLiteral("Think & Do conversion log"));
    QCOMPARE(lines.size(), 2);
    QCOMPARE(ReadText(file), question.details);
  }

  void theMultiPanelImportChooserOffersOnlyConfiguredPorts() {
    QtUserInterface ui;
    ChoiceRequest request;
    request.caption = "Import From Multipanel Project";
    request.choices = {{"Port 1 : Ov200/Ov200V", true},
                       {"Port 2 : Not Configured", false},
                       {"Port 3 : OvSP", true}};
    QString radio3;
    QString label3;
    bool port2Enabled = true;
    bool port1Checked = false;
    WhenShown([&](QWidget* dialog) {
      QCOMPARE(dialog->objectName(), QStringLiteral("dlg_264"));
      port1Checked = dialog->findChild<QRadioButton*>(QStringLiteral("ctl_1492"))->isChecked();
      port2Enabled = dialog->findChild<QRadioButton*>(QStringLiteral("ctl_1493"))->isEnabled();
      auto* third = dialog->findChild<QRadioButton*>(QStringLiteral("ctl_1494"));
      radio3 = third->text();
      label3 = dialog->findChild<QLabel*>(QStringLiteral("ctl_1525"))->text();
      QTest::mouseClick(third, Qt::LeftButton);
      QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("okButton")),
                        Qt::LeftButton);
    });
    QCOMPARE(ui.Choose(request), std::optional<int>(2));
    QVERIFY(port1Checked);
    QVERIFY(!port2Enabled);
    QCOMPARE(radio3, QStringLiteral("Port 3 : "));
    QCOMPARE(label3, QStringLiteral("OvSP"));
  }

  void theAddressLogShowsRowsAndSavesTheLogFile() {
    ScriptedUserInterface scripted;
    const auto file = MakeTempDir("address-log") / "log.txt";
    scripted.QueueFile(file.string());
    AddressLogDialog dialog(scripted, nullptr, {"N7:0\tN7:0\t\t", "N7:100\t \tgone\t"});
    QVERIFY(dialog.Save());
    QCOMPARE(scripted.Calls()[0].file.filter,
             std::string("Text Files (*.txt)|*.txt|All Files (*.*)|*.*||"));
    const std::string text = ReadText(file);
    QVERIFY(text.rfind("Address conversion log file\nCreated on : ", 0) == 0);
    QVERIFY(
        text.find("Old address\tNew address\t\tRemarks\n\nN7:0\tN7:0\t\t\nN7:100\t \tgone\t\n") !=
        std::string::npos);
  }

  void classicFiltersBecomeQtFilters() {
    QCOMPARE(QtNameFilters("Orvane Files (*.ovx)|*.ovx|All Files (*.*)|*.*||"),
             (QStringList{"Orvane Files (*.ovx)", "All Files (*)"}));
    QCOMPARE(QtNameFilters("*.ovx|*.ovx|All Files (*.*)|*.*||"),
             (QStringList{"*.ovx", "All Files (*)"}));
    QCOMPARE(QtNameFilters(""), QStringList{});
  }
};

}  // namespace orvane::testing

QTEST_MAIN(orvane::testing::QtUserInterfaceTest)
#include "QtUserInterfaceTest.moc"
