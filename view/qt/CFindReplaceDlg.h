// "Find and Replace" over the message editor's messages: the dialog only
// asks; the editor finds and replaces (MessageEditor::FindNext and
// ReplaceAll).
#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;

namespace orvane {

class CFindReplaceDlg final : public QDialog {
  Q_OBJECT

 public:
  explicit CFindReplaceDlg(QWidget* parent = nullptr);
  /// A line under the fields: what the last command found or changed.
  void SetStatus(const QString& status);

 signals:
  void FindNext(const QString& what, bool matchCase);
  void ReplaceAll(const QString& what, const QString& with, bool matchCase);

 private:
  QLineEdit* what_ = nullptr;
  QLineEdit* with_ = nullptr;
  QCheckBox* matchCase_ = nullptr;
  QLabel* status_ = nullptr;
};

}  // namespace orvane
