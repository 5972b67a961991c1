#include "plugins/common/kit/QtCombo.h"

namespace orvane::plugin {

// Attribute texts are plain 8-bit text.
int QtCombo::AddString(const char* text) {
  const bool wasUnselected = box_.currentIndex() < 0;
  box_.addItem(QString::fromLatin1(text));
  if (wasUnselected) {
    box_.setCurrentIndex(-1);
  }
  return box_.count() - 1;
}

void QtCombo::ResetContent() {
  box_.clear();
}

int QtCombo::SelectString(const char* text) {
  const int index = box_.findText(QString::fromLatin1(text), Qt::MatchExactly);
  if (index < 0) {
    return kError;
  }
  box_.setCurrentIndex(index);
  return index;
}

int QtCombo::SetCurSel(int index) {
  if (index < 0 || index >= box_.count()) {
    return kError;
  }
  box_.setCurrentIndex(index);
  return index;
}

int QtCombo::GetCurSel() const {
  const int index = box_.currentIndex();
  return index < 0 ? kError : index;
}

std::string QtCombo::GetLBText(int index) const {
  if (index < 0 || index >= box_.count()) {
    return {};
  }
  return box_.itemText(index).toLatin1().toStdString();
}

int QtCombo::GetCount() const {
  return box_.count();
}

}  // namespace orvane::plugin
