// The frame every driver's attribute dialog shares: the revision label, the
// lists and number fields in one form, OK / Cancel / Help, the range checks
// on OK and the file messages.
#pragma once

#include <QDialog>
#include <optional>
#include <string>
#include <vector>

#include "corvel/Corvel.h"
#include "plugins/common/kit/DriverDefinition.h"

class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;

namespace orvane::plugin {

class AttributeDialogBase : public QDialog {
  Q_OBJECT

 public:
  /// corvel and path must outlive the dialog.
  AttributeDialogBase(CCorvel& corvel, const DriverIdentity& identity, const QString& title,
                      const std::string& path, QWidget* parent = nullptr);

 protected:
  /// A list row; objectName lets tests and style sheets find the list. A
  /// disabled list only shows its value.
  QComboBox* AddList(const char* objectName, const QString& label, bool enabled = true);
  /// A number row checked against minimum..maximum on OK; hint follows the
  /// field (for example the range in words).
  QLineEdit* AddNumber(const char* objectName, const QString& label, int minimum, int maximum,
                       const QString& hint);
  /// Keeps a row in the dialog but out of sight.
  void HideRow(QWidget* field);
  /// A line of text across the form.
  QLabel* AddNote(const char* objectName, const QString& text);
  /// Starts a titled group box; the rows added until EndGroup go into it.
  void BeginGroup(const char* objectName, const QString& title);
  void EndGroup();

  /// The file's bytes. Nothing when it cannot be opened; nothing and the
  /// "unable to open" message when it opens but holds fewer than
  /// minimumLength bytes or cannot be read.
  std::optional<std::vector<unsigned char>> ReadFile(size_t minimumLength);
  /// Replaces the file; false when it cannot be written.
  bool WriteFile(const std::vector<unsigned char>& bytes) const;

  /// The value of a number field; valid only after the OK checks passed.
  int NumberValue(const QLineEdit* field) const;

  /// Called on OK once every number is in range: converts the fields and
  /// writes the file. false when the file could not be written.
  virtual bool SaveFields() = 0;

  CCorvel& Corvel() { return corvel_; }

 private:
  struct NumberField {
    QLineEdit* edit = nullptr;
    int minimum = 0;
    int maximum = 0;
  };

  void accept() override;
  /// Checks one field; on a bad value reports it and puts the focus there.
  bool CheckNumber(const NumberField& field);
  void ShowHelp();

  CCorvel& corvel_;
  const DriverIdentity& identity_;
  std::string path_;
  QFormLayout* form_ = nullptr;  // where rows go: the dialog's or a group's
  QFormLayout* topForm_ = nullptr;
  std::vector<NumberField> numbers_;
};

}  // namespace orvane::plugin
