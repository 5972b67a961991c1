// The welcome screen, shown while no project is open: New, Open and Exit
// with their captions, a fourth control shown disabled, the picture of a
// panel and the version line.
#pragma once

#include <QWidget>

namespace orvane {

class WelcomeView final : public QWidget {
  Q_OBJECT

 public:
  /// version: the version text; the line reads "Version %s" with it.
  explicit WelcomeView(const QString& version, QWidget* parent = nullptr);

 signals:
  void NewRequested();
  void OpenRequested();
  void ExitRequested();
};

}  // namespace orvane
