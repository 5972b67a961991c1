// "Buttons / LEDs" (dialog 143; the Think & Do variant CTNDLedDlg is dialog
// 251): the action of each function key, the mode of each LED, the LED
// word the panel reads and the button word it writes, with the bits of
// both words laid out.
#pragma once

#include <QDialog>
#include <array>

#include "view/KeysLedsSetup.h"

class QComboBox;

namespace orvane {

class AddressField;
class TOvPanel;
class TOvProject;
class UserInterface;

class CLedDlg : public QDialog {
  Q_OBJECT

 public:
  /// OK: closes only when both words are taken; the refused one has the
  /// focus.
  void accept() override;
  /// Cancel (and Escape): the panel's keys and LEDs as they were.
  void reject() override;

 protected:
  /// project, panel (one of the project's) and ui must outlive the dialog.
  CLedDlg(TOvProject& project, TOvPanel& panel, UserInterface& ui, const QString& objectName,
          QWidget* parent);

 private:
  QWidget* BuildKeys();
  QWidget* BuildWords(const TOvTagMap& table);
  QWidget* BuildBits(bool octal);

  KeysLedsSetup setup_;
  const TOvProject& project_;
  UserInterface& ui_;
  std::array<QComboBox*, kKeyCount> actions_{};
  std::array<QComboBox*, kKeyCount> modes_{};
  AddressField* ledWord_ = nullptr;
  AddressField* buttonWord_ = nullptr;
};

/// The variant for PLCs addressed by free text (dialog 143).
class CPLCLedDlg final : public CLedDlg {
  Q_OBJECT

 public:
  CPLCLedDlg(TOvProject& project, TOvPanel& panel, UserInterface& ui, QWidget* parent = nullptr)
      : CLedDlg(project, panel, ui, QStringLiteral("dlg_143"), parent) {}
};

/// The Think & Do variant (dialog 251).
class CTNDLedDlg final : public CLedDlg {
  Q_OBJECT

 public:
  CTNDLedDlg(TOvProject& project, TOvPanel& panel, UserInterface& ui, QWidget* parent = nullptr)
      : CLedDlg(project, panel, ui, QStringLiteral("dlg_251"), parent) {}
};

}  // namespace orvane
