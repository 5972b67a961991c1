// "Message edit" on the offscreen platform with scripted answers, driven
// with key and mouse events: the coloured digits the data item keys type,
// the decimal point box, the number with its CAUTION question, the Insert
// Message dialog, the tree's levels and buttons, the "Orvane" clipboard
// between two projects, and undo in the text and in the lists. With
// ORVANE_SCREENSHOT_DIR set, the dialog is saved there as pictures.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTreeWidget>

#include "tests/support/QtTestHelpers.h"
#include "tests/view/EditorTestSupport.h"
#include "view/qt/AddressFields.h"
#include "view/qt/CInsertMessageDlg.h"
#include "view/qt/CMessageDlg.h"
#include "view/qt/CParsedRichEdit.h"

namespace orvane::testing {
namespace {

using Texts = std::vector<std::string>;

bool ShowActive(QDialog& dialog) {
  dialog.show();
  dialog.activateWindow();
  return QTest::qWaitForWindowActive(&dialog);
}

void Click(QWidget* dialog, const char* name) {
  QWidget* widget = Find<QWidget>(dialog, name);
  QVERIFY(widget != nullptr);
  QTest::mouseClick(widget, Qt::LeftButton);
}

// The characters of the text control with their colours, as drawn.
std::vector<DisplayCell> Drawn(CParsedRichEdit* edit) {
  std::vector<DisplayCell> cells;
  for (QTextBlock block = edit->document()->begin(); block.isValid(); block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QColor colour = it.fragment().charFormat().foreground().color();
      TextColour kind = TextColour::Black;
      for (const TextColour candidate : {TextColour::Red, TextColour::Blue, TextColour::Green}) {
        if (colour == ColourOf(candidate)) {
          kind = candidate;
        }
      }
      for (const QChar c : it.fragment().text()) {
        cells.push_back({static_cast<char>(c.toLatin1()), kind});
      }
    }
  }
  return cells;
}

QString FocusName() {
  QWidget* focus = QApplication::focusWidget();
  while (focus != nullptr && focus->objectName().isEmpty()) {
    focus = focus->parentWidget();
  }
  return focus != nullptr ? focus->objectName() : QString();
}

void TypeInto(QWidget* dialog, const char* name, const QString& text) {
  QWidget* field = Find<QWidget>(dialog, name);
  QTest::mouseClick(field, Qt::LeftButton);
  QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(field, text);
}

}  // namespace

class MessageDialogTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<EditorWorld> world_;
  ScriptedUserInterface& Ui() { return world_->Ui(); }

  // A panel with PLC messages 1 and 5.
  TOvProject TwoMessages(int32_t model = kModelOv200) {
    TOvProject project = world_->Project(model);
    for (const int32_t number : {1, 5}) {
      TOvMessage message(&project.panels[0]);
      message.number = number;
      message.isPlcMessage = 1;
      message.text = "MESSAGE " + std::to_string(number);
      project.panels[0].AddMessage(message);
    }
    project.panels[0].firstMessageNumber = 6;
    return project;
  }

 private slots:
  void init() {
    world_ = std::make_unique<EditorWorld>("message-dialog");
    QApplication::clipboard()->clear();
  }
  void cleanup() { world_.reset(); }

  void elevenCtrlOnesGiveTenRedDigitsThatBcd16Refuses() {
    TOvProject project = world_->Project(kModelOv200);
    CPLCMessageDlg dialog(project, project.panels[0], Ui());
    QVERIFY(ShowActive(dialog));
    QVERIFY(!Find<QWidget>(&dialog, "ctl_1004")->isEnabled());  // nothing loaded
    Click(&dialog, "ctl_1369");
    auto* text = Find<CParsedRichEdit>(&dialog, "ctl_1004");
    QVERIFY(text->isEnabled());
    QCOMPARE(Find<QLineEdit>(&dialog, "ctl_1250")->text(), QStringLiteral("1"));
    QTest::mouseClick(text->viewport(), Qt::LeftButton);
    QTest::keyClick(text, Qt::Key_End);
    for (int press = 0; press < 3; ++press) {
      QTest::keyClick(text, Qt::Key_Backspace);
    }
    QTest::keyClicks(text, QStringLiteral("T="));
    for (int press = 0; press < 11; ++press) {
      QTest::keyClick(text, Qt::Key_1, Qt::ControlModifier);
    }
    const std::vector<DisplayCell> drawn = Drawn(text);
    QCOMPARE(drawn.size(), size_t{12});
    QCOMPARE(std::count(drawn.begin(), drawn.end(), DisplayCell{'1', TextColour::Red}), 10);
    QCOMPARE(Find<QLabel>(&dialog, "messageLength")->text(), QStringLiteral("Message length: 12"));
    QCOMPARE(Find<QLabel>(&dialog, "panelPreview")->text(), QStringLiteral("T=       123        "));
    SavePicture(&dialog, "dlg-144-ten-digits");

    Ui().Clear();
    TypeInto(&dialog, "ctl_1184", QStringLiteral("N7:1"));
    Click(&dialog, "ctl_1248");
    QCOMPARE(Ui().MessageTexts(),
             Texts{"Maximum 5  \"DATA SET 1\" can be defined with selected data type"});
    QCOMPARE(FocusName(), QStringLiteral("ctl_1004"));
    QCOMPARE(project.panels[0].messages.size(), size_t{0});
    // F6 types item 2 in blue; Enter in the text accepts once item 1 fits.
    text->setFocus();
    QTest::keyClick(text, Qt::Key_End);
    for (int press = 0; press < 5; ++press) {
      QTest::keyClick(text, Qt::Key_Backspace);
    }
    QTest::keyClick(text, Qt::Key_F6);
    QCOMPARE(Drawn(text).back(), (DisplayCell{'2', TextColour::Blue}));
    TypeInto(&dialog, "ctl_1193", QStringLiteral("N7:2"));
    text->setFocus();
    Ui().Clear();
    QTest::keyClick(text, Qt::Key_Return);
    QCOMPARE(Ui().MessageTexts(), Texts{});
    QCOMPARE(FromBytes(dialog.Editor().Lists().plc[0].text.substr(0, 2)), QStringLiteral("T="));
    QCOMPARE(Find<QListWidget>(&dialog, "plcList")->item(0)->text(),
             QStringLiteral("001: T=111112"));
  }

  void theDecimalPointOnAFullTextShowsZ005AndStaysUnchecked() {
    TOvProject project = TwoMessages();
    CPLCMessageDlg dialog(project, project.panels[0], Ui());
    QVERIFY(ShowActive(dialog));
    auto* list = Find<QListWidget>(&dialog, "plcList");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(0)).center());
    auto* text = Find<CParsedRichEdit>(&dialog, "ctl_1004");
    auto* point = Find<QCheckBox>(&dialog, "ctl_1194");
    QVERIFY(!point->isEnabled());  // no item 1 digit yet
    text->setFocus();
    QTest::keyClick(text, Qt::Key_End);
    QTest::keyClicks(text, QStringLiteral("ABCDEFGHIJKLMNOP"));  // cut at 20
    QCOMPARE(text->ModelText().size(), size_t{20});
    for (int press = 0; press < 3; ++press) {
      QTest::keyClick(text, Qt::Key_Backspace);
    }
    for (int press = 0; press < 3; ++press) {
      QTest::keyClick(text, Qt::Key_F5);
    }
    QVERIFY(point->isEnabled());
    Ui().Clear();
    QTest::mouseClick(point, Qt::LeftButton);
    QCOMPARE(Ui().MessageTexts(), Texts{"Error Z005:  The Maximum message length has exceeded."});
    QVERIFY(!point->isChecked());
    QVERIFY(!Find<QWidget>(&dialog, "ctl_1192")->isEnabled());
    // With room it goes right after the digits, in red.
    text->setFocus();
    QTest::keyClick(text, Qt::Key_Home);
    QTest::keyClick(text, Qt::Key_Delete);
    QTest::mouseClick(point, Qt::LeftButton);
    QVERIFY(point->isChecked());
    QCOMPARE(Drawn(text).back(), (DisplayCell{'.', TextColour::Red}));
    QVERIFY(Find<QWidget>(&dialog, "ctl_1192")->isEnabled());
    // Taking the digits away takes the point with them.
    text->setFocus();
    QTest::keyClick(text, Qt::Key_End);
    for (int press = 0; press < 4; ++press) {
      QTest::keyClick(text, Qt::Key_Backspace);
    }
    QVERIFY(!point->isChecked());
    QVERIFY(!text->Text().HasDecimalPoint());
    // Ctrl+Z in the text takes the four edits back one at a time.
    for (int press = 0; press < 4; ++press) {
      QTest::keyClick(text, Qt::Key_Z, Qt::ControlModifier);
    }
    QVERIFY(point->isChecked());
    QCOMPARE(text->ModelText().size(), size_t{20});
  }

  void aRenumberingAsksAndNoKeepsTheOldNumber() {
    TOvProject project = TwoMessages();
    CPLCMessageDlg dialog(project, project.panels[0], Ui());
    QVERIFY(ShowActive(dialog));
    auto* list = Find<QListWidget>(&dialog, "plcList");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(1)).center());
    auto* number = Find<QLineEdit>(&dialog, "ctl_1250");
    QCOMPARE(number->text(), QStringLiteral("5"));
    TypeInto(&dialog, "ctl_1250", QStringLiteral("7"));
    Ui().Clear();
    Ui().QueueAnswer(Answer::No);
    Click(&dialog, "ctl_1248");
    QCOMPARE(Ui().QuestionTexts().size(), size_t{1});
    QVERIFY(QString::fromStdString(Ui().QuestionTexts()[0]).startsWith(QStringLiteral("CAUTION")));
    QCOMPARE(number->text(), QStringLiteral("5"));
    QCOMPARE(FocusName(), QStringLiteral("ctl_1250"));
    // A number in use: M002, the old number back.
    TypeInto(&dialog, "ctl_1250", QStringLiteral("1"));
    Ui().Clear();
    Click(&dialog, "ctl_1248");
    QCOMPARE(Ui().MessageTexts(),
             Texts{"Error M002:  Invalid message number or this message number has already been "
                   "configured"});
    QCOMPARE(number->text(), QStringLiteral("5"));
    QCOMPARE(dialog.Editor().Lists().plc[1].number, 5);
    // Leaving with an edit asks 61577; Cancel stays on the message.
    TypeInto(&dialog, "ctl_1250", QStringLiteral("4"));
    Ui().Clear();
    Ui().QueueAnswer(Answer::Cancel);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(0)).center());
    QCOMPARE(Ui().QuestionTexts(),
             Texts{"You have made changes to the current message. Do you want to save them?"});
    QCOMPARE(list->currentRow(), 1);
    QCOMPARE(number->text(), QStringLiteral("4"));
  }

  void theInsertDialogTakesOnlyANumberInsideItsRange() {
    CInsertMessageDlg dialog({1, 5}, Ui());
    QVERIFY(ShowActive(dialog));
    QCOMPARE(Find<QLabel>(&dialog, "insertPrompt")->text(),
             QStringLiteral("&Enter a message number between 1 and 5:"));
    auto* field = Find<QLineEdit>(&dialog, "insertNumber");
    QCOMPARE(field->text(), QStringLiteral("4"));
    TypeInto(&dialog, "insertNumber", QStringLiteral("5"));
    Click(&dialog, "okButton");
    QCOMPARE(Ui().MessageTexts(), Texts{"Error M005: Message number is out of range"});
    QVERIFY(dialog.isVisible());
    QCOMPARE(field->text(), QStringLiteral("4"));
    QCOMPARE(FocusName(), QStringLiteral("insertNumber"));
    TypeInto(&dialog, "insertNumber", QStringLiteral("2"));
    QTest::keyClick(field, Qt::Key_Return);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.Number(), std::optional<int32_t>(2));

    // In the message editor, the button is off where no number is free.
    TOvProject project = TwoMessages();
    CPLCMessageDlg editor(project, project.panels[0], Ui());
    QVERIFY(ShowActive(editor));
    auto* list = Find<QListWidget>(&editor, "plcList");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(0)).center());
    QVERIFY(!Find<QPushButton>(&editor, "ctl_1370")->isEnabled());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(1)).center());
    QVERIFY(Find<QPushButton>(&editor, "ctl_1370")->isEnabled());
  }

  void theTreeShowsLevelsAndItsButtonsFollowTheSelection() {
    TOvProject project = world_->Project(kModelOv400);
    CPLCMessageDlg dialog(project, project.panels[0], Ui());
    QVERIFY(ShowActive(dialog));
    auto* tree = Find<QTreeWidget>(&dialog, "localTree");
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                      tree->visualItemRect(tree->topLevelItem(0)).center());
    QVERIFY(!Find<QPushButton>(&dialog, "ctl_1351")->isEnabled());  // the root
    for (int folder = 0; folder < 3; ++folder) {
      Click(&dialog, "ctl_1367");
    }
    QVERIFY(!Find<QPushButton>(&dialog, "ctl_1367")->isEnabled());  // level 3
    QVERIFY(Find<QPushButton>(&dialog, "ctl_1368")->isEnabled());
    Click(&dialog, "ctl_1368");
    QVERIFY(!Find<QPushButton>(&dialog, "ctl_1368")->isEnabled());  // a message
    QVERIFY(!Find<QPushButton>(&dialog, "ctl_1349")->isEnabled());  // at level 4
    QTreeWidgetItem* item = tree->currentItem();
    QCOMPARE(item->data(0, Qt::UserRole + 2).toInt() >> 16, 4);
    int parents = 0;
    for (QTreeWidgetItem* up = item->parent(); up != nullptr; up = up->parent()) {
      ++parents;
    }
    QCOMPARE(parents, 4);  // three folders and the root
    // A second message in the deepest folder, then that folder goes with
    // both.
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                      tree->visualItemRect(item->parent()).center());
    Click(&dialog, "ctl_1368");
    QCOMPARE(dialog.Editor().Lists().locals.size(), size_t{5});
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                      tree->visualItemRect(tree->currentItem()->parent()).center());
    Ui().Clear();
    Ui().QueueAnswer(Answer::Yes);
    QTest::keyClick(tree, Qt::Key_Delete);
    QCOMPARE(Ui().QuestionTexts(), Texts{"Delete current message and all its \nsub messages?"});
    QCOMPARE(dialog.Editor().Lists().locals.size(), size_t{2});
    SavePicture(&dialog, "dlg-144-tree");
    // Ctrl+Z in the tree brings the three back, exactly.
    QTest::keyClick(tree, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(dialog.Editor().Lists().locals.size(), size_t{5});
    QCOMPARE(tree->topLevelItem(0)->child(0)->child(0)->child(0)->childCount(), 2);
  }

  void messagesAreCopiedCutAndPastedBetweenTwoProjects() {
    TOvProject first = TwoMessages();
    TOvProject second = world_->Project(kModelOv400);
    CPLCMessageDlg source(first, first.panels[0], Ui());
    QVERIFY(ShowActive(source));
    auto* list = Find<QListWidget>(&source, "plcList");
    // Nothing on the clipboard: Paste is grey and Ctrl+V does nothing.
    QVERIFY(!source.ListMenu()->findChild<QAction*>(QStringLiteral("cmd_32804"))->isEnabled());
    list->setFocus();
    QTest::keyClick(list, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(source.Editor().Lists().plc.size(), size_t{2});
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(1)).center());
    QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
    const QMimeData* data = QApplication::clipboard()->mimeData();
    QVERIFY(data->hasFormat(QStringLiteral("Orvane")));
    QVERIFY(data->data(QStringLiteral("Orvane")).endsWith('\0'));
    QTest::keyClick(list, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(source.Editor().Lists().plc.size(), size_t{1});
    source.hide();

    CPLCMessageDlg target(second, second.panels[0], Ui());
    QVERIFY(ShowActive(target));
    auto* tree = Find<QTreeWidget>(&target, "localTree");
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                      tree->visualItemRect(tree->topLevelItem(0)).center());
    std::unique_ptr<QMenu> menu = target.TreeMenu();
    QAction* paste = menu->findChild<QAction*>(QStringLiteral("cmd_32807"));
    QVERIFY(paste->isEnabled());
    paste->trigger();
    QCOMPARE(tree->topLevelItem(0)->childCount(), 1);
    QCOMPARE(tree->topLevelItem(0)->child(0)->text(0), QStringLiteral("MESSAGE 5"));
    auto* targetList = Find<QListWidget>(&target, "plcList");
    targetList->setFocus();
    QTest::keyClick(targetList, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(targetList->count(), 1);
    QCOMPARE(targetList->item(0)->text(), QStringLiteral("001: MESSAGE 5"));
    Click(&target, "okButton");
    QVERIFY(!target.isVisible());
    QCOMPARE(second.panels[0].messages.size(), size_t{2});
    QCOMPARE(second.panels[0].messages[1].number, 256);
    QCOMPARE(second.panels[0].firstMessageNumber, 2);
    QVERIFY(second.changed);
  }
};

}  // namespace orvane::testing

QTEST_MAIN(orvane::testing::MessageDialogTest)
#include "MessageDialogTest.moc"
