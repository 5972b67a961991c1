#include "view/qt/CMessageDlg.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QSplitter>
#include <QVBoxLayout>
#include <fstream>
#include <iterator>

#include "base/AtomicFile.h"
#include "base/StringTable.h"
#include "base/UserInterface.h"
#include "project/TOvProject.h"
#include "view/MessagePreview.h"
#include "view/MessageTable.h"
#include "view/qt/AddressFields.h"
#include "view/qt/CFindReplaceDlg.h"
#include "view/qt/CInsertMessageDlg.h"
#include "view/qt/CMessageLists.h"
#include "view/qt/CParsedRichEdit.h"
#include "view/qt/EditorDialogParts.h"
#include "view/qt/HelpFiles.h"

namespace orvane {
namespace {

namespace me = message_edit;

// The commands of menu 188's "&List" and "&Tree" popups.
struct MenuCommand {
  int id;
  const char* text;
};
constexpr MenuCommand kListNew{32782, "New &Message"};
constexpr MenuCommand kListInsert{32800, "&Insert Message"};
constexpr MenuCommand kListDelete{32783, "&Delete"};
constexpr MenuCommand kListCut{32802, "&Cut"};
constexpr MenuCommand kListCopy{32803, "C&opy"};
constexpr MenuCommand kListPaste{32804, "&Paste"};
constexpr MenuCommand kTreeNewMessage{32784, "New &Message"};
constexpr MenuCommand kTreeNewFolder{32785, "New &Folder"};
constexpr MenuCommand kTreeInsertMessage{32798, "Insert M&essage"};
constexpr MenuCommand kTreeInsertFolder{32797, "I&nsert Folder"};
constexpr MenuCommand kTreeDelete{32786, "&Delete"};
constexpr MenuCommand kTreeCut{32805, "&Cut"};
constexpr MenuCommand kTreeCopy{32806, "C&opy"};
constexpr MenuCommand kTreePaste{32807, "&Paste"};

constexpr const char* kTableFilter = "Message tables (*.csv)|*.csv|All Files (*.*)|*.*||";

QLabel* ColouredLabel(const QString& text, TextColour colour) {
  auto* label = new QLabel(text);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, ColourOf(colour));
  label->setPalette(palette);
  return label;
}

QLineEdit* NumberEdit(int id) {
  auto* edit = new QLineEdit;
  edit->setObjectName(ControlName(id));
  edit->setMaxLength(11);
  return edit;
}

QCheckBox* Check(const QString& text, int id) {
  auto* box = new QCheckBox(text);
  box->setObjectName(ControlName(id));
  return box;
}

std::optional<std::string> ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    return std::nullopt;
  }
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

CMessageDlg::CMessageDlg(TOvProject& project, TOvPanel& panel, UserInterface& ui, QWidget* parent)
    : QDialog(parent), editor_(project, panel, ui), project_(project), panel_(panel), ui_(ui) {
  setObjectName(QStringLiteral("dlg_144"));
  setWindowTitle(QStringLiteral("Message edit"));
  const TOvTagMap& table = TagMapFor(project, panel);

  auto* lists = new QHBoxLayout;
  lists->addWidget(BuildPlcList(), 1);
  lists->addWidget(BuildTree(), 1);

  auto* buttons = OkCancelHelp(this);
  connect(buttons, &QDialogButtonBox::helpRequested, this, [this] { OpenProgramHelp(ui_); });
  // OK is pressed, never reached with Enter: Enter in the text accepts the
  // edit of the message.
  for (QAbstractButton* button : buttons->buttons()) {
    if (auto* push = qobject_cast<QPushButton*>(button)) {
      push->setAutoDefault(false);
      push->setDefault(false);
    }
  }
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(BuildTools());
  bottom->addStretch(1);
  bottom->addWidget(buttons);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(lists, 2);
  layout->addWidget(BuildPane(table), 0);
  layout->addLayout(bottom);

  // Undo and redo of the lists, where the text does not take the keys.
  undoAction_ = new QAction(this);
  undoAction_->setShortcut(QKeySequence::Undo);
  undoAction_->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  connect(undoAction_, &QAction::triggered, this, [this] { Done(editor_.Undo(PaneFields())); });
  redoAction_ = new QAction(this);
  redoAction_->setShortcut(QKeySequence::Redo);
  redoAction_->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  connect(redoAction_, &QAction::triggered, this, [this] { Done(editor_.Redo(PaneFields())); });
  addAction(undoAction_);
  addAction(redoAction_);

  ShowPane(editor_.Shown());
  Refresh();
  resize(1060, 760);
}

