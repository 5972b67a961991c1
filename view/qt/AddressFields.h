// The address fields of the editors in Qt: a free-text edit for the PLCs
// addressed by text, a combo of the tag map's names for Think & Do
// (CTandryCombo), and the data type combo beside them. They only show and
// hand over texts; view/AddressEntry.h decides what the texts mean.
#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QString>
#include <string>

#include "view/AddressEntry.h"

namespace orvane {

struct TOvTagMap;

/// The panel's texts are 8-bit characters: one byte, one character.
QString FromBytes(const std::string& bytes);
/// Characters beyond 8 bits become '?'.
std::string ToBytes(const QString& text);

/// Puts the focus on a field the user must correct, with its text selected
/// (a combo's edit too). Its window is activated first: the message box
/// that said why may have left no window active.
void FocusForCorrection(QWidget* field);

/// One address field, whichever widget it is.
class AddressField {
 public:
  virtual ~AddressField() = default;

  virtual QWidget* Widget() = 0;
  /// What the field hands to the editors: the typed text, or "%s\t%s" with
  /// the chosen tag name and its map remainder ("" for the empty entry).
  virtual std::string FieldText() const = 0;
  /// Shows a field text (FieldTextOf's form).
  virtual void SetFieldText(const std::string& text) = 0;
  /// After a refused check: the focus, with the text selected.
  virtual void FocusForCorrection() = 0;
};

/// The free-text field.
class CPlcAddressEdit final : public QLineEdit, public AddressField {
  Q_OBJECT

 public:
  explicit CPlcAddressEdit(QWidget* parent = nullptr);

  QWidget* Widget() override { return this; }
  /// The text as typed; a TAB (pasted) would read as a tag name and
  /// becomes a blank.
  std::string FieldText() const override;
  void SetFieldText(const std::string& text) override;
  void FocusForCorrection() override;
};

/// The Think & Do field: the empty entry, then the table's tag names in
/// table order. An address is shown by selecting its tag name (the empty
/// entry when the table does not hold it).
class CTandryCombo final : public QComboBox, public AddressField {
  Q_OBJECT

 public:
  explicit CTandryCombo(const TOvTagMap& table, QWidget* parent = nullptr);

  QWidget* Widget() override { return this; }
  std::string FieldText() const override;
  void SetFieldText(const std::string& text) override;
  void FocusForCorrection() override;
};

/// A field of the kind; the parent (or the layout it is put in) owns it.
AddressField* MakeAddressField(AddressFieldKind kind, const TOvTagMap& table,
                               QWidget* parent = nullptr);

/// The data type combo: the four data types in one of the two orders.
class CDataTypeComboBox final : public QComboBox {
  Q_OBJECT

 public:
  explicit CDataTypeComboBox(DataTypeOrder order, QWidget* parent = nullptr);

  uint32_t DataType() const;
  void SetDataType(uint32_t dataType);

 private:
  DataTypeOrder order_;
};

}  // namespace orvane
