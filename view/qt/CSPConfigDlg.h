// "Ov-SP Configuration" (dialog 148; the Think & Do variant CTNDSPConfigDlg
// is dialog 254): the set point entries of the current set point panel in a
// list, the fields of the entry being edited, the panel's optional message
// selection address and its beeper, and the "Orvane-SP" clipboard.
#pragma once

#include <QDialog>
#include <memory>

#include "view/SetPointSetup.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QRadioButton;
class QTableView;

namespace orvane {

class AddressField;
class CDataTypeComboBox;
class SetPointListModel;
class TOvPanel;
class TOvProject;
class UserInterface;

class CSPConfigDlg : public QDialog {
  Q_OBJECT

 public:
  /// The variant for PLCs addressed by free text. project, panel (one of
  /// the project's) and ui must outlive the dialog.
  CSPConfigDlg(TOvProject& project, TOvPanel& panel, UserInterface& ui, QWidget* parent = nullptr);
  ~CSPConfigDlg() override;

  /// OK: closes only when SetPointSetup::Ok succeeds (the refused field has
  /// the focus); the list's column widths are stored.
  void accept() override;
  /// Cancel: asks to save when something changed.
  void reject() override;

  /// The list's context menu ("SP") as it opens now; the caller owns it.
  std::unique_ptr<QMenu> ListMenu();

 protected:
  CSPConfigDlg(TOvProject& project, TOvPanel& panel, UserInterface& ui, const QString& objectName,
               QWidget* parent);
  /// The Delete key in the list deletes the selected entry.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* BuildList();
  QWidget* BuildEntry(const TOvTagMap& table);
  QWidget* BuildPanelFields(const TOvTagMap& table);
  SetPointEntryFields EntryShown() const;
  SetPointPanelFields PanelShown() const;
  void ShowEntry(const SetPointEntryFields& fields);
  void ShowPanel(const SetPointPanelFields& fields);
  /// The list, the number combo and the total again, with the shown
  /// entry's row selected.
  void RefreshList();
  void UpdateEnabled();
  void Focus(SetPointField field);
  std::optional<size_t> SelectedRow() const;

  void SelectNumber(const QString& text);
  void AcceptEdit();
  void DeleteSelected();
  void CopySelected(bool cut);
  void PasteClipboard();
  bool ClipboardHasEntry() const;

  SetPointSetup setup_;
  const TOvProject& project_;
  UserInterface& ui_;
  std::unique_ptr<SetPointListModel> model_;
  QTableView* list_ = nullptr;
  QLabel* total_ = nullptr;
  QComboBox* number_ = nullptr;
  QLineEdit* text_ = nullptr;
  QLineEdit* minimum_ = nullptr;
  QLineEdit* maximum_ = nullptr;
  QComboBox* displayMethod_ = nullptr;
  QComboBox* dataType_ = nullptr;
  QComboBox* decimalPoint_ = nullptr;
  AddressField* address_ = nullptr;
  AddressField* decimalAddress_ = nullptr;
  QCheckBox* selection_ = nullptr;
  AddressField* selectionAddress_ = nullptr;
  CDataTypeComboBox* selectionType_ = nullptr;
  QRadioButton* beeperYes_ = nullptr;
  QRadioButton* beeperNo_ = nullptr;
};

/// The Think & Do variant (dialog 254).
class CTNDSPConfigDlg final : public CSPConfigDlg {
  Q_OBJECT

 public:
  CTNDSPConfigDlg(TOvProject& project, TOvPanel& panel, UserInterface& ui,
                  QWidget* parent = nullptr)
      : CSPConfigDlg(project, panel, ui, QStringLiteral("dlg_254"), parent) {}
};

}  // namespace orvane
