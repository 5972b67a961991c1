// The panel's display drawn as it looks: a green LCD of 2 or 4 lines of 20
// characters with the cursor, or the set point panel's description line and
// its 8-digit value in red.
#pragma once

#include <QStringList>
#include <QWidget>

namespace orvane::panelview {

class LcdDisplay : public QWidget {
  Q_OBJECT

 public:
  explicit LcdDisplay(QWidget* parent = nullptr);

  void SetLines(const QStringList& lines, bool set_point, int cursor_line, int cursor_column);
  const QStringList& Lines() const { return lines_; }

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QStringList lines_;
  bool setPoint_ = false;
  int cursorLine_ = -1;
  int cursorColumn_ = -1;
};

}  // namespace orvane::panelview