CMessageDlg::~CMessageDlg() = default;

QPushButton* CMessageDlg::Button(const QString& text, int id) {
  auto* button = new QPushButton(text);
  button->setObjectName(ControlName(id));
  button->setAutoDefault(false);
  return button;
}

QWidget* CMessageDlg::BuildPlcList() {
  auto* box = new QGroupBox(QStringLiteral("PLC Messages"));
  plc_ = new CListBoxEx;
  plc_->setObjectName(QStringLiteral("plcList"));
  plc_->installEventFilter(this);
  connect(plc_, &QListWidget::itemSelectionChanged, this, [this] { SelectFromList(); });
  connect(plc_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
    if (QListWidgetItem* item = plc_->itemAt(at)) {
      plc_->setCurrentItem(item);
    }
    if (std::unique_ptr<QMenu> menu = ListMenu()) {
      menu->exec(plc_->viewport()->mapToGlobal(at));
    }
  });
  plcNew_ = Button(QStringLiteral("Add &next  PLC Message"), me::kPlcNew);
  plcInsert_ = Button(QStringLiteral("Insert a PLC Messa&ge"), me::kPlcInsert);
  plcDelete_ = Button(QStringLiteral("Delete"), me::kPlcDelete);
  connect(plcNew_, &QPushButton::clicked, this,
          [this] { Done(editor_.AddPlcMessage(PaneFields())); });
  connect(plcInsert_, &QPushButton::clicked, this, [this] {
    Done(editor_.InsertPlcMessage(PaneFields(), [this](const InsertRange& range) {
      return CInsertMessageDlg::Ask(range, ui_, this);
    }));
  });
  connect(plcDelete_, &QPushButton::clicked, this, [this] { DeleteSelection(); });
  auto* row = new QHBoxLayout;
  row->addWidget(plcNew_);
  row->addWidget(plcInsert_);
  row->addWidget(plcDelete_);
  auto* layout = new QVBoxLayout(box);
  layout->addWidget(plc_, 1);
  layout->addLayout(row);
  return box;
}

QWidget* CMessageDlg::BuildTree() {
  auto* box = new QGroupBox(QStringLiteral("Local Messages"));
  tree_ = new CTreeCtrlEx;
  tree_->setObjectName(QStringLiteral("localTree"));
  tree_->installEventFilter(this);
  connect(tree_, &QTreeWidget::itemSelectionChanged, this, [this] { SelectFromTree(); });
  connect(tree_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
    if (QTreeWidgetItem* item = tree_->itemAt(at)) {
      tree_->setCurrentItem(item);
    }
    if (std::unique_ptr<QMenu> menu = TreeMenu()) {
      menu->exec(tree_->viewport()->mapToGlobal(at));
    }
  });
  treeNewMessage_ = Button(QStringLiteral("New &Message"), me::kTreeNewMessage);
  treeNewFolder_ = Button(QStringLiteral("New &Folder"), me::kTreeNewFolder);
  treeInsertMessage_ = Button(QStringLiteral("Insert M&essage"), me::kTreeInsertMessage);
  treeInsertFolder_ = Button(QStringLiteral("I&nsert Folder"), me::kTreeInsertFolder);
  treeDelete_ = Button(QStringLiteral("&Delete"), me::kTreeDelete);
  connect(treeNewMessage_, &QPushButton::clicked, this,
          [this] { Done(editor_.AddToTree(false, PaneFields())); });
  connect(treeNewFolder_, &QPushButton::clicked, this,
          [this] { Done(editor_.AddToTree(true, PaneFields())); });
  connect(treeInsertMessage_, &QPushButton::clicked, this,
          [this] { Done(editor_.InsertIntoTree(false, PaneFields())); });
  connect(treeInsertFolder_, &QPushButton::clicked, this,
          [this] { Done(editor_.InsertIntoTree(true, PaneFields())); });
  connect(treeDelete_, &QPushButton::clicked, this, [this] { DeleteSelection(); });
  auto* row = new QGridLayout;
  row->addWidget(treeNewMessage_, 0, 0);
  row->addWidget(treeNewFolder_, 0, 1);
  row->addWidget(treeDelete_, 0, 2);
  row->addWidget(treeInsertMessage_, 1, 0);
  row->addWidget(treeInsertFolder_, 1, 1);
  auto* layout = new QVBoxLayout(box);
  layout->addWidget(tree_, 1);
  layout->addLayout(row);
  return box;
}

