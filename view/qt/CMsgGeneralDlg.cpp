#include "view/qt/CMsgGeneralDlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "project/TOvProject.h"
#include "view/qt/AddressFields.h"
#include "view/qt/EditorDialogParts.h"
#include "view/qt/HelpFiles.h"

namespace orvane {
namespace {

constexpr std::array<const char*, kLineRegisterCount> kLineLabels = {
    "Line &One:", "Line T&wo:", "Line T&hree:", "Line &Four:"};
constexpr std::array<const char*, kLineRegisterCount> kLineNames = {"lineOne", "lineTwo",
                                                                    "lineThree", "lineFour"};
// The local password: up to ten digits (0 to 4294967295).
constexpr int kPasswordDigits = 10;

}  // namespace

CMsgGeneralDlg::CMsgGeneralDlg(TOvProject& project, TOvPanel& panel, UserInterface& ui,
                               QWidget* parent)
    : QDialog(parent), setup_(project, panel, ui), project_(project), ui_(ui) {
  setObjectName(QStringLiteral("dlg_150"));
  setWindowTitle(QStringLiteral("Panel System PLC Address Setup"));
  const TOvTagMap& table = TagMapFor(project, panel);

  auto* linesBox = new QGroupBox(QStringLiteral("Message Number PLC Addresses"));
  auto* linesGrid = new QGridLayout(linesBox);
  linesGrid->addWidget(new QLabel(QStringLiteral("PLC Address")), 0, 1);
  linesGrid->addWidget(new QLabel(QStringLiteral("Data Type")), 0, 2);
  for (size_t line = 0; line < lines_.size(); ++line) {
    lines_[line] = MakeAddressField(setup_.Kind(), table);
    lines_[line]->Widget()->setObjectName(QString::fromUtf8(kLineNames[line]));
    lineTypes_[line] = new CDataTypeComboBox(DataTypeOrder::ByCode);
    lineTypes_[line]->setObjectName(QString::fromUtf8(kLineNames[line]) + QStringLiteral("Type"));
    const bool inUse = setup_.LineInUse(static_cast<int>(line) + 1);
    QLabel* label = BuddyLabel(QString::fromUtf8(kLineLabels[line]), lines_[line]->Widget());
    for (QWidget* widget : {static_cast<QWidget*>(label), lines_[line]->Widget(),
                            static_cast<QWidget*>(lineTypes_[line])}) {
      widget->setEnabled(inUse);
    }
    const int row = static_cast<int>(line) + 1;
    linesGrid->addWidget(label, row, 0);
    linesGrid->addWidget(lines_[line]->Widget(), row, 1);
    linesGrid->addWidget(lineTypes_[line], row, 2);
  }
  linesGrid->setColumnStretch(1, 1);

  auto* passwordBox = new QGroupBox(QStringLiteral("Passwords"));
  auto* passwordGrid = new QGridLayout(passwordBox);
  localPassword_ = new QLineEdit;
  localPassword_->setObjectName(QStringLiteral("localPassword"));
  localPassword_->setMaxLength(kPasswordDigits);
  localPassword_->setValidator(new QRegularExpressionValidator(
      QRegularExpression(QStringLiteral("[0-9]{0,10}")), localPassword_));
  passwordRegister_ = MakeAddressField(setup_.Kind(), table);
  passwordRegister_->Widget()->setObjectName(QStringLiteral("passwordRegister"));
  passwordType_ = new CDataTypeComboBox(DataTypeOrder::ByCode);
  passwordType_->setObjectName(QStringLiteral("passwordType"));
  QLabel* localLabel = BuddyLabel(QStringLiteral("&Local Password:"), localPassword_);
  QLabel* registerLabel =
      BuddyLabel(QStringLiteral("&PLC Password\nRegister: "), passwordRegister_->Widget());
  QLabel* typeLabel = BuddyLabel(QStringLiteral("&DATA Type"), passwordType_);
  passwordGrid->addWidget(localLabel, 0, 0);
  passwordGrid->addWidget(localPassword_, 0, 1);
  passwordGrid->addWidget(registerLabel, 1, 0);
  passwordGrid->addWidget(passwordRegister_->Widget(), 1, 1);
  passwordGrid->addWidget(typeLabel, 1, 2);
  passwordGrid->addWidget(passwordType_, 1, 3);
  passwordGrid->setColumnStretch(1, 1);
  for (QWidget* widget : {static_cast<QWidget*>(localLabel), static_cast<QWidget*>(localPassword_),
                          static_cast<QWidget*>(registerLabel), passwordRegister_->Widget(),
                          static_cast<QWidget*>(typeLabel), static_cast<QWidget*>(passwordType_)}) {
    widget->setEnabled(setup_.PasswordsInUse());
  }

  beeper_ = new QCheckBox(QStringLiteral("Enable Beeper"));
  beeper_->setObjectName(QStringLiteral("beeper"));
  messageDelay_ = new QCheckBox(QStringLiteral("PLC Message Delay"));
  messageDelay_->setObjectName(QStringLiteral("messageDelay"));
  cursor_ = new QCheckBox(QStringLiteral("Display cursor when a PLC\nmessage is displayed"));
  cursor_->setObjectName(QStringLiteral("cursorOnMessage"));
  auto* flags = new QHBoxLayout;
  flags->addWidget(beeper_);
  flags->addWidget(messageDelay_);
  flags->addWidget(cursor_);
  flags->addStretch(1);

  QDialogButtonBox* buttons = OkCancelHelp(this);
  connect(buttons->button(QDialogButtonBox::Help), &QPushButton::clicked, this,
          [this] { OpenPlcHelp(project_, ui_); });

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(linesBox);
  layout->addWidget(passwordBox);
  layout->addLayout(flags);
  layout->addWidget(buttons);

  Show(setup_.Fields());
  lines_[0]->Widget()->setFocus();
}

void CMsgGeneralDlg::Show(const SystemAddressFields& fields) {
  for (size_t line = 0; line < lines_.size(); ++line) {
    lines_[line]->SetFieldText(fields.lines[line]);
    lineTypes_[line]->SetDataType(fields.lineTypes[line]);
  }
  localPassword_->setText(QString::fromStdString(fields.localPassword));
  passwordRegister_->SetFieldText(fields.passwordRegister);
  passwordType_->SetDataType(fields.passwordType);
  beeper_->setChecked(fields.beeper);
  messageDelay_->setChecked(fields.messageDelay);
  cursor_->setChecked(fields.cursor);
}

SystemAddressFields CMsgGeneralDlg::Shown() const {
  SystemAddressFields fields;
  for (size_t line = 0; line < lines_.size(); ++line) {
    fields.lines[line] = lines_[line]->FieldText();
    fields.lineTypes[line] = lineTypes_[line]->DataType();
  }
  fields.localPassword = localPassword_->text().toStdString();
  fields.passwordRegister = passwordRegister_->FieldText();
  fields.passwordType = passwordType_->DataType();
  fields.beeper = beeper_->isChecked();
  fields.messageDelay = messageDelay_->isChecked();
  fields.cursor = cursor_->isChecked();
  return fields;
}

void CMsgGeneralDlg::accept() {
  if (setup_.Accept(Shown())) {
    QDialog::accept();
    return;
  }
  switch (setup_.FailedField()) {
    case SystemAddressField::Line1:
    case SystemAddressField::Line2:
    case SystemAddressField::Line3:
    case SystemAddressField::Line4:
      lines_[static_cast<size_t>(static_cast<int>(setup_.FailedField()) -
                                 static_cast<int>(SystemAddressField::Line1))]
          ->FocusForCorrection();
      break;
    case SystemAddressField::PasswordRegister:
      passwordRegister_->FocusForCorrection();
      break;
    case SystemAddressField::LocalPassword:
      FocusForCorrection(localPassword_);
      break;
    case SystemAddressField::None:
      break;
  }
}

}  // namespace orvane
