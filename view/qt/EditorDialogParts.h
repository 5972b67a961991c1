// What the setup editors' dialogs share: object names from control ids,
// the OK, Cancel and Help row, and an address field with its label.
#pragma once

#include <QString>

class QDialog;
class QDialogButtonBox;
class QLabel;
class QWidget;

namespace orvane {

/// "ctl_%d": the object name of the control with the id.
QString ControlName(int id);

/// OK, Cancel and Help ("okButton", "cancelButton", "helpButton"): OK and
/// Cancel call the dialog's accept() and reject(); Help is the caller's.
QDialogButtonBox* OkCancelHelp(QDialog* dialog);

/// A label whose mnemonic moves the focus to buddy.
QLabel* BuddyLabel(const QString& text, QWidget* buddy);

}  // namespace orvane
