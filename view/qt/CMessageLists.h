// The message editor's two selectors: the PLC message list (CListBoxEx,
// each row "%03d: %s" with the data items' digits drawn in their colours)
// and the local message tree (CTreeCtrlEx: a root, then the folders and
// messages at their levels). They show what MessageEditor holds; the
// dialog turns their selection and keys into its commands.
#pragma once

#include <QListWidget>
#include <QStyledItemDelegate>
#include <QTreeWidget>
#include <optional>
#include <vector>

#include "view/MessageEditor.h"

namespace orvane {

/// The item data role that holds a row's model text (a QByteArray).
inline constexpr int kModelTextRole = Qt::UserRole + 1;
/// The tree items' 32-bit value: the level in the high 16 bits, the
/// position in the local message list in the low 16 (0xFFFF on the root).
inline constexpr int kTreeValueRole = Qt::UserRole + 2;
inline constexpr int kRootPosition = 0xFFFF;

/// Draws a row's text with the data items' digit positions in colour.
class MessageTextDelegate final : public QStyledItemDelegate {
  Q_OBJECT

 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
};

class CListBoxEx final : public QListWidget {
  Q_OBJECT

 public:
  explicit CListBoxEx(QWidget* parent = nullptr);
  /// One row per PLC message in order.
  void Fill(const std::vector<TOvMessage>& plc);
  std::optional<size_t> SelectedRow() const;
  void SelectRow(std::optional<size_t> row);
};

class CTreeCtrlEx final : public QTreeWidget {
  Q_OBJECT

 public:
  explicit CTreeCtrlEx(QWidget* parent = nullptr);
  /// The root, then every local message under the nearest entry above it
  /// one level up; the tree is expanded.
  void Fill(const std::vector<TOvMessage>& locals);
  /// The selection as the editor names it; none without a current item.
  std::optional<MessageSelection> Selected() const;
  void Select(const MessageSelection& selection);
  QTreeWidgetItem* Root() const { return root_; }
  /// The item of a local message's position.
  QTreeWidgetItem* ItemAt(size_t position) const;

 private:
  QTreeWidgetItem* root_ = nullptr;
  std::vector<QTreeWidgetItem*> items_;
};

}  // namespace orvane
