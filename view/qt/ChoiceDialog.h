// A choice of the user interface seam: one radio button per entry, entries
// that cannot be chosen disabled, OK and Cancel. The chooser "Import From
// Multipanel Project" is dialog 264, its radio buttons "Port 1 : " to
// "Port 5 : " controls 1492 to 1496 with the model labels 1523 to 1527.
#pragma once

#include <QDialog>
#include <vector>

#include "base/UserInterface.h"

class QRadioButton;

namespace orvane {

class ChoiceDialog final : public QDialog {
  Q_OBJECT

 public:
  ChoiceDialog(QWidget* parent, const ChoiceRequest& request);

  /// The entry whose button is checked; nothing when none is.
  std::optional<int> Chosen() const;

 private:
  std::vector<QRadioButton*> buttons_;
};

}  // namespace orvane
