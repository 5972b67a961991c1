// A drawn picture of a panel model: the display with its lines and
// characters, the function keys with their LEDs, the set point panel's
// value and description, or the multiplexer with its ports.
#pragma once

#include <QWidget>
#include <cstdint>

namespace orvane {

class PanelPicture final : public QWidget {
  Q_OBJECT

 public:
  explicit PanelPicture(QWidget* parent = nullptr);

  void SetModel(int32_t model);
  int32_t Model() const { return model_; }

  QSize sizeHint() const override { return {300, 150}; }
  QSize minimumSizeHint() const override { return {200, 100}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int32_t model_ = 0;
};

}  // namespace orvane
