// The panel PLC address database (`CViewAddressDlg`, the configuration
// screen's button 1014): a read-only overview of the current panel's PLC
// addresses. The PLC and the project in coloured captions, the panel's
// system addresses in labelled fields, its number of messages, and the
// list of the addresses its messages use, whose column widths live in the
// profile section "View Address Control". Print and Print Preview show the
// same on paper. The content is AddressDatabase's.
#pragma once

#include <QDialog>

#include "view/AddressDatabase.h"

class QPrinter;
class QTableWidget;

namespace orvane {

class Settings;
class TOvProject;

class CViewAddressDlg final : public QDialog {
  Q_OBJECT

 public:
  /// project and settings must outlive the dialog.
  CViewAddressDlg(const TOvProject& project, Settings& settings, QWidget* parent = nullptr);

  /// OK: stores the list's column widths, then closes.
  void accept() override;

  /// Print: the print dialog, then the pages; false when the user cancels
  /// or it cannot print.
  bool Print();
  /// Print Preview: the pages as the printer would print them.
  void Preview();
  /// Draws the pages on a printer set up already (the pages its range
  /// names, all without one).
  bool PrintOn(QPrinter& printer) const;

 private:
  AddressDatabase database_;
  Settings& settings_;
  QTableWidget* list_ = nullptr;
};

}  // namespace orvane
