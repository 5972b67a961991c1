#include "view/qt/PortField.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>

namespace orvane {

PortField::PortField(int32_t port, QWidget* parent) : QFrame(parent), port_(port) {
  setObjectName(QStringLiteral("portField%1").arg(port));
  setFocusPolicy(Qt::StrongFocus);
  setFrameShape(QFrame::StyledPanel);
  setAutoFillBackground(true);
  setMinimumHeight(52);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  label_ = new QLabel(this);
  label_->setAlignment(Qt::AlignCenter);
  label_->setTextFormat(Qt::PlainText);
  // Wide enough for the longest model name.
  label_->setMinimumWidth(
      label_->fontMetrics().horizontalAdvance(QStringLiteral("Ov200P/Ov200PV")) + 4);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addWidget(label_);
  ShowState();
}

void PortField::SetText(const QString& text) {
  label_->setText(text);
}

QString PortField::Text() const {
  return label_->text();
}

void PortField::SetCurrent(bool current) {
  if (current != current_) {
    current_ = current;
    ShowState();
  }
}

void PortField::ShowState() {
  QPalette colours = palette();
  const QPalette base = parentWidget() != nullptr ? parentWidget()->palette() : QPalette();
  colours.setColor(QPalette::Window,
                   current_ ? base.color(QPalette::Highlight) : base.color(QPalette::Base));
  colours.setColor(QPalette::WindowText,
                   current_ ? base.color(QPalette::HighlightedText) : base.color(QPalette::Text));
  setPalette(colours);
  label_->setPalette(colours);
  setFrameShadow(hasFocus() ? QFrame::Sunken : QFrame::Raised);
  setLineWidth(hasFocus() ? 2 : 1);
}

void PortField::mousePressEvent(QMouseEvent* event) {
  setFocus(Qt::MouseFocusReason);
  if (event->button() == Qt::LeftButton) {
    emit Pressed(port_);
  }
  QFrame::mousePressEvent(event);
}

void PortField::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    emit Activated(port_);
  }
}

void PortField::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Delete:
      emit DeletePressed(port_);
      return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      emit Pressed(port_);
      emit Activated(port_);
      return;
    case Qt::Key_Space:
      emit Pressed(port_);
      return;
    default:
      QFrame::keyPressEvent(event);
  }
}

void PortField::contextMenuEvent(QContextMenuEvent* event) {
  emit MenuRequested(port_, event->globalPos());
}

void PortField::focusInEvent(QFocusEvent* event) {
  QFrame::focusInEvent(event);
  ShowState();
}

void PortField::focusOutEvent(QFocusEvent* event) {
  QFrame::focusOutEvent(event);
  ShowState();
}

}  // namespace orvane