QWidget* CMessageDlg::BuildItem1(const TOvTagMap& table) {
  auto* box = new QGroupBox(QStringLiteral("Data Item 1"));
  item1Address_ = MakeAddressField(editor_.Kind(), table);
  item1Address_->Widget()->setObjectName(ControlName(me::kItem1Address));
  item1Type_ = new CDataTypeComboBox(DataTypeOrder::ByCode);
  item1Type_->setObjectName(ControlName(me::kItem1Type));
  minimum_ = NumberEdit(me::kMinimum);
  maximum_ = NumberEdit(me::kMaximum);
  access_ = new QComboBox;
  access_->setObjectName(ControlName(me::kAccess));
  for (const char* text : me::kAccessTexts) {
    access_->addItem(QString::fromUtf8(text));
  }
  password_ = Check(QStringLiteral("Pass&word Protection"), me::kPassword);
  passwordLocal_ = new QRadioButton(QStringLiteral("Local"));
  passwordLocal_->setObjectName(ControlName(me::kPasswordLocal));
  passwordPlc_ = new QRadioButton(QStringLiteral("PLC"));
  passwordPlc_->setObjectName(ControlName(me::kPasswordPlc));
  auto* passwordGroup = new QButtonGroup(box);
  passwordGroup->addButton(passwordLocal_);
  passwordGroup->addButton(passwordPlc_);
  decimalPoint_ = Check(QStringLiteral("PLC controlled Deci&mal Point:"), me::kDecimalPoint);
  decimalPointAddress_ = MakeAddressField(editor_.Kind(), table);
  decimalPointAddress_->Widget()->setObjectName(ControlName(me::kDecimalPointAddress));
  leadingZeros_[0] = Check(QStringLiteral("Leading Zeroes"), me::kLeadingZeros1);
  connect(password_, &QCheckBox::toggled, this, [this] { UpdatePane(); });
  connect(decimalPoint_, &QCheckBox::clicked, this, &CMessageDlg::DecimalPointClicked);
  connect(item1Type_, &QComboBox::currentIndexChanged, this, [this] { UpdatePreview(); });
  connect(leadingZeros_[0], &QCheckBox::toggled, this, [this] { UpdatePreview(); });

  auto* grid = new QGridLayout(box);
  grid->addWidget(BuddyLabel(QStringLiteral("PLC &Address:"), item1Address_->Widget()), 0, 0);
  grid->addWidget(item1Address_->Widget(), 0, 1, 1, 3);
  grid->addWidget(BuddyLabel(QStringLiteral("Data T&ype:"), item1Type_), 1, 0);
  grid->addWidget(item1Type_, 1, 1);
  grid->addWidget(BuddyLabel(QStringLiteral("Access:"), access_), 1, 2);
  grid->addWidget(access_, 1, 3);
  grid->addWidget(BuddyLabel(QStringLiteral("Min:"), minimum_), 2, 0);
  grid->addWidget(minimum_, 2, 1);
  grid->addWidget(BuddyLabel(QStringLiteral("Max:"), maximum_), 2, 2);
  grid->addWidget(maximum_, 2, 3);
  auto* passwordRow = new QHBoxLayout;
  passwordRow->addWidget(password_);
  passwordRow->addWidget(passwordLocal_);
  passwordRow->addWidget(passwordPlc_);
  passwordRow->addStretch(1);
  grid->addLayout(passwordRow, 3, 0, 1, 4);
  grid->addWidget(decimalPoint_, 4, 0, 1, 2);
  grid->addWidget(decimalPointAddress_->Widget(), 4, 2, 1, 2);
  grid->addWidget(leadingZeros_[0], 5, 0, 1, 2);
  grid->setColumnStretch(1, 1);
  grid->setColumnStretch(3, 1);
  return box;
}

