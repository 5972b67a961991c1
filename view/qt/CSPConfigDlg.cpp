#include "view/qt/CSPConfigDlg.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "base/Settings.h"
#include "project/TOvProject.h"
#include "view/FieldNumbers.h"
#include "view/qt/AddressFields.h"
#include "view/qt/EditorDialogParts.h"
#include "view/qt/HelpFiles.h"
#include "view/qt/ListColumnWidths.h"

namespace orvane {

namespace sp = set_point;

/// The entry list as an item model over the dialog's working copy.
class SetPointListModel final : public QAbstractTableModel {
 public:
  explicit SetPointListModel(const SetPointSetup& setup) : setup_(setup) {}

  void Reload() {
    beginResetModel();
    endResetModel();
  }

  int rowCount(const QModelIndex& parent = {}) const override {
    return parent.isValid() ? 0 : static_cast<int>(setup_.Entries().size());
  }
  int columnCount(const QModelIndex& parent = {}) const override {
    return parent.isValid() ? 0 : sp::kColumnCount;
  }
  QVariant data(const QModelIndex& index, int role) const override {
    const auto row = static_cast<size_t>(index.row());
    if (!index.isValid() || row >= setup_.Entries().size()) {
      return {};
    }
    if (role == Qt::DisplayRole) {
      return FromBytes(setup_.Cell(row, index.column()));
    }
    if (role == Qt::ToolTipRole) {
      // The list has no column for the description; the row names it.
      return FromBytes(setup_.Entries()[row].text);
    }
    return {};
  }
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < sp::kColumnCount) {
      return QString::fromUtf8(sp::kColumnTitles[static_cast<size_t>(section)]);
    }
    return {};
  }

 private:
  const SetPointSetup& setup_;
};

namespace {

// The list's context menu commands.
constexpr int kCut = 32808;
constexpr int kCopy = 32809;
constexpr int kPaste = 32810;

QComboBox* TextCombo(const std::vector<std::string>& texts, int id) {
  auto* combo = new QComboBox;
  combo->setObjectName(ControlName(id));
  for (const std::string& text : texts) {
    combo->addItem(QString::fromStdString(text));
  }
  return combo;
}

QLineEdit* NumberEdit(int id) {
  auto* edit = new QLineEdit;
  edit->setObjectName(ControlName(id));
  edit->setMaxLength(11);
  return edit;
}

}  // namespace

CSPConfigDlg::CSPConfigDlg(TOvProject& project, TOvPanel& panel, UserInterface& ui, QWidget* parent)
    : CSPConfigDlg(project, panel, ui, QStringLiteral("dlg_148"), parent) {}

CSPConfigDlg::CSPConfigDlg(TOvProject& project, TOvPanel& panel, UserInterface& ui,
                           const QString& objectName, QWidget* parent)
    : QDialog(parent),
      setup_(project, panel, ui),
      project_(project),
      ui_(ui),
      model_(std::make_unique<SetPointListModel>(setup_)) {
  setObjectName(objectName);
  setWindowTitle(QStringLiteral("Ov-SP Configuration"));
  const TOvTagMap& table = TagMapFor(project, panel);

  // OK is pressed, never reached with Enter from a field: Enter in the
  // number combo selects, in the other fields it does nothing. (A button
  // box would make OK the default button when it shows.)
  auto* ok = new QPushButton(QStringLiteral("OK"));
  ok->setObjectName(ControlName(sp::kOk));
  auto* cancel = new QPushButton(QStringLiteral("Cancel"));
  cancel->setObjectName(QStringLiteral("cancelButton"));
  for (QPushButton* button : {ok, cancel}) {
    button->setAutoDefault(false);
  }
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(ok);
  buttons->addWidget(cancel);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(BuildList(), 1);
  auto* row = new QHBoxLayout;
  row->addWidget(BuildEntry(table), 3);
  row->addWidget(BuildPanelFields(table), 2);
  layout->addLayout(row);
  layout->addLayout(buttons);

  ShowEntry(setup_.Shown());
  ShowPanel(setup_.PanelFields());
  RefreshList();
  number_->setFocus();
  resize(1000, 640);
}

CSPConfigDlg::~CSPConfigDlg() = default;

