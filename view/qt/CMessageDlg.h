// "Message edit" (dialog 144): the PLC message list, the local message tree
// and the edit pane of a text panel's messages, with the "Orvane"
// clipboard, undo and redo, a preview of the line as the panel shows it,
// find and replace, and the message table's export and import as CSV.
// CPLCMessageDlg takes free-text PLC addresses, CTNDMessageDlg Think & Do
// tag names; MessageEditor decides everything.
#pragma once

#include <QDialog>
#include <memory>

#include "view/MessageEditor.h"

class QAction;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;

namespace orvane {

class AddressField;
class CDataTypeComboBox;
class CListBoxEx;
class CParsedRichEdit;
class CTreeCtrlEx;
class TOvPanel;
class TOvProject;
class UserInterface;

class CMessageDlg : public QDialog {
  Q_OBJECT

 public:
  ~CMessageDlg() override;

  /// OK: closes when MessageEditor::Ok lets it.
  void accept() override;
  /// Cancel: asks to save when something changed.
  void reject() override;

  MessageEditor& Editor() { return editor_; }
  /// The edit pane's fields as they stand.
  MessageFields PaneFields() const;

  /// The context menus ("&List" and "&Tree" of menu 188) as they open now;
  /// the caller owns them.
  std::unique_ptr<QMenu> ListMenu();
  std::unique_ptr<QMenu> TreeMenu();

 protected:
  CMessageDlg(TOvProject& project, TOvPanel& panel, UserInterface& ui, QWidget* parent);
  /// Delete, Ctrl+C, Ctrl+X and Ctrl+V in the list and the tree.
  bool eventFilter(QObject* watched, QEvent* event) override;
  /// Enter in a field of the edit pane accepts the edit; it never presses
  /// OK (the dialog has no default button).
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QWidget* BuildPlcList();
  QWidget* BuildTree();
  QWidget* BuildPane(const TOvTagMap& table);
  QWidget* BuildItem1(const TOvTagMap& table);
  QWidget* BuildTools();
  QPushButton* Button(const QString& text, int id);

  void ShowPane(const MessageFields& fields);
  /// The lists, their selection, the buttons and the pane's state again.
  void Refresh();
  void UpdatePane();
  void UpdatePreview();
  void Focus(MessageField field);
  /// After a command: the lists again; a refusal's field gets the focus.
  void Done(bool done);

  void SelectFromList();
  void SelectFromTree();
  void AcceptEdit();
  void DecimalPointClicked(bool checked);
  void CopyToClipboard(bool cut);
  void PasteFromClipboard(MessageList target);
  bool ClipboardHasMessage() const;
  void DeleteSelection();
  void FindAndReplace();
  void ExportTable();
  void ImportTable();

  MessageEditor editor_;
  TOvProject& project_;
  const TOvPanel& panel_;
  UserInterface& ui_;

  CListBoxEx* plc_ = nullptr;
  CTreeCtrlEx* tree_ = nullptr;
  QPushButton* plcNew_ = nullptr;
  QPushButton* plcInsert_ = nullptr;
  QPushButton* plcDelete_ = nullptr;
  QPushButton* treeNewMessage_ = nullptr;
  QPushButton* treeNewFolder_ = nullptr;
  QPushButton* treeInsertMessage_ = nullptr;
  QPushButton* treeInsertFolder_ = nullptr;
  QPushButton* treeDelete_ = nullptr;

  QWidget* pane_ = nullptr;
  QLineEdit* number_ = nullptr;
  CParsedRichEdit* text_ = nullptr;
  QLabel* length_ = nullptr;
  QLabel* preview_ = nullptr;
  AddressField* item1Address_ = nullptr;
  CDataTypeComboBox* item1Type_ = nullptr;
  QLineEdit* minimum_ = nullptr;
  QLineEdit* maximum_ = nullptr;
  QComboBox* access_ = nullptr;
  QCheckBox* password_ = nullptr;
  QRadioButton* passwordLocal_ = nullptr;
  QRadioButton* passwordPlc_ = nullptr;
  QCheckBox* decimalPoint_ = nullptr;
  AddressField* decimalPointAddress_ = nullptr;
  std::array<QCheckBox*, 3> leadingZeros_{};
  AddressField* item2Address_ = nullptr;
  CDataTypeComboBox* item2Type_ = nullptr;
  AddressField* item3Address_ = nullptr;
  CDataTypeComboBox* item3Type_ = nullptr;
  QWidget* itemsBox_ = nullptr;
  QPushButton* accept_ = nullptr;
  QPushButton* undo_ = nullptr;
  QPushButton* redo_ = nullptr;
  QAction* undoAction_ = nullptr;
  QAction* redoAction_ = nullptr;
};

/// Free-text PLC addresses.
class CPLCMessageDlg final : public CMessageDlg {
  Q_OBJECT

 public:
  /// project, panel (a text panel of the project) and ui must outlive the
  /// dialog.
  CPLCMessageDlg(TOvProject& project, TOvPanel& panel, UserInterface& ui, QWidget* parent = nullptr)
      : CMessageDlg(project, panel, ui, parent) {}
};

/// Think & Do tag names from the project's tag map (the same dialog id:
/// no other is known).
class CTNDMessageDlg final : public CMessageDlg {
  Q_OBJECT

 public:
  CTNDMessageDlg(TOvProject& project, TOvPanel& panel, UserInterface& ui, QWidget* parent = nullptr)
      : CMessageDlg(project, panel, ui, parent) {}
};

}  // namespace orvane
