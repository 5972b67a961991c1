#include "view/qt/AddressLogDialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "base/StringTable.h"
#include "base/UserInterface.h"
#include "plchost/AddressConversionLog.h"
#include "view/LogFiles.h"

namespace orvane {

AddressLogDialog::AddressLogDialog(UserInterface& ui, QWidget* parent,
                                   std::vector<std::string> lines)
    : QDialog(parent), ui_(ui), lines_(std::move(lines)) {
  setObjectName(QStringLiteral("dlg_199"));
  setWindowTitle(QStringLiteral("Address conversion log"));
  table_ = new QTableWidget(0, 3);
  table_->setObjectName(QStringLiteral("ctl_1280"));
  table_->setHorizontalHeaderLabels({QString::fromUtf8(LoadString(strings::kOldAddress)),
                                     QString::fromUtf8(LoadString(strings::kNewAddress)),
                                     QString::fromUtf8(LoadString(strings::kRemarks))});
  table_->setShowGrid(true);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->verticalHeader()->hide();
  for (const AddressLogRow& row : AddressLogRows(lines_)) {
    const int at = table_->rowCount();
    table_->insertRow(at);
    table_->setItem(at, 0, new QTableWidgetItem(QString::fromStdString(row.oldAddress)));
    table_->setItem(at, 1, new QTableWidgetItem(QString::fromStdString(row.newAddress)));
    table_->setItem(at, 2, new QTableWidgetItem(QString::fromStdString(row.remark)));
  }
  auto* box = new QDialogButtonBox;
  auto* save = box->addButton(QStringLiteral("&Save..."), QDialogButtonBox::ActionRole);
  save->setObjectName(QStringLiteral("saveButton"));
  connect(save, &QPushButton::clicked, this, [this] { Save(); });
  auto* ok = box->addButton(QDialogButtonBox::Ok);
  ok->setObjectName(QStringLiteral("okButton"));
  connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(table_);
  layout->addWidget(box);
  resize(600, 320);
}

void AddressLogDialog::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  // Each column a third of the list's width.
  const int third = table_->viewport()->width() / 3;
  for (int column = 0; column < 3; ++column) {
    table_->setColumnWidth(column, third);
  }
}

bool AddressLogDialog::Save() {
  const std::optional<std::string> path = ChooseLogFile(ui_);
  if (!path) {
    return false;
  }
  std::string error;
  if (!SaveAddressLogFile(*path, lines_, &error)) {
    ui_.Show("Unable to save the log.\n" + error, Icon::Stop, "Error");
    return false;
  }
  return true;
}

}  // namespace orvane
