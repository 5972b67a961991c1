#include "view/qt/CMessageLists.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>

#include "view/ParsedText.h"
#include "view/qt/AddressFields.h"
#include "view/qt/CParsedRichEdit.h"

namespace orvane {
namespace {

QByteArray Bytes(const std::string& text) {
  return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

// What a row shows as plain text: the display form's characters.
QString PlainDisplay(const std::string& modelText) {
  QString shown;
  for (const DisplayCell& cell : DisplayOf(modelText)) {
    shown += QChar(static_cast<unsigned char>(cell.character));
  }
  return shown;
}

QString RowPrefix(const TOvMessage& message) {
  return QStringLiteral("%1: ").arg(message.number, 3, 10, QLatin1Char('0'));
}

}  // namespace

void MessageTextDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
  const QVariant model = index.data(kModelTextRole);
  if (!model.isValid()) {
    QStyledItemDelegate::paint(painter, option, index);
    return;
  }
  QStyleOptionViewItem item = option;
  initStyleOption(&item, index);
  const QString prefix =
      item.text.left(item.text.size() - PlainDisplay(model.toByteArray().toStdString()).size());
  item.text.clear();
  QStyle* style = item.widget != nullptr ? item.widget->style() : QApplication::style();
  style->drawControl(QStyle::CE_ItemViewItem, &item, painter, item.widget);

  const QRect area = style->subElementRect(QStyle::SE_ItemViewItemText, &item, item.widget);
  const bool selected = (option.state & QStyle::State_Selected) != 0;
  const QColor plain = option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text);
  painter->save();
  painter->setFont(item.font);
  int x = area.left() + 2;
  const auto draw = [&](const QString& text, const QColor& colour) {
    painter->setPen(colour);
    painter->drawText(QRect(x, area.top(), area.right() - x, area.height()),
                      Qt::AlignVCenter | Qt::AlignLeft, text);
    x += painter->fontMetrics().horizontalAdvance(text);
  };
  draw(prefix, plain);
  const std::string bytes = model.toByteArray().toStdString();
  for (const DisplayCell& cell : DisplayOf(bytes)) {
    const QString character(QChar(static_cast<unsigned char>(cell.character)));
    if (cell.colour == TextColour::Black) {
      draw(character, plain);
      continue;
    }
    // On the selection's colour a digit keeps its colour on a light ground.
    if (selected) {
      const int width = painter->fontMetrics().horizontalAdvance(character);
      painter->fillRect(QRect(x, area.top() + 1, width, area.height() - 2),
                        option.palette.color(QPalette::Base));
    }
    draw(character, ColourOf(cell.colour));
  }
  painter->restore();
}

CListBoxEx::CListBoxEx(QWidget* parent) : QListWidget(parent) {
  setItemDelegate(new MessageTextDelegate(this));
  setSelectionMode(QAbstractItemView::SingleSelection);
  setContextMenuPolicy(Qt::CustomContextMenu);
  setUniformItemSizes(true);
}

void CListBoxEx::Fill(const std::vector<TOvMessage>& plc) {
  const QSignalBlocker blocker(this);
  clear();
  for (const TOvMessage& message : plc) {
    auto* row = new QListWidgetItem(RowPrefix(message) + PlainDisplay(message.text));
    row->setData(kModelTextRole, Bytes(message.text));
    addItem(row);
  }
}

std::optional<size_t> CListBoxEx::SelectedRow() const {
  const int row = currentRow();
  if (row < 0 || currentItem() == nullptr || !currentItem()->isSelected()) {
    return std::nullopt;
  }
  return static_cast<size_t>(row);
}

void CListBoxEx::SelectRow(std::optional<size_t> row) {
  const QSignalBlocker blocker(this);
  if (row && *row < static_cast<size_t>(count())) {
    setCurrentRow(static_cast<int>(*row));
    scrollToItem(currentItem());
  } else {
    clearSelection();
    setCurrentRow(-1);
  }
}

CTreeCtrlEx::CTreeCtrlEx(QWidget* parent) : QTreeWidget(parent) {
  setHeaderHidden(true);
  setItemDelegate(new MessageTextDelegate(this));
  setSelectionMode(QAbstractItemView::SingleSelection);
  setContextMenuPolicy(Qt::CustomContextMenu);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  connect(this, &QTreeWidget::currentItemChanged, this,
          [this](QTreeWidgetItem* now, QTreeWidgetItem* before) {
            // A folder shows open while it is the selection.
            for (QTreeWidgetItem* item : {before, now}) {
              if (item != nullptr && item != root_ && item->data(0, Qt::UserRole).toBool()) {
                item->setIcon(0, style()->standardIcon(item == now ? QStyle::SP_DirOpenIcon
                                                                   : QStyle::SP_DirClosedIcon));
              }
            }
          });
}

void CTreeCtrlEx::Fill(const std::vector<TOvMessage>& locals) {
  const QSignalBlocker blocker(this);
  clear();
  items_.clear();
  root_ = new QTreeWidgetItem(this, {QStringLiteral("Local Messages")});
  root_->setData(0, kTreeValueRole, (kRootLevel << 16) | kRootPosition);
  root_->setIcon(0, style()->standardIcon(QStyle::SP_DirHomeIcon));
  std::vector<QTreeWidgetItem*> parents{root_};  // by level
  for (size_t position = 0; position < locals.size(); ++position) {
    const TOvMessage& local = locals[position];
    const auto level = static_cast<size_t>(std::max(1, LevelOf(local)));
    parents.resize(std::min(parents.size(), level));
    QTreeWidgetItem* parent = parents.back();
    auto* item = new QTreeWidgetItem(parent, {PlainDisplay(local.text)});
    item->setData(0, kModelTextRole, Bytes(local.text));
    item->setData(0, kTreeValueRole, static_cast<int>((level << 16) | (position & 0xFFFF)));
    item->setData(0, Qt::UserRole, local.isFolder != 0);
    item->setIcon(0, style()->standardIcon(local.isFolder != 0 ? QStyle::SP_DirClosedIcon
                                                               : QStyle::SP_FileIcon));
    items_.push_back(item);
    if (local.isFolder != 0) {
      parents.push_back(item);
    }
  }
  expandAll();
}

std::optional<MessageSelection> CTreeCtrlEx::Selected() const {
  const QTreeWidgetItem* item = currentItem();
  if (item == nullptr || !item->isSelected()) {
    return std::nullopt;
  }
  const int position = item->data(0, kTreeValueRole).toInt() & 0xFFFF;
  if (position == kRootPosition) {
    return MessageSelection::Root();
  }
  return MessageSelection::Local(static_cast<size_t>(position));
}

QTreeWidgetItem* CTreeCtrlEx::ItemAt(size_t position) const {
  return position < items_.size() ? items_[position] : nullptr;
}

void CTreeCtrlEx::Select(const MessageSelection& selection) {
  const QSignalBlocker blocker(this);
  QTreeWidgetItem* item = nullptr;
  if (selection.list == MessageList::Tree) {
    item = selection.root ? root_ : ItemAt(selection.index);
  }
  if (item != nullptr) {
    setCurrentItem(item);
    scrollToItem(item);
  } else {
    clearSelection();
    setCurrentItem(nullptr);
  }
}

}  // namespace orvane
