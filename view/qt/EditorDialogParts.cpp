#include "view/qt/EditorDialogParts.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>

namespace orvane {

QString ControlName(int id) {
  return QStringLiteral("ctl_%1").arg(id);
}

QDialogButtonBox* OkCancelHelp(QDialog* dialog) {
  auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel |
                                   QDialogButtonBox::Help);
  box->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("okButton"));
  box->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancelButton"));
  box->button(QDialogButtonBox::Help)->setObjectName(QStringLiteral("helpButton"));
  QObject::connect(box, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
  QObject::connect(box, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
  return box;
}

QLabel* BuddyLabel(const QString& text, QWidget* buddy) {
  auto* label = new QLabel(text);
  label->setBuddy(buddy);
  return label;
}

}  // namespace orvane
