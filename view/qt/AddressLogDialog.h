// "Address conversion log" (dialog 199): the log of a PLC change as a table
// of old address, new address and remark, which the user may save.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

class QTableWidget;

namespace orvane {

class UserInterface;

class AddressLogDialog final : public QDialog {
  Q_OBJECT

 public:
  /// ui asks for the file to save to.
  AddressLogDialog(UserInterface& ui, QWidget* parent, std::vector<std::string> lines);

  /// Asks for a text file and writes the log file to it (its header, the
  /// date and the lines); nothing is shown when it cannot be written.
  bool Save();

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  UserInterface& ui_;
  std::vector<std::string> lines_;
  QTableWidget* table_ = nullptr;
};

}  // namespace orvane
