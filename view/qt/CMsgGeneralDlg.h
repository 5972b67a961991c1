// "Panel System PLC Address Setup" (dialog 150): the line registers of the
// current panel with their data types, its local password and PLC password
// register (the model with passwords only) and its three flags. The Think &
// Do variant (CTNDGeneralDlg) takes the addresses as tag names.
#pragma once

#include <QDialog>
#include <array>

#include "view/SystemAddressSetup.h"

class QCheckBox;
class QLineEdit;

namespace orvane {

class AddressField;
class CDataTypeComboBox;
class TOvPanel;
class TOvProject;
class UserInterface;

class CMsgGeneralDlg : public QDialog {
  Q_OBJECT

 public:
  /// project, panel (one of the project's) and ui must outlive the dialog.
  CMsgGeneralDlg(TOvProject& project, TOvPanel& panel, UserInterface& ui,
                 QWidget* parent = nullptr);

  /// OK: closes only when SystemAddressSetup::Accept takes the fields;
  /// otherwise the refused field has the focus.
  void accept() override;

 private:
  SystemAddressFields Shown() const;
  void Show(const SystemAddressFields& fields);

  SystemAddressSetup setup_;
  const TOvProject& project_;
  UserInterface& ui_;
  std::array<AddressField*, kLineRegisterCount> lines_{};
  std::array<CDataTypeComboBox*, kLineRegisterCount> lineTypes_{};
  QLineEdit* localPassword_ = nullptr;
  AddressField* passwordRegister_ = nullptr;
  CDataTypeComboBox* passwordType_ = nullptr;
  QCheckBox* beeper_ = nullptr;
  QCheckBox* messageDelay_ = nullptr;
  QCheckBox* cursor_ = nullptr;
};

/// The Think & Do variant.
class CTNDGeneralDlg final : public CMsgGeneralDlg {
  Q_OBJECT

 public:
  using CMsgGeneralDlg::CMsgGeneralDlg;
};

}  // namespace orvane
