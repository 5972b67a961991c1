#include "view/qt/CInsertMessageDlg.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "view/qt/AddressFields.h"
#include "view/qt/EditorDialogParts.h"

namespace orvane {

CInsertMessageDlg::CInsertMessageDlg(const InsertRange& range, UserInterface& ui, QWidget* parent)
    : QDialog(parent), range_(range), ui_(ui) {
  setObjectName(QStringLiteral("dlg_240"));
  setWindowTitle(QStringLiteral("Insert Message"));
  field_ = new QLineEdit(QString::number(range.high - 1));
  field_->setObjectName(QStringLiteral("insertNumber"));
  field_->setMaxLength(3);
  auto* prompt = BuddyLabel(QString::fromStdString(InsertPromptText(range)), field_);
  prompt->setObjectName(QStringLiteral("insertPrompt"));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("okButton"));
  buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancelButton"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(prompt);
  layout->addWidget(field_);
  layout->addWidget(buttons);
  field_->selectAll();
  field_->setFocus();
}

void CInsertMessageDlg::accept() {
  number_ = CheckInsertNumber(field_->text().toStdString(), range_, ui_);
  if (!number_) {
    field_->setText(QString::number(range_.high - 1));
    FocusForCorrection(field_);
    return;
  }
  QDialog::accept();
}

std::optional<int32_t> CInsertMessageDlg::Ask(const InsertRange& range, UserInterface& ui,
                                              QWidget* parent) {
  CInsertMessageDlg dialog(range, ui, parent);
  if (dialog.exec() != QDialog::Accepted) {
    return std::nullopt;
  }
  return dialog.Number();
}

}  // namespace orvane
