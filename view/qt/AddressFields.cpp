#include "view/qt/AddressFields.h"

#include "project/TOvTagMap.h"

namespace orvane {

QString FromBytes(const std::string& bytes) {
  return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::string ToBytes(const QString& text) {
  const QByteArray bytes = text.toLatin1();
  return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

void FocusForCorrection(QWidget* field) {
  field->window()->activateWindow();
  field->setFocus(Qt::OtherFocusReason);
  auto* edit = qobject_cast<QLineEdit*>(field);
  if (auto* combo = qobject_cast<QComboBox*>(field); combo != nullptr && combo->isEditable()) {
    edit = combo->lineEdit();
  }
  if (edit != nullptr) {
    edit->selectAll();
  }
}

CPlcAddressEdit::CPlcAddressEdit(QWidget* parent) : QLineEdit(parent) {
  // Longer than any driver's address text.
  setMaxLength(199);
}

std::string CPlcAddressEdit::FieldText() const {
  std::string text = ToBytes(this->text());
  for (char& c : text) {
    if (c == '\t') {
      c = ' ';
    }
  }
  return text;
}

void CPlcAddressEdit::SetFieldText(const std::string& text) {
  setText(FromBytes(text));
}

void CPlcAddressEdit::FocusForCorrection() {
  orvane::FocusForCorrection(this);
}

CTandryCombo::CTandryCombo(const TOvTagMap& table, QWidget* parent) : QComboBox(parent) {
  for (const auto& [name, fieldText] : TagNameChoices(table)) {
    addItem(FromBytes(name), FromBytes(fieldText));
  }
  setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  setMinimumContentsLength(12);
}

std::string CTandryCombo::FieldText() const {
  return ToBytes(currentData().toString());
}

void CTandryCombo::SetFieldText(const std::string& text) {
  const FieldAddress address = SplitFieldText(text);
  const int index = address.tagName.empty() ? -1 : findText(FromBytes(address.tagName));
  setCurrentIndex(index > 0 ? index : 0);
}

void CTandryCombo::FocusForCorrection() {
  orvane::FocusForCorrection(this);
}

AddressField* MakeAddressField(AddressFieldKind kind, const TOvTagMap& table, QWidget* parent) {
  if (kind == AddressFieldKind::TagName) {
    return new CTandryCombo(table, parent);
  }
  return new CPlcAddressEdit(parent);
}

CDataTypeComboBox::CDataTypeComboBox(DataTypeOrder order, QWidget* parent)
    : QComboBox(parent), order_(order) {
  for (const std::string& text : DataTypeTexts(order)) {
    addItem(QString::fromStdString(text));
  }
}

uint32_t CDataTypeComboBox::DataType() const {
  return DataTypeAt(order_, currentIndex());
}

void CDataTypeComboBox::SetDataType(uint32_t dataType) {
  setCurrentIndex(DataTypePosition(order_, dataType));
}

}  // namespace orvane