QWidget* CMessageDlg::BuildPane(const TOvTagMap& table) {
  pane_ = new QGroupBox(QStringLiteral("Message"));
  number_ = NumberEdit(me::kNumber);
  number_->setMaxLength(3);
  text_ = new CParsedRichEdit;
  text_->setObjectName(ControlName(me::kText));
  length_ = new QLabel;
  length_->setObjectName(QStringLiteral("messageLength"));
  preview_ = new QLabel;
  preview_->setObjectName(QStringLiteral("panelPreview"));
  QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  fixed.setPointSizeF(fixed.pointSizeF() * 1.3);
  preview_->setFont(fixed);
  preview_->setTextFormat(Qt::PlainText);
  preview_->setStyleSheet(QStringLiteral(
      "QLabel { background: #1f3a1f; color: #c8f5a8; border: 3px solid #555; padding: 4px; }"));
  preview_->setToolTip(QStringLiteral("The line as the panel shows it, with sample values"));
  connect(text_, &CParsedRichEdit::TextEdited, this, [this] { UpdatePane(); });
  connect(text_, &CParsedRichEdit::AcceptRequested, this, &CMessageDlg::AcceptEdit);
  accept_ = Button(QStringLiteral("&Press to accept Message edit"), me::kAccept);
  connect(accept_, &QPushButton::clicked, this, &CMessageDlg::AcceptEdit);

  auto* hint =
      new QLabel(QStringLiteral("EMBEDDED DATA:\nTYPE KEYSTROKES FROM ANY LOCATION IN "
                                "THE MESSAGE."));
  auto* keys = new QVBoxLayout;
  keys->addWidget(ColouredLabel(QStringLiteral("Data Item 1 :  F5 or  Ctrl+1"), TextColour::Red));
  keys->addWidget(ColouredLabel(QStringLiteral("Data Item 2 :  F6 or  Ctrl+2"), TextColour::Blue));
  keys->addWidget(ColouredLabel(QStringLiteral("Data Item 3 :  F7 or  Ctrl+3"), TextColour::Green));

  auto* top = new QGridLayout;
  top->addWidget(BuddyLabel(QStringLiteral("Message &Number:"), number_), 0, 0);
  top->addWidget(number_, 0, 1);
  top->addWidget(length_, 0, 2);
  top->addWidget(BuddyLabel(QStringLiteral("Message &Text:"), text_), 1, 0);
  top->addWidget(text_, 1, 1, 1, 2);
  top->addWidget(accept_, 1, 3);
  top->addWidget(new QLabel(QStringLiteral("Panel shows:")), 2, 0);
  top->addWidget(preview_, 2, 1, 1, 2, Qt::AlignLeft);
  top->addWidget(hint, 0, 4, 2, 1);
  top->addLayout(keys, 2, 4);
  top->setColumnStretch(2, 1);

  auto* item2 = new QGroupBox(QStringLiteral("Data Item 2"));
  item2Address_ = MakeAddressField(editor_.Kind(), table);
  item2Address_->Widget()->setObjectName(ControlName(me::kItem2Address));
  item2Type_ = new CDataTypeComboBox(DataTypeOrder::ByCode);
  item2Type_->setObjectName(ControlName(me::kItem2Type));
  leadingZeros_[1] = Check(QStringLiteral("Leading Zeroes"), me::kLeadingZeros2);
  auto* item3 = new QGroupBox(QStringLiteral("Data Item 3"));
  item3Address_ = MakeAddressField(editor_.Kind(), table);
  item3Address_->Widget()->setObjectName(ControlName(me::kItem3Address));
  item3Type_ = new CDataTypeComboBox(DataTypeOrder::ByCode);
  item3Type_->setObjectName(ControlName(me::kItem3Type));
  leadingZeros_[2] = Check(QStringLiteral("Leading Zeroes"), me::kLeadingZeros3);
  const auto small = [](QGroupBox* box, AddressField* address, QComboBox* type, QCheckBox* zeros) {
    auto* grid = new QGridLayout(box);
    grid->addWidget(BuddyLabel(QStringLiteral("PLC Address:"), address->Widget()), 0, 0);
    grid->addWidget(address->Widget(), 0, 1);
    grid->addWidget(BuddyLabel(QStringLiteral("Data Type:"), type), 1, 0);
    grid->addWidget(type, 1, 1);
    grid->addWidget(zeros, 2, 0, 1, 2);
    grid->setRowStretch(3, 1);
  };
  small(item2, item2Address_, item2Type_, leadingZeros_[1]);
  small(item3, item3Address_, item3Type_, leadingZeros_[2]);
  for (QComboBox* combo :
       {static_cast<QComboBox*>(item2Type_), static_cast<QComboBox*>(item3Type_)}) {
    connect(combo, &QComboBox::currentIndexChanged, this, [this] { UpdatePreview(); });
  }
  for (QCheckBox* box : {leadingZeros_[1], leadingZeros_[2]}) {
    connect(box, &QCheckBox::toggled, this, [this] { UpdatePreview(); });
  }

  itemsBox_ = new QWidget;
  auto* items = new QHBoxLayout(itemsBox_);
  items->setContentsMargins(0, 0, 0, 0);
  QWidget* item1 = BuildItem1(table);
  item1->setStyleSheet(QStringLiteral("QGroupBox { color: red; }"));
  item2->setStyleSheet(QStringLiteral("QGroupBox { color: blue; }"));
  item3->setStyleSheet(QStringLiteral("QGroupBox { color: green; }"));
  items->addWidget(item1, 2);
  items->addWidget(item2, 1);
  items->addWidget(item3, 1);

  auto* layout = new QVBoxLayout(pane_);
  layout->addLayout(top);
  layout->addWidget(itemsBox_);
  return pane_;
}

