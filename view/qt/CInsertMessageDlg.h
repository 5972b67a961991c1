// The Insert Message dialog (dialog 240): asks for the number of a PLC
// message inserted before the selected one, strictly between the numbers
// around it.
#pragma once

#include <QDialog>
#include <optional>

#include "view/MessageEditor.h"

class QLineEdit;

namespace orvane {

class UserInterface;

class CInsertMessageDlg final : public QDialog {
  Q_OBJECT

 public:
  CInsertMessageDlg(const InsertRange& range, UserInterface& ui, QWidget* parent = nullptr);

  /// OK takes a number inside the range; otherwise M005 is shown and the
  /// field starts again from the highest number, keeping the focus.
  void accept() override;
  std::optional<int32_t> Number() const { return number_; }

  /// Runs the dialog: the number, or nothing when it was cancelled.
  static std::optional<int32_t> Ask(const InsertRange& range, UserInterface& ui, QWidget* parent);

 private:
  InsertRange range_;
  UserInterface& ui_;
  QLineEdit* field_ = nullptr;
  std::optional<int32_t> number_;
};

}  // namespace orvane
