#include "app/AboutDialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/StringTable.h"
#include "project/PanelModels.h"
#include "view/qt/PanelPicture.h"

namespace orvane {

AboutDialog::AboutDialog(const QString& version, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("dlg_100"));
  setWindowTitle(QStringLiteral("About %1").arg(QString::fromUtf8(LoadString(strings::kAppTitle))));
  auto* picture = new PanelPicture;
  picture->SetModel(kModelOv200);
  picture->setFixedSize(140, 76);
  auto* text = new QLabel(QString::fromStdString(
      FormatText(LoadString(strings::kAboutVersion), version.toStdString().c_str())));
  text->setObjectName(QStringLiteral("versionText"));
  auto* row = new QHBoxLayout;
  row->addWidget(picture);
  row->addWidget(text, 1);
  auto* box = new QDialogButtonBox(QDialogButtonBox::Ok);
  box->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("okButton"));
  connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(row);
  layout->addWidget(box);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace orvane