QWidget* CMessageDlg::BuildTools() {
  auto* tools = new QWidget;
  auto* row = new QHBoxLayout(tools);
  row->setContentsMargins(0, 0, 0, 0);
  undo_ = Button(QStringLiteral("&Undo"), 0);
  undo_->setObjectName(QStringLiteral("undoButton"));
  redo_ = Button(QStringLiteral("&Redo"), 0);
  redo_->setObjectName(QStringLiteral("redoButton"));
  auto* find = Button(QStringLiteral("F&ind / Replace..."), 0);
  find->setObjectName(QStringLiteral("findButton"));
  auto* exportTable = Button(QStringLiteral("E&xport Table..."), 0);
  exportTable->setObjectName(QStringLiteral("exportTableButton"));
  auto* importTable = Button(QStringLiteral("Imp&ort Table..."), 0);
  importTable->setObjectName(QStringLiteral("importTableButton"));
  connect(undo_, &QPushButton::clicked, this, [this] { Done(editor_.Undo(PaneFields())); });
  connect(redo_, &QPushButton::clicked, this, [this] { Done(editor_.Redo(PaneFields())); });
  connect(find, &QPushButton::clicked, this, &CMessageDlg::FindAndReplace);
  connect(exportTable, &QPushButton::clicked, this, &CMessageDlg::ExportTable);
  connect(importTable, &QPushButton::clicked, this, &CMessageDlg::ImportTable);
  for (QPushButton* button : {undo_, redo_, find, exportTable, importTable}) {
    row->addWidget(button);
  }
  return tools;
}

MessageFields CMessageDlg::PaneFields() const {
  MessageFields fields;
  fields.number = number_->text().toStdString();
  fields.text = text_->ModelText();
  fields.item1Address = item1Address_->FieldText();
  fields.item1Type = item1Type_->DataType();
  fields.minimum = minimum_->text().toStdString();
  fields.maximum = maximum_->text().toStdString();
  fields.access = access_->currentIndex() == kAccessReadOnly ? kAccessReadOnly : kAccessReadWrite;
  fields.passwordProtected = password_->isChecked();
  fields.passwordIsLocal = !passwordPlc_->isChecked();
  fields.variableDecimalPoint = decimalPoint_->isChecked();
  fields.decimalPointAddress = decimalPointAddress_->FieldText();
  for (size_t i = 0; i < 3; ++i) {
    fields.leadingZeros[i] = leadingZeros_[i]->isChecked();
  }
  fields.item2Address = item2Address_->FieldText();
  fields.item2Type = item2Type_->DataType();
  fields.item3Address = item3Address_->FieldText();
  fields.item3Type = item3Type_->DataType();
  return fields;
}

void CMessageDlg::ShowPane(const MessageFields& fields) {
  number_->setText(QString::fromStdString(fields.number));
  text_->Load(fields.text, editor_.TextLimits());
  item1Address_->SetFieldText(fields.item1Address);
  item1Type_->SetDataType(fields.item1Type);
  minimum_->setText(QString::fromStdString(fields.minimum));
  maximum_->setText(QString::fromStdString(fields.maximum));
  access_->setCurrentIndex(fields.access == kAccessReadOnly ? 1 : 0);
  password_->setChecked(fields.passwordProtected);
  (fields.passwordIsLocal ? passwordLocal_ : passwordPlc_)->setChecked(true);
  decimalPoint_->setChecked(fields.variableDecimalPoint);
  decimalPointAddress_->SetFieldText(fields.decimalPointAddress);
  for (size_t i = 0; i < 3; ++i) {
    leadingZeros_[i]->setChecked(fields.leadingZeros[i]);
  }
  item2Address_->SetFieldText(fields.item2Address);
  item2Type_->SetDataType(fields.item2Type);
  item3Address_->SetFieldText(fields.item3Address);
  item3Type_->SetDataType(fields.item3Type);
  UpdatePane();
}

