#include "view/qt/CUpgdeFirmDlg.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/Settings.h"
#include "view/qt/QtUserInterface.h"

namespace orvane {

std::optional<std::string> ChooseFirmwareImage(QWidget* parent, FirmwareTarget target) {
  return ChooseFirmwareImage(parent, target, AppSettings());
}

std::optional<std::string> ChooseFirmwareImage(QWidget* parent, FirmwareTarget target,
                                               Settings& settings) {
  CUpgdeFirmDlg dialog(settings, target, parent);
  if (dialog.exec() != QDialog::Accepted) {
    return std::nullopt;
  }
  return dialog.Path();
}

CUpgdeFirmDlg::CUpgdeFirmDlg(Settings& settings, FirmwareTarget target, QWidget* parent)
    : QDialog(parent), choice_(settings, target) {
  setObjectName(QStringLiteral("upgradeFirmwareDialog"));
  setWindowTitle(QString::fromStdString(choice_.Caption()));

  auto* hint = new QLabel(QString::fromStdString(choice_.Hint()));
  hint->setObjectName(QStringLiteral("firmwareHint"));
  hint->setWordWrap(true);
  hint->setTextFormat(Qt::PlainText);

  auto* label = new QLabel(QStringLiteral("&Firmware file:"));
  path_ = new QLineEdit;
  path_->setObjectName(QStringLiteral("firmwarePath"));
  path_->setMinimumWidth(path_->fontMetrics().averageCharWidth() * 48);
  label->setBuddy(path_);
  auto* browse = new QPushButton(QStringLiteral("&Browse..."));
  browse->setObjectName(QStringLiteral("browseButton"));
  browse->setAutoDefault(false);
  connect(browse, &QPushButton::clicked, this, &CUpgdeFirmDlg::Browse);
  auto* row = new QHBoxLayout;
  row->addWidget(path_, 1);
  row->addWidget(browse);

  error_ = new QLabel;
  error_->setObjectName(QStringLiteral("firmwareError"));
  error_->setWordWrap(true);
  error_->setTextFormat(Qt::PlainText);
  QPalette palette = error_->palette();
  palette.setColor(QPalette::WindowText, QColor(176, 0, 0));
  error_->setPalette(palette);
  error_->hide();
  // A new path is a new choice: the refusal of the old one goes.
  connect(path_, &QLineEdit::textEdited, error_, &QWidget::hide);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("okButton"));
  buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancelButton"));
  connect(buttons, &QDialogButtonBox::accepted, this, &CUpgdeFirmDlg::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(hint);
  layout->addSpacing(6);
  layout->addWidget(label);
  layout->addLayout(row);
  layout->addWidget(error_);
  layout->addStretch(1);
  layout->addWidget(buttons);
  path_->setFocus();
  resize(600, 0);
  FitHeight();
}

void CUpgdeFirmDlg::FitHeight() {
  // The wrapped texts need their height at the dialog's width; the dialog
  // grows as a refusal shows under the path.
  layout()->activate();
  const int height = layout()->totalHeightForWidth(width());
  if (height > this->height()) {
    resize(width(), height);
  }
}

std::string CUpgdeFirmDlg::Path() const {
  return path_->text().toStdString();
}

void CUpgdeFirmDlg::Browse() {
  QFileDialog dialog(this, QStringLiteral("Open"));
  dialog.setObjectName(QStringLiteral("fileDialog"));
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setNameFilters(QtNameFilters(kFirmwareFileFilter));
  const std::filesystem::path start = choice_.StartFolder();
  dialog.setDirectory(start.empty() ? QDir::current() : QDir(QString::fromStdString(start)));
  // Unlike the other choosers, this one leaves the current folder alone:
  // the traces of the upgrade go where the project's work goes.
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
    return;
  }
  const QString chosen = QDir::toNativeSeparators(dialog.selectedFiles().constFirst());
  path_->setText(chosen);
  error_->hide();
  choice_.Chosen(chosen.toStdString());
}

void CUpgdeFirmDlg::accept() {
  const std::optional<std::string> refusal = choice_.Check(Path());
  if (refusal) {
    error_->setText(QString::fromStdString(*refusal));
    error_->show();
    FitHeight();
    path_->setFocus();
    path_->selectAll();
    return;
  }
  QDialog::accept();
}

}  // namespace orvane
