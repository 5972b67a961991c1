// One multiplexer port on the configuration screen: the model name of its
// panel and "Port%d", highlighted while it is the current port. A click
// chooses the port, a double click (or Enter) selects its panel model, the
// Delete key deletes its panel, and its context menu holds the port
// commands.
#pragma once

#include <QFrame>
#include <cstdint>

class QLabel;

namespace orvane {

class PortField final : public QFrame {
  Q_OBJECT

 public:
  PortField(int32_t port, QWidget* parent = nullptr);

  int32_t Port() const { return port_; }
  void SetText(const QString& text);
  QString Text() const;
  void SetCurrent(bool current);
  bool IsCurrent() const { return current_; }

 signals:
  void Pressed(int32_t port);
  void Activated(int32_t port);
  void DeletePressed(int32_t port);
  void MenuRequested(int32_t port, const QPoint& globalPosition);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void ShowState();

  int32_t port_;
  bool current_ = false;
  QLabel* label_ = nullptr;
};

}  // namespace orvane