void CMessageDlg::UpdatePane() {
  const TOvMessage* loaded = editor_.Loaded();
  const bool plc = loaded != nullptr && loaded->isPlcMessage != 0;
  const ParsedText::Limits limits = editor_.TextLimits();
  const std::string& text = text_->ModelText();
  pane_->setEnabled(loaded != nullptr);
  number_->setEnabled(plc);
  itemsBox_->setEnabled(limits.dataAllowed);
  const bool passwords = editor_.HasPasswords();
  password_->setEnabled(passwords);
  passwordLocal_->setEnabled(passwords && password_->isChecked());
  passwordPlc_->setEnabled(passwords && password_->isChecked());
  // The decimal point follows item 1's digits: it is there to be set only
  // while the text has one, and goes with the last of them. The point in
  // the text always means the box is checked; a message from a file may
  // have the box checked and the register alone placing the point.
  const bool hasItem1 = text.find(kItem1Marker) != std::string::npos;
  decimalPoint_->setEnabled(limits.dataAllowed && hasItem1);
  if (!hasItem1) {
    decimalPoint_->setChecked(false);
  } else if (text_->Text().HasDecimalPoint()) {
    decimalPoint_->setChecked(true);
  }
  decimalPointAddress_->Widget()->setEnabled(decimalPoint_->isChecked());
  length_->setText(QString::fromStdString(
      FormatText(LoadString(strings::kMessageLength), static_cast<int>(text.size()))));
  UpdatePreview();
}

void CMessageDlg::UpdatePreview() {
  const TOvMessage* loaded = editor_.Loaded();
  if (loaded == nullptr) {
    preview_->setText(QString(panel_.CharactersPerLine(), QLatin1Char(' ')));
    return;
  }
  PreviewItems items;
  items.dataType[0] = item1Type_->DataType();
  items.dataType[1] = item2Type_->DataType();
  items.dataType[2] = item3Type_->DataType();
  for (size_t i = 0; i < 3; ++i) {
    items.leadingZeros[i] = leadingZeros_[i]->isChecked();
  }
  preview_->setText(FromBytes(
      PreviewLine(text_->ModelText(), loaded->isFolder != 0, items, panel_.CharactersPerLine())));
}

void CMessageDlg::Refresh() {
  const MessageLists& lists = editor_.Lists();
  plc_->Fill(lists.plc);
  tree_->Fill(lists.locals);
  const MessageSelection& selection = editor_.Selection();
  plc_->SelectRow(selection.list == MessageList::Plc ? std::optional<size_t>(selection.index)
                                                     : std::nullopt);
  tree_->Select(selection);

  const PlcButtons plcButtons = editor_.PlcListButtons();
  plcNew_->setEnabled(plcButtons.newMessage);
  plcInsert_->setEnabled(plcButtons.insertMessage);
  plcDelete_->setEnabled(plcButtons.remove);
  const TreeButtons treeButtons = editor_.TreeListButtons();
  treeNewMessage_->setEnabled(treeButtons.newMessage);
  treeNewFolder_->setEnabled(treeButtons.newFolder);
  treeInsertMessage_->setEnabled(treeButtons.insertMessage);
  treeInsertFolder_->setEnabled(treeButtons.insertFolder);
  treeDelete_->setEnabled(treeButtons.remove);
  undo_->setEnabled(editor_.CanUndo());
  redo_->setEnabled(editor_.CanRedo());
  UpdatePane();
}

void CMessageDlg::Focus(MessageField field) {
  switch (field) {
    case MessageField::Number:
      number_->setText(QString::fromStdString(editor_.Shown().number));
      FocusForCorrection(number_);
      break;
    case MessageField::Text:
      FocusForCorrection(text_);
      break;
    case MessageField::Minimum:
      FocusForCorrection(minimum_);
      break;
    case MessageField::Maximum:
      FocusForCorrection(maximum_);
      break;
    case MessageField::Item1Address:
      item1Address_->FocusForCorrection();
      break;
    case MessageField::DecimalPointAddress:
      decimalPointAddress_->FocusForCorrection();
      break;
    case MessageField::Item2Address:
      item2Address_->FocusForCorrection();
      break;
    case MessageField::Item3Address:
      item3Address_->FocusForCorrection();
      break;
    case MessageField::None:
      break;
  }
}

void CMessageDlg::Done(bool done) {
  if (done) {
    ShowPane(editor_.Shown());
    Refresh();
    return;
  }
  // A refusal keeps what the user typed; the lists show the selection that
  // stands.
  const MessageField failed = editor_.FailedField();
  const MessageFields typed = PaneFields();
  Refresh();
  if (failed != MessageField::None || editor_.HasEdits(typed)) {
    Focus(failed);
  }
}