QWidget* CSPConfigDlg::BuildList() {
  auto* box = new QWidget;
  list_ = new QTableView;
  list_->setObjectName(QStringLiteral("entryList"));
  list_->setModel(model_.get());
  SetUpReportList(*list_);
  RestoreColumnWidths(*list_, AppSettings(), sp::kColumnSection);
  list_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(list_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
    if (std::unique_ptr<QMenu> menu = ListMenu()) {
      menu->exec(list_->viewport()->mapToGlobal(at));
    }
  });
  connect(list_, &QTableView::clicked, this, [this](const QModelIndex& index) {
    const auto row = static_cast<size_t>(index.row());
    if (row < setup_.Entries().size()) {
      SelectNumber(QString::fromStdString(SetPointNumberText(setup_.Entries()[row].number)));
    }
  });
  list_->installEventFilter(this);

  total_ = new QLabel;
  total_->setObjectName(QStringLiteral("entryTotal"));
  auto* header = new QHBoxLayout;
  header->addWidget(new QLabel(QStringLiteral("Set point entries:")));
  header->addStretch(1);
  header->addWidget(new QLabel(QStringLiteral("Messages programmed (of 256):")));
  header->addWidget(total_);
  auto* layout = new QVBoxLayout(box);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addLayout(header);
  layout->addWidget(list_, 1);
  return box;
}

QWidget* CSPConfigDlg::BuildEntry(const TOvTagMap& table) {
  auto* box = new QGroupBox(QStringLiteral("Set point entry"));
  auto* grid = new QGridLayout(box);

  number_ = new QComboBox;
  number_->setObjectName(ControlName(sp::kNumber));
  number_->setEditable(true);
  number_->setInsertPolicy(QComboBox::NoInsert);
  number_->lineEdit()->setMaxLength(sp::kNumberLength);
  connect(number_, &QComboBox::activated, this,
          [this](int index) { SelectNumber(number_->itemText(index)); });
  connect(number_->lineEdit(), &QLineEdit::returnPressed, this,
          [this] { SelectNumber(number_->currentText()); });
  auto* select = new QPushButton(QStringLiteral("&Select"));
  select->setObjectName(ControlName(sp::kSelect));
  select->setAutoDefault(false);
  connect(select, &QPushButton::clicked, this, [this] { SelectNumber(number_->currentText()); });

  text_ = new QLineEdit;
  text_->setObjectName(ControlName(sp::kText));
  text_->setMaxLength(static_cast<int>(sp::kTextLength));
  minimum_ = NumberEdit(sp::kMinimum);
  maximum_ = NumberEdit(sp::kMaximum);
  displayMethod_ = TextCombo({sp::kDisplayMethodTexts.begin(), sp::kDisplayMethodTexts.end()},
                             sp::kDisplayMethod);
  dataType_ = TextCombo(DataTypeTexts(DataTypeOrder::SetPoint), sp::kDataType);
  decimalPoint_ = TextCombo(DecimalPointTexts(), sp::kDecimalPoint);
  address_ = MakeAddressField(setup_.Kind(), table);
  address_->Widget()->setObjectName(ControlName(sp::kAddress));
  decimalAddress_ = MakeAddressField(setup_.Kind(), table);
  decimalAddress_->Widget()->setObjectName(ControlName(sp::kDecimalAddress));
  connect(displayMethod_, &QComboBox::currentIndexChanged, this, [this] { UpdateEnabled(); });
  connect(decimalPoint_, &QComboBox::currentIndexChanged, this, [this] { UpdateEnabled(); });
  auto* help = new QPushButton(QStringLiteral("?"));
  help->setFixedWidth(help->fontMetrics().horizontalAdvance(QStringLiteral("?")) + 24);
  help->setObjectName(ControlName(sp::kAddressHelp));
  help->setToolTip(QStringLiteral("The PLC address format"));
  help->setAutoDefault(false);
  connect(help, &QPushButton::clicked, this, [this] { OpenPlcHelp(project_, ui_); });

  auto* accept = new QPushButton(QStringLiteral("Accept Current Edit"));
  accept->setObjectName(ControlName(sp::kAccept));
  accept->setAutoDefault(false);
  connect(accept, &QPushButton::clicked, this, [this] { AcceptEdit(); });
  auto* remove = new QPushButton(QStringLiteral("&Delete Message"));
  remove->setObjectName(ControlName(sp::kDelete));
  remove->setAutoDefault(false);
  connect(remove, &QPushButton::clicked, this, [this] { DeleteSelected(); });

  auto* numberRow = new QHBoxLayout;
  numberRow->addWidget(number_);
  numberRow->addWidget(select);
  numberRow->addStretch(1);
  grid->addWidget(BuddyLabel(QStringLiteral("Message &Number:"), number_), 0, 0);
  grid->addLayout(numberRow, 0, 1, 1, 3);
  grid->addWidget(BuddyLabel(QStringLiteral("&Text:"), text_), 1, 0);
  grid->addWidget(text_, 1, 1, 1, 3);
  grid->addWidget(BuddyLabel(QStringLiteral("Display &Method:"), displayMethod_), 2, 0);
  grid->addWidget(displayMethod_, 2, 1);
  grid->addWidget(BuddyLabel(QStringLiteral("Data T&ype:"), dataType_), 2, 2);
  grid->addWidget(dataType_, 2, 3);
  grid->addWidget(new QLabel(QStringLiteral("Set Point Value Range")), 3, 0);
  auto* range = new QHBoxLayout;
  range->addWidget(BuddyLabel(QStringLiteral("Mi&n:"), minimum_));
  range->addWidget(minimum_);
  range->addWidget(BuddyLabel(QStringLiteral("Ma&x:"), maximum_));
  range->addWidget(maximum_);
  grid->addLayout(range, 3, 1, 1, 3);
  grid->addWidget(BuddyLabel(QStringLiteral("Decimal &Point:"), decimalPoint_), 4, 0);
  grid->addWidget(decimalPoint_, 4, 1);
  grid->addWidget(BuddyLabel(QStringLiteral("Set Point Value &PLC Address:"), address_->Widget()),
                  5, 0);
  auto* addressRow = new QHBoxLayout;
  addressRow->addWidget(address_->Widget(), 1);
  addressRow->addWidget(help);
  grid->addLayout(addressRow, 5, 1, 1, 3);
  grid->addWidget(
      BuddyLabel(QStringLiteral("Variable Dec Point PLC &Address:"), decimalAddress_->Widget()), 6,
      0);
  grid->addWidget(decimalAddress_->Widget(), 6, 1, 1, 3);
  auto* commands = new QHBoxLayout;
  commands->addStretch(1);
  commands->addWidget(accept);
  commands->addWidget(remove);
  grid->addLayout(commands, 7, 0, 1, 4);
  grid->setColumnStretch(1, 1);
  grid->setColumnStretch(3, 1);
  return box;
}

