#include "view/qt/PanelStatusDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "view/PanelCommands.h"
#include "view/PanelStatusView.h"
#include "view/qt/PanelPicture.h"

namespace orvane {

void ShowPanelStatus(QWidget* parent, const DeviceStatus& status) {
  PanelStatusDialog dialog(status, parent);
  dialog.exec();
}

PanelStatusDialog::PanelStatusDialog(const DeviceStatus& status, QWidget* parent)
    : QDialog(parent) {
  const PanelStatusView view = StatusViewOf(status);
  setObjectName(QStringLiteral("panelStatus"));
  setWindowTitle(QString::fromStdString(view.caption));

  auto* picture = new PanelPicture;
  picture->SetModel(view.pictureModel);
  picture->setMinimumSize(260, 130);

  auto* form = new QFormLayout;
  form->setLabelAlignment(Qt::AlignLeft);
  int row = 0;
  for (const StatusField& field : view.fields) {
    auto* value = new QLabel(QString::fromStdString(field.value));
    value->setObjectName(QStringLiteral("statusValue%1").arg(row++));
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont bold = value->font();
    bold.setBold(true);
    value->setFont(bold);
    form->addRow(QString::fromStdString(field.label), value);
  }

  auto* description = new QLabel(QString::fromStdString(view.description));
  description->setObjectName(QStringLiteral("statusDescription"));
  description->setTextFormat(Qt::PlainText);
  description->setWordWrap(true);
  description->setVisible(!view.description.empty());

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
  buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("okButton"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

  auto* top = new QHBoxLayout;
  top->addWidget(picture, 1);
  top->addSpacing(12);
  top->addLayout(form);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top, 1);
  layout->addWidget(description);
  layout->addWidget(buttons);
}

}  // namespace orvane