void CMessageDlg::SelectFromList() {
  const std::optional<size_t> row = plc_->SelectedRow();
  if (!row) {
    return;
  }
  if (editor_.Select(MessageSelection::Plc(*row), PaneFields())) {
    ShowPane(editor_.Shown());
    Refresh();
    return;
  }
  Done(false);
}

void CMessageDlg::SelectFromTree() {
  const std::optional<MessageSelection> selection = tree_->Selected();
  if (!selection) {
    return;
  }
  if (editor_.Select(*selection, PaneFields())) {
    ShowPane(editor_.Shown());
    Refresh();
    return;
  }
  Done(false);
}

void CMessageDlg::AcceptEdit() {
  if (editor_.Accept(PaneFields())) {
    ShowPane(editor_.Shown());
    Refresh();
    return;
  }
  Focus(editor_.FailedField());
}

void CMessageDlg::DecimalPointClicked(bool checked) {
  if (!text_->SetDecimalPoint(checked)) {
    decimalPoint_->setChecked(false);
    ui_.Show(LoadString(strings::kZ005), Icon::Exclamation);
  }
  UpdatePane();
}

void CMessageDlg::DeleteSelection() {
  Done(editor_.DeleteSelected());
}

bool CMessageDlg::ClipboardHasMessage() const {
  const QMimeData* data = QApplication::clipboard()->mimeData();
  return data != nullptr && data->hasFormat(QString::fromUtf8(me::kClipboardFormat));
}

void CMessageDlg::CopyToClipboard(bool cut) {
  const std::string text = cut ? editor_.Cut().value_or(std::string()) : editor_.CopyText();
  if (text.empty()) {
    return;
  }
  // One block with a terminating NUL.
  QByteArray block(text.data(), static_cast<qsizetype>(text.size()));
  block.append('\0');
  auto* data = new QMimeData;
  data->setData(QString::fromUtf8(me::kClipboardFormat), block);
  QApplication::clipboard()->setMimeData(data);
  if (cut) {
    Done(true);
  }
}

void CMessageDlg::PasteFromClipboard(MessageList target) {
  const QMimeData* data = QApplication::clipboard()->mimeData();
  if (data == nullptr || !data->hasFormat(QString::fromUtf8(me::kClipboardFormat))) {
    return;
  }
  QByteArray block = data->data(QString::fromUtf8(me::kClipboardFormat));
  if (const qsizetype end = block.indexOf('\0'); end >= 0) {
    block.truncate(end);
  }
  Done(editor_.Paste(std::string(block.constData(), static_cast<size_t>(block.size())), target,
                     PaneFields()));
}

std::unique_ptr<QMenu> CMessageDlg::ListMenu() {
  auto menu = std::make_unique<QMenu>(QStringLiteral("&List"));
  menu->setObjectName(QStringLiteral("menu_188_list"));
  const PlcButtons buttons = editor_.PlcListButtons();
  const bool selected = editor_.Selection().list == MessageList::Plc && editor_.Loaded();
  const auto add = [&](const MenuCommand& command, bool enabled, auto&& run) {
    QAction* action = menu->addAction(QString::fromUtf8(command.text));
    action->setObjectName(QStringLiteral("cmd_%1").arg(command.id));
    action->setEnabled(enabled);
    connect(action, &QAction::triggered, this, run);
  };
  add(kListNew, buttons.newMessage, [this] { plcNew_->click(); });
  add(kListInsert, buttons.insertMessage, [this] { plcInsert_->click(); });
  add(kListDelete, buttons.remove, [this] { DeleteSelection(); });
  menu->addSeparator();
  add(kListCut, selected && editor_.CanCut(), [this] { CopyToClipboard(true); });
  add(kListCopy, selected, [this] { CopyToClipboard(false); });
  add(kListPaste, ClipboardHasMessage(), [this] { PasteFromClipboard(MessageList::Plc); });
  return menu;
}

std::unique_ptr<QMenu> CMessageDlg::TreeMenu() {
  auto menu = std::make_unique<QMenu>(QStringLiteral("&Tree"));
  menu->setObjectName(QStringLiteral("menu_188_tree"));
  const TreeButtons buttons = editor_.TreeListButtons();
  const bool selected = editor_.Selection().list == MessageList::Tree && editor_.Loaded();
  const auto add = [&](const MenuCommand& command, bool enabled, auto&& run) {
    QAction* action = menu->addAction(QString::fromUtf8(command.text));
    action->setObjectName(QStringLiteral("cmd_%1").arg(command.id));
    action->setEnabled(enabled);
    connect(action, &QAction::triggered, this, run);
  };
  add(kTreeNewMessage, buttons.newMessage, [this] { treeNewMessage_->click(); });
  add(kTreeNewFolder, buttons.newFolder, [this] { treeNewFolder_->click(); });
  add(kTreeInsertMessage, buttons.insertMessage, [this] { treeInsertMessage_->click(); });
  add(kTreeInsertFolder, buttons.insertFolder, [this] { treeInsertFolder_->click(); });
  add(kTreeDelete, buttons.remove, [this] { DeleteSelection(); });
  menu->addSeparator();
  add(kTreeCut, selected && editor_.CanCut(), [this] { CopyToClipboard(true); });
  add(kTreeCopy, selected, [this] { CopyToClipboard(false); });
  add(kTreePaste, ClipboardHasMessage(), [this] { PasteFromClipboard(MessageList::Tree); });
  return menu;
}