QWidget* CSPConfigDlg::BuildPanelFields(const TOvTagMap& table) {
  auto* box = new QGroupBox(QStringLiteral("Panel"));
  auto* layout = new QVBoxLayout(box);
  selection_ = new QCheckBox(QStringLiteral("Optional PLC &message selection"));
  selection_->setObjectName(ControlName(sp::kSelection));
  selectionAddress_ = MakeAddressField(setup_.Kind(), table);
  selectionAddress_->Widget()->setObjectName(ControlName(sp::kSelectionAddress));
  selectionType_ = new CDataTypeComboBox(DataTypeOrder::SetPoint);
  selectionType_->setObjectName(ControlName(sp::kSelectionType));
  connect(selection_, &QCheckBox::toggled, this, [this] { UpdateEnabled(); });
  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel(QStringLiteral("Message number\nPLC address:")), 0, 0);
  grid->addWidget(selectionAddress_->Widget(), 0, 1);
  grid->addWidget(BuddyLabel(QStringLiteral("Data Type:"), selectionType_), 1, 0);
  grid->addWidget(selectionType_, 1, 1);
  grid->setColumnStretch(1, 1);

  beeperYes_ = new QRadioButton(QStringLiteral("Yes"));
  beeperYes_->setObjectName(ControlName(sp::kBeeperYes));
  beeperNo_ = new QRadioButton(QStringLiteral("No"));
  beeperNo_->setObjectName(ControlName(sp::kBeeperNo));
  auto* beeperGroup = new QButtonGroup(box);
  beeperGroup->addButton(beeperYes_);
  beeperGroup->addButton(beeperNo_);
  auto* beeper = new QHBoxLayout;
  beeper->addWidget(new QLabel(QStringLiteral("Enable Beeper")));
  beeper->addWidget(beeperYes_);
  beeper->addWidget(beeperNo_);
  beeper->addStretch(1);

  auto* note = new QLabel(
      QStringLiteral("The operator chooses an entry with the scroll keys, or the PLC writes its "
                     "number into the message selection address."));
  note->setWordWrap(true);
  layout->addWidget(selection_);
  layout->addLayout(grid);
  layout->addLayout(beeper);
  layout->addWidget(note);
  layout->addStretch(1);
  return box;
}

