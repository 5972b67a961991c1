// The log viewer: a list of log lines with a command that saves them as a
// text file. It shows the details of a message box; for the Think & Do
// conversion it is titled "Think & Do conversion log".
#pragma once

#include <QDialog>
#include <string>
#include <vector>

namespace orvane {

class UserInterface;

class LogViewer final : public QDialog {
  Q_OBJECT

 public:
  /// ui asks for the file to save to.
  LogViewer(UserInterface& ui, QWidget* parent, const QString& title,
            std::vector<std::string> lines);

  /// Asks for a text file (save chooser) and writes the lines to it; false
  /// when cancelled or not written.
  bool Save();

 private:
  UserInterface& ui_;
  std::vector<std::string> lines_;
};

}  // namespace orvane