bool CMessageDlg::eventFilter(QObject* watched, QEvent* event) {
  if ((watched == plc_ || watched == tree_) && event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    const MessageList list = watched == plc_ ? MessageList::Plc : MessageList::Tree;
    const bool here = editor_.Selection().list == list && editor_.Loaded() != nullptr;
    if (key->key() == Qt::Key_Delete) {
      if (here) {
        DeleteSelection();
      }
      return true;
    }
    if (key->matches(QKeySequence::Copy)) {
      if (here) {
        CopyToClipboard(false);
      }
      return true;
    }
    if (key->matches(QKeySequence::Cut)) {
      if (here && editor_.CanCut()) {
        CopyToClipboard(true);
      }
      return true;
    }
    if (key->matches(QKeySequence::Paste)) {
      PasteFromClipboard(list);
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void CMessageDlg::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    if (editor_.Loaded() != nullptr && pane_->isAncestorOf(focusWidget())) {
      AcceptEdit();
    }
    return;
  }
  QDialog::keyPressEvent(event);
}

void CMessageDlg::FindAndReplace() {
  CFindReplaceDlg dialog(this);
  connect(&dialog, &CFindReplaceDlg::FindNext, this,
          [this, &dialog](const QString& what, bool matchCase) {
            if (editor_.FindNext(ToBytes(what), matchCase, PaneFields())) {
              ShowPane(editor_.Shown());
              Refresh();
            } else {
              dialog.SetStatus(QStringLiteral("Not found."));
            }
          });
  connect(&dialog, &CFindReplaceDlg::ReplaceAll, this,
          [this, &dialog](const QString& what, const QString& with, bool matchCase) {
            const ReplaceResult result =
                editor_.ReplaceAll(ToBytes(what), ToBytes(with), matchCase, PaneFields());
            ShowPane(editor_.Shown());
            Refresh();
            dialog.SetStatus(QString::fromStdString(ReplaceSummary(result)));
          });
  dialog.exec();
}

void CMessageDlg::ExportTable() {
  FileRequest request;
  request.title = "Export Message Table";
  request.filter = kTableFilter;
  request.defaultExtension = ".csv";
  request.overwritePrompt = true;
  const std::optional<std::string> path = ui_.ChooseSaveFile(request);
  if (!path) {
    return;
  }
  std::string error;
  if (!WriteFileAtomically(*path, ExportMessageTable(project_, editor_.Lists()), &error)) {
    ui_.Show("The message table could not be written to " + *path + ": " + error, Icon::Stop);
  }
}

void CMessageDlg::ImportTable() {
  FileRequest request;
  request.title = "Import Message Table";
  request.filter = kTableFilter;
  request.defaultExtension = ".csv";
  const std::optional<std::string> path = ui_.ChooseOpenFile(request);
  if (!path) {
    return;
  }
  const std::optional<std::string> csv = ReadWholeFile(*path);
  if (!csv) {
    ui_.Show("The message table " + *path + " could not be read.", Icon::Stop);
    return;
  }
  TOvPanel scratch(panel_);
  MessageTableImport result = ImportMessageTable(project_, scratch, *csv);
  if (!result.lists) {
    ui_.Show(ImportFaultsText(result.errors), Icon::Exclamation);
    return;
  }
  if (!editor_.Select({}, PaneFields())) {
    return;
  }
  editor_.ReplaceLists(std::move(*result.lists));
  Done(true);
}

void CMessageDlg::accept() {
  if (!editor_.Ok(PaneFields())) {
    Focus(editor_.FailedField());
    return;
  }
  QDialog::accept();
}

void CMessageDlg::reject() {
  if (editor_.Cancel(PaneFields())) {
    QDialog::reject();
    return;
  }
  Focus(editor_.FailedField());
}

}  // namespace orvane
