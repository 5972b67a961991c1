// The start-up timing log: with ORVANE_STARTUP_LOG naming a file, the
// program appends one line per stage of its start, "<stage> <seconds>" on
// the system clock (seconds since the epoch, with microseconds), so that a
// script can set them against the moment it launched the program or pressed
// a key. The stages: "splash-painted" (the splash has been painted once),
// "splash-closed" (the splash has gone), "welcome-interactive" (the welcome
// screen has been painted and the event loop has come back round with
// nothing left to do first: the next key or click is handled at once).
// Without the variable nothing is made and nothing is written.
#pragma once

#include <QObject>
#include <QString>

namespace orvane {

class OrvaneApp;

class StartupTimingLog final : public QObject {
  Q_OBJECT

 public:
  /// Starts watching the shell (before OrvaneApp::Start: the splash may
  /// paint while the main frame is made); does nothing without
  /// ORVANE_STARTUP_LOG.
  explicit StartupTimingLog(OrvaneApp& shell);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  enum class Stage { Splash, Closing, Welcome, Done };

  void Note(const char* stage) const;

  OrvaneApp& shell_;
  QString path_;
  Stage stage_ = Stage::Done;
};

}  // namespace orvane
