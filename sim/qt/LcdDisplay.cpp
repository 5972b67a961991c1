#include "sim/qt/LcdDisplay.h"

#include <QFontDatabase>
#include <QPainter>

namespace orvane::panelview {
namespace {

constexpr int kCellWidth = 17;
constexpr int kCellHeight = 28;
constexpr int kMargin = 14;
constexpr int kColumns = 20;

QFont DisplayFont(int pixel_size) {
  QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  font.setPixelSize(pixel_size);
  font.setBold(true);
  return font;
}

}  // namespace

LcdDisplay::LcdDisplay(QWidget* parent) : QWidget(parent) {
  setObjectName("lcd");
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void LcdDisplay::SetLines(const QStringList& lines, bool set_point, int cursor_line,
                          int cursor_column) {
  const bool resize = lines.size() != lines_.size() || set_point != setPoint_;
  lines_ = lines;
  setPoint_ = set_point;
  cursorLine_ = cursor_line;
  cursorColumn_ = cursor_column;
  if (resize) {
    updateGeometry();
    adjustSize();
  }
  update();
}

QSize LcdDisplay::sizeHint() const {
  if (setPoint_) {
    return {2 * kMargin + 16 * kCellWidth, 2 * kMargin + kCellHeight + 56};
  }
  const int rows = std::max<int>(2, static_cast<int>(lines_.size()));
  return {2 * kMargin + kColumns * kCellWidth, 2 * kMargin + rows * kCellHeight};
}

void LcdDisplay::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.fillRect(rect(), QColor(40, 40, 40));
  const QRect glass = rect().adjusted(4, 4, -4, -4);
  if (setPoint_) {
    painter.setBrush(QColor(20, 20, 20));
    painter.setPen(Qt::NoPen);
    painter.drawRoundedRect(glass, 6, 6);
    // The description on a small LCD, the value on the red digits below.
    const QRect text(kMargin, kMargin, 16 * kCellWidth, kCellHeight);
    painter.fillRect(text, QColor(150, 190, 60));
    painter.setFont(DisplayFont(20));
    painter.setPen(QColor(20, 40, 10));
    const QString description = lines_.value(0);
    for (int column = 0; column < description.size(); ++column) {
      painter.drawText(QRect(text.x() + column * kCellWidth, text.y(), kCellWidth, kCellHeight),
                       Qt::AlignCenter, description.mid(column, 1));
    }
    painter.setFont(DisplayFont(40));
    const QString value = lines_.value(1);
    const QRect digits(kMargin, kMargin + kCellHeight + 6, 16 * kCellWidth, 50);
    painter.setPen(QColor(255, 40, 30));
    painter.drawText(digits, Qt::AlignRight | Qt::AlignVCenter, value);
    if (cursorLine_ == 1 && cursorColumn_ >= 0) {
      // Underline the digit being changed.
      const QFontMetrics metrics(painter.font());
      const int right = digits.right() - metrics.horizontalAdvance(value.mid(cursorColumn_ + 1));
      const int left = right - metrics.horizontalAdvance(value.mid(cursorColumn_, 1));
      painter.fillRect(QRect(left, digits.bottom() - 3, right - left, 3), QColor(255, 40, 30));
    }
    return;
  }
  painter.setBrush(QColor(150, 190, 60));
  painter.setPen(Qt::NoPen);
  painter.drawRoundedRect(glass, 4, 4);
  painter.setFont(DisplayFont(22));
  for (int row = 0; row < lines_.size(); ++row) {
    const QString& line = lines_[row];
    for (int column = 0; column < kColumns; ++column) {
      const QRect cell(kMargin + column * kCellWidth, kMargin + row * kCellHeight, kCellWidth - 1,
                       kCellHeight - 2);
      painter.fillRect(cell, QColor(140, 180, 55));
      const bool cursor = row == cursorLine_ && column == cursorColumn_;
      if (cursor) {
        painter.fillRect(cell, QColor(20, 40, 10));
      }
      painter.setPen(cursor ? QColor(150, 190, 60) : QColor(20, 40, 10));
      painter.drawText(cell, Qt::AlignCenter, line.mid(column, 1));
    }
  }
}

}  // namespace orvane::panelview
