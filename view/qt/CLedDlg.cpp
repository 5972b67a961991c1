#include "view/qt/CLedDlg.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "project/TOvProject.h"
#include "view/qt/AddressFields.h"
#include "view/qt/EditorDialogParts.h"
#include "view/qt/HelpFiles.h"

namespace orvane {
namespace {

// The bits of the two words: bits 8 to 12 carry the keys and the LEDs,
// bits 0 to 4 the panel's acknowledges and the PLC's releases.
constexpr int kKeyBits = 8;
constexpr int kReleaseBits = 0;

QComboBox* ChoiceCombo(const std::array<const char*, 3>& texts, int id) {
  auto* combo = new QComboBox;
  combo->setObjectName(ControlName(id));
  for (const char* text : texts) {
    combo->addItem(QString::fromUtf8(text));
  }
  return combo;
}

}  // namespace

CLedDlg::CLedDlg(TOvProject& project, TOvPanel& panel, UserInterface& ui, const QString& objectName,
                 QWidget* parent)
    : QDialog(parent), setup_(project, panel, ui), project_(project), ui_(ui) {
  setObjectName(objectName);
  setWindowTitle(QStringLiteral("Buttons / LEDs"));

  QDialogButtonBox* buttons = OkCancelHelp(this);
  connect(buttons->button(QDialogButtonBox::Help), &QPushButton::clicked, this,
          [this] { OpenPlcHelp(project_, ui_); });
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(BuildKeys());
  layout->addWidget(BuildWords(TagMapFor(project, panel)));
  layout->addWidget(BuildBits(NumbersBitsInOctal(project)));
  layout->addWidget(buttons);
  actions_[0]->setFocus();
}

QWidget* CLedDlg::BuildKeys() {
  auto* box = new QGroupBox(QStringLiteral("Function Keys and LEDs"));
  auto* grid = new QGridLayout(box);
  grid->addWidget(new QLabel(QStringLiteral("Button action")), 0, 1);
  grid->addWidget(new QLabel(QStringLiteral("LED control")), 0, 3);
  for (int key = 1; key <= kKeyCount; ++key) {
    const auto at = static_cast<size_t>(key - 1);
    actions_[at] = ChoiceCombo(kButtonActionTexts, keys_leds::kFirstButtonAction + key - 1);
    modes_[at] = ChoiceCombo(kLedModeTexts, keys_leds::kFirstLedMode + key - 1);
    actions_[at]->setCurrentIndex(setup_.ButtonAction(key));
    modes_[at]->setCurrentIndex(setup_.LedMode(key));
    // The panel takes a choice at once; Cancel puts the old ones back.
    connect(actions_[at], &QComboBox::currentIndexChanged, this,
            [this, key](int index) { setup_.SetButtonAction(key, index); });
    connect(modes_[at], &QComboBox::currentIndexChanged, this,
            [this, key](int index) { setup_.SetLedMode(key, index); });
    grid->addWidget(BuddyLabel(QStringLiteral("F&%1").arg(key), actions_[at]), key, 0);
    grid->addWidget(actions_[at], key, 1);
    grid->addWidget(BuddyLabel(QStringLiteral("LED %1").arg(key), modes_[at]), key, 2);
    grid->addWidget(modes_[at], key, 3);
  }
  grid->setColumnStretch(1, 1);
  grid->setColumnStretch(3, 1);
  return box;
}

QWidget* CLedDlg::BuildWords(const TOvTagMap& table) {
  auto* box = new QGroupBox(QStringLiteral("PLC Words"));
  auto* grid = new QGridLayout(box);
  ledWord_ = MakeAddressField(setup_.Kind(), table);
  ledWord_->Widget()->setObjectName(ControlName(keys_leds::kLedWord));
  ledWord_->SetFieldText(setup_.LedWordText());
  buttonWord_ = MakeAddressField(setup_.Kind(), table);
  buttonWord_->Widget()->setObjectName(ControlName(keys_leds::kButtonWord));
  buttonWord_->SetFieldText(setup_.ButtonWordText());
  grid->addWidget(BuddyLabel(QStringLiteral("Bit Read (&LED's):"), ledWord_->Widget()), 0, 0);
  grid->addWidget(ledWord_->Widget(), 0, 1);
  grid->addWidget(new QLabel(QStringLiteral("the panel reads it")), 0, 2);
  grid->addWidget(BuddyLabel(QStringLiteral("Bit Write (B&uttons):"), buttonWord_->Widget()), 1, 0);
  grid->addWidget(buttonWord_->Widget(), 1, 1);
  grid->addWidget(new QLabel(QStringLiteral("the panel writes it")), 1, 2);
  grid->setColumnStretch(1, 1);
  return box;
}

QWidget* CLedDlg::BuildBits(bool octal) {
  auto* box = new QGroupBox(QStringLiteral("Bits of the words"));
  box->setObjectName(QStringLiteral("wordBits"));
  auto* grid = new QGridLayout(box);
  grid->setHorizontalSpacing(14);
  struct Row {
    const char* word;
    const char* meaning;
    int firstBit;
  };
  constexpr Row kRows[] = {
      {"Bit Write (Buttons)", "F%1 pressed", kKeyBits},
      {"Bit Write (Buttons)", "ACK %1", kReleaseBits},
      {"Bit Read (LED's)", "LED %1", kKeyBits},
      {"Bit Read (LED's)", "REL %1", kReleaseBits},
  };
  for (int key = 1; key <= kKeyCount; ++key) {
    auto* header = new QLabel(QStringLiteral("Key %1").arg(key));
    header->setAlignment(Qt::AlignCenter);
    grid->addWidget(header, 0, key);
  }
  int row = 1;
  for (const Row& entry : kRows) {
    grid->addWidget(new QLabel(QStringLiteral("%1, %2").arg(
                        QString::fromUtf8(entry.word),
                        QString::fromUtf8(entry.meaning).arg(QStringLiteral("n")))),
                    row, 0);
    for (int key = 1; key <= kKeyCount; ++key) {
      auto* bit = new QLabel(QString::fromStdString(WordBitLabel(entry.firstBit + key - 1, octal)));
      bit->setAlignment(Qt::AlignCenter);
      bit->setFrameShape(QFrame::StyledPanel);
      bit->setToolTip(QString::fromUtf8(entry.meaning).arg(key));
      grid->addWidget(bit, row, key);
    }
    ++row;
  }
  auto* note = new QLabel(
      QStringLiteral("An alternate button is turned off by pressing it again or when the PLC "
                     "turns its release bit (REL) on; the panel then sets its ACK bit."));
  note->setWordWrap(true);
  grid->addWidget(note, row, 0, 1, kKeyCount + 1);
  return box;
}

void CLedDlg::accept() {
  if (setup_.Accept(ledWord_->FieldText(), buttonWord_->FieldText())) {
    QDialog::accept();
    return;
  }
  (setup_.FailedField() == KeysLedsField::LedWord ? ledWord_ : buttonWord_)->FocusForCorrection();
}

void CLedDlg::reject() {
  setup_.Cancel();
  QDialog::reject();
}

}  // namespace orvane
