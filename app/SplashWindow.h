// The splash window: borderless, centred, gone after four seconds or at the
// first key or mouse button the user presses anywhere in the program (that
// press is swallowed).
#pragma once

#include <QTimer>
#include <QWidget>

namespace orvane {

class SplashWindow final : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kDefaultDurationMs = 4000;

  /// version: the text the splash names ("Version %s"); empty shows none.
  explicit SplashWindow(const QString& version, int durationMs = kDefaultDurationMs);
  ~SplashWindow() override;

  /// Shows the splash centred on the screen and starts its timer.
  void Start();
  /// Closes it (once) and says so.
  void Dismiss();
  bool IsShowing() const { return showing_; }

 signals:
  void Closed();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  QString version_;
  QTimer timer_;
  bool showing_ = false;
};

}  // namespace orvane