SetPointEntryFields CSPConfigDlg::EntryShown() const {
  SetPointEntryFields fields;
  fields.number = number_->currentText().toStdString();
  fields.text = ToBytes(text_->text());
  fields.minimum = minimum_->text().toStdString();
  fields.maximum = maximum_->text().toStdString();
  fields.displayMethod = displayMethod_->currentIndex();
  fields.dataType = dataType_->currentIndex();
  fields.decimalPoint = decimalPoint_->currentIndex();
  fields.address = address_->FieldText();
  fields.decimalAddress = decimalAddress_->FieldText();
  return fields;
}

SetPointPanelFields CSPConfigDlg::PanelShown() const {
  SetPointPanelFields fields;
  fields.selection = selection_->isChecked();
  fields.selectionAddress = selectionAddress_->FieldText();
  fields.selectionType = selectionType_->currentIndex();
  fields.beeper = beeperYes_->isChecked();
  return fields;
}

void CSPConfigDlg::ShowEntry(const SetPointEntryFields& fields) {
  number_->setEditText(QString::fromStdString(fields.number));
  text_->setText(FromBytes(fields.text));
  minimum_->setText(QString::fromStdString(fields.minimum));
  maximum_->setText(QString::fromStdString(fields.maximum));
  displayMethod_->setCurrentIndex(fields.displayMethod);
  dataType_->setCurrentIndex(fields.dataType);
  decimalPoint_->setCurrentIndex(fields.decimalPoint);
  address_->SetFieldText(fields.address);
  decimalAddress_->SetFieldText(fields.decimalAddress);
  UpdateEnabled();
}

void CSPConfigDlg::ShowPanel(const SetPointPanelFields& fields) {
  selection_->setChecked(fields.selection);
  selectionAddress_->SetFieldText(fields.selectionAddress);
  selectionType_->setCurrentIndex(fields.selectionType);
  (fields.beeper ? beeperYes_ : beeperNo_)->setChecked(true);
  UpdateEnabled();
}

void CSPConfigDlg::UpdateEnabled() {
  const SetPointEntryFields fields = EntryShown();
  minimum_->setEnabled(fields.LimitsEnabled());
  maximum_->setEnabled(fields.LimitsEnabled());
  decimalAddress_->Widget()->setEnabled(fields.DecimalAddressEnabled());
  selectionAddress_->Widget()->setEnabled(selection_->isChecked());
  selectionType_->setEnabled(selection_->isChecked());
}

void CSPConfigDlg::RefreshList() {
  model_->Reload();
  const QString shown = number_->currentText();
  number_->blockSignals(true);
  number_->clear();
  for (const std::string& text : setup_.NumberTexts()) {
    number_->addItem(QString::fromStdString(text));
  }
  number_->setCurrentIndex(-1);
  number_->setEditText(shown);
  number_->blockSignals(false);
  total_->setText(QString::number(setup_.Entries().size()));
  list_->clearSelection();
  const std::optional<int64_t> number = ReadFieldNumber(shown.toStdString());
  if (number) {
    if (const std::optional<size_t> row = setup_.RowOf(static_cast<int>(*number))) {
      list_->selectRow(static_cast<int>(*row));
    }
  }
}

std::optional<size_t> CSPConfigDlg::SelectedRow() const {
  const QModelIndexList rows = list_->selectionModel()->selectedRows();
  if (rows.isEmpty()) {
    return std::nullopt;
  }
  return static_cast<size_t>(rows.front().row());
}

void CSPConfigDlg::Focus(SetPointField field) {
  switch (field) {
    case SetPointField::Number:
      FocusForCorrection(number_);
      break;
    case SetPointField::Minimum:
      FocusForCorrection(minimum_);
      break;
    case SetPointField::Maximum:
      FocusForCorrection(maximum_);
      break;
    case SetPointField::Address:
      address_->FocusForCorrection();
      break;
    case SetPointField::DecimalAddress:
      decimalAddress_->FocusForCorrection();
      break;
    case SetPointField::SelectionAddress:
      selectionAddress_->FocusForCorrection();
      break;
    case SetPointField::None:
      break;
  }
}

