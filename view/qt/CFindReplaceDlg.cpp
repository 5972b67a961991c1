#include "view/qt/CFindReplaceDlg.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "view/qt/EditorDialogParts.h"

namespace orvane {

CFindReplaceDlg::CFindReplaceDlg(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("findReplace"));
  setWindowTitle(QStringLiteral("Find and Replace"));
  what_ = new QLineEdit;
  what_->setObjectName(QStringLiteral("findWhat"));
  with_ = new QLineEdit;
  with_->setObjectName(QStringLiteral("replaceWith"));
  for (QLineEdit* edit : {what_, with_}) {
    edit->setMaxLength(20);
  }
  matchCase_ = new QCheckBox(QStringLiteral("Match &case"));
  matchCase_->setObjectName(QStringLiteral("matchCase"));
  status_ = new QLabel;
  status_->setObjectName(QStringLiteral("findStatus"));
  status_->setWordWrap(true);
  auto* find = new QPushButton(QStringLiteral("&Find Next"));
  find->setObjectName(QStringLiteral("findNext"));
  find->setDefault(true);
  auto* replace = new QPushButton(QStringLiteral("Replace &All"));
  replace->setObjectName(QStringLiteral("replaceAll"));
  replace->setAutoDefault(false);
  auto* close = new QPushButton(QStringLiteral("Close"));
  close->setObjectName(QStringLiteral("closeButton"));
  close->setAutoDefault(false);
  connect(find, &QPushButton::clicked, this, [this] {
    status_->clear();
    emit FindNext(what_->text(), matchCase_->isChecked());
  });
  connect(replace, &QPushButton::clicked, this, [this] {
    status_->clear();
    emit ReplaceAll(what_->text(), with_->text(), matchCase_->isChecked());
  });
  connect(close, &QPushButton::clicked, this, &QDialog::reject);

  auto* grid = new QGridLayout(this);
  grid->addWidget(BuddyLabel(QStringLiteral("Fi&nd what:"), what_), 0, 0);
  grid->addWidget(what_, 0, 1);
  grid->addWidget(find, 0, 2);
  grid->addWidget(BuddyLabel(QStringLiteral("Re&place with:"), with_), 1, 0);
  grid->addWidget(with_, 1, 1);
  grid->addWidget(replace, 1, 2);
  grid->addWidget(matchCase_, 2, 1);
  grid->addWidget(close, 2, 2);
  grid->addWidget(status_, 3, 0, 1, 3);
  grid->setColumnStretch(1, 1);
}

void CFindReplaceDlg::SetStatus(const QString& status) {
  status_->setText(status);
}

}  // namespace orvane
