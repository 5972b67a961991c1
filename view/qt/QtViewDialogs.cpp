#include "view/qt/QtViewDialogs.h"

#include <QApplication>

#include "view/qt/AddressLogDialog.h"
#include "view/qt/SelectPanelDialog.h"

namespace orvane {

QWidget* QtViewDialogs::Parent() const {
  if (QWidget* modal = QApplication::activeModalWidget()) {
    return modal;
  }
  return parent_ ? parent_.data() : QApplication::activeWindow();
}

std::optional<int32_t> QtViewDialogs::SelectPanelModel(int32_t preselected) {
  SelectPanelDialog dialog(Parent(), preselected);
  if (dialog.exec() != QDialog::Accepted) {
    return std::nullopt;
  }
  return dialog.Model();
}

void QtViewDialogs::ShowAddressConversionLog(const std::vector<std::string>& lines) {
  AddressLogDialog dialog(ui_, Parent(), lines);
  dialog.exec();
}

}  // namespace orvane