void CSPConfigDlg::SelectNumber(const QString& text) {
  const bool loaded = setup_.Select(text.toStdString(), EntryShown());
  if (!loaded) {
    // A commit on the way may have stored before it was refused.
    RefreshList();
    Focus(setup_.FailedField());
    return;
  }
  ShowEntry(setup_.Shown());
  RefreshList();
  text_->setFocus(Qt::OtherFocusReason);
}

void CSPConfigDlg::AcceptEdit() {
  if (!setup_.Commit(EntryShown())) {
    Focus(setup_.FailedField());
    return;
  }
  ShowEntry(setup_.Shown());
  RefreshList();
}

void CSPConfigDlg::DeleteSelected() {
  const std::optional<size_t> row = SelectedRow();
  if (row && setup_.Delete(*row)) {
    RefreshList();
  }
}

bool CSPConfigDlg::ClipboardHasEntry() const {
  const QMimeData* data = QApplication::clipboard()->mimeData();
  return data != nullptr && data->hasFormat(QString::fromUtf8(sp::kClipboardFormat));
}

void CSPConfigDlg::CopySelected(bool cut) {
  const std::optional<size_t> row = SelectedRow();
  if (!row) {
    return;
  }
  std::string text = cut ? setup_.Cut(*row).value_or(std::string()) : setup_.CopyText(*row);
  if (text.empty()) {
    return;
  }
  // One block with a terminating NUL, as other programs of the family
  // read it.
  QByteArray block(text.data(), static_cast<qsizetype>(text.size()));
  block.append('\0');
  auto* data = new QMimeData;
  data->setData(QString::fromUtf8(sp::kClipboardFormat), block);
  QApplication::clipboard()->setMimeData(data);
  if (cut) {
    RefreshList();
  }
}

void CSPConfigDlg::PasteClipboard() {
  const QMimeData* data = QApplication::clipboard()->mimeData();
  if (data == nullptr || !data->hasFormat(QString::fromUtf8(sp::kClipboardFormat))) {
    return;
  }
  QByteArray block = data->data(QString::fromUtf8(sp::kClipboardFormat));
  if (const qsizetype end = block.indexOf('\0'); end >= 0) {
    block.truncate(end);
  }
  const std::optional<size_t> row = setup_.Paste(
      std::string(block.constData(), static_cast<size_t>(block.size())), SelectedRow());
  if (row) {
    model_->Reload();
    RefreshList();
    list_->selectRow(static_cast<int>(*row));
  }
}

std::unique_ptr<QMenu> CSPConfigDlg::ListMenu() {
  auto menu = std::make_unique<QMenu>(QStringLiteral("SP"));
  menu->setObjectName(QStringLiteral("menu_188"));
  const bool selected = SelectedRow().has_value();
  QAction* cut = menu->addAction(QStringLiteral("Cu&t"));
  cut->setObjectName(QStringLiteral("cmd_%1").arg(kCut));
  cut->setEnabled(selected);
  connect(cut, &QAction::triggered, this, [this] { CopySelected(true); });
  QAction* copy = menu->addAction(QStringLiteral("&Copy"));
  copy->setObjectName(QStringLiteral("cmd_%1").arg(kCopy));
  copy->setEnabled(selected);
  connect(copy, &QAction::triggered, this, [this] { CopySelected(false); });
  QAction* paste = menu->addAction(QStringLiteral("&Paste"));
  paste->setObjectName(QStringLiteral("cmd_%1").arg(kPaste));
  paste->setEnabled(ClipboardHasEntry());
  connect(paste, &QAction::triggered, this, [this] { PasteClipboard(); });
  return menu;
}

bool CSPConfigDlg::eventFilter(QObject* watched, QEvent* event) {
  if (watched == list_ && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
    DeleteSelected();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void CSPConfigDlg::accept() {
  if (!setup_.Ok(PanelShown(), EntryShown())) {
    RefreshList();
    Focus(setup_.FailedField());
    return;
  }
  StoreColumnWidths(*list_, AppSettings(), sp::kColumnSection);
  QDialog::accept();
}

void CSPConfigDlg::reject() {
  if (setup_.Cancel(PanelShown(), EntryShown())) {
    QDialog::reject();
    return;
  }
  RefreshList();
  Focus(setup_.FailedField());
}

}  // namespace orvane
