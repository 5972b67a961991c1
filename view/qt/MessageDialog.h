// A message box or question of the user interface seam: icon, text, the
// buttons with their default, and "&Details..." when the core gives details,
// which opens them in the log viewer. The incomplete-data dialog (219) and
// the Think & Do conversion question (256) are such boxes and carry their
// dialog ids as object names; the others are "messageBox".
#pragma once

#include <QDialog>
#include <QString>
#include <string>

#include "base/UserInterface.h"

class QDialogButtonBox;

namespace orvane {

class MessageDialog final : public QDialog {
  Q_OBJECT

 public:
  MessageDialog(UserInterface& ui, QWidget* parent, const Message& message);
  MessageDialog(UserInterface& ui, QWidget* parent, const Question& question);

  /// The button the user pressed; Escape and closing the box answer Cancel
  /// where there is one, No on a Yes/No box, OK on a box with OK alone.
  Answer Result() const { return result_; }

 protected:
  void reject() override;

 private:
  void Build(const std::string& text, const std::string& caption, Icon icon, Buttons buttons,
             Answer defaultAnswer, const std::string& details);
  void AddAnswer(Answer answer);
  void ShowDetails();

  UserInterface& ui_;
  Buttons buttons_ = Buttons::Ok;
  Answer result_ = Answer::Ok;
  Answer default_ = Answer::Ok;
  std::string details_;
  QString detailsTitle_;
  QDialogButtonBox* box_ = nullptr;
};

}  // namespace orvane
