#include "view/qt/SelectPanelDialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/StringTable.h"
#include "project/PanelModels.h"
#include "view/qt/PanelPicture.h"

namespace orvane {

SelectPanelDialog::SelectPanelDialog(QWidget* parent, int32_t preselected) : QDialog(parent) {
  setObjectName(QStringLiteral("dlg_102"));
  setWindowTitle(QStringLiteral("Select Panel"));
  list_ = new QListWidget;
  list_->setObjectName(QStringLiteral("modelList"));
  for (int32_t model = kModelOv200; model <= kModelOvSP; ++model) {
    auto* item = new QListWidgetItem(QString::fromUtf8(PanelModel(model).name), list_);
    item->setData(Qt::UserRole, model);
  }
  list_->setFixedWidth(list_->sizeHintForColumn(0) + 40);
  picture_ = new PanelPicture;
  description_ = new QLabel;
  description_->setObjectName(QStringLiteral("modelDescription"));
  description_->setTextFormat(Qt::PlainText);
  description_->setWordWrap(true);
  description_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
  description_->setMinimumHeight(description_->fontMetrics().lineSpacing() * 5);

  auto* right = new QVBoxLayout;
  right->addWidget(picture_, 1);
  right->addWidget(description_);
  auto* row = new QHBoxLayout;
  row->addWidget(list_);
  row->addLayout(right, 1);

  auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  box->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("okButton"));
  box->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancelButton"));
  connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
  // A double click on a model picks it.
  connect(list_, &QListWidget::itemActivated, this, &QDialog::accept);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(row, 1);
  layout->addWidget(box);

  connect(list_, &QListWidget::currentRowChanged, this, &SelectPanelDialog::ShowSelected);
  const int row0 = preselected >= kModelOv200 && preselected <= kModelOvSP ? preselected - 1 : 0;
  list_->setCurrentRow(row0);
  list_->setFocus();
  resize(620, 300);
}

int32_t SelectPanelDialog::Model() const {
  const QListWidgetItem* item = list_->currentItem();
  return item != nullptr ? item->data(Qt::UserRole).toInt() : kModelOv200;
}

void SelectPanelDialog::ShowSelected() {
  const int32_t model = Model();
  picture_->SetModel(model);
  description_->setText(QString::fromUtf8(LoadString(PanelModel(model).descriptionId)));
}

}  // namespace orvane
