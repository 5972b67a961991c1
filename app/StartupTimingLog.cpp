#include "app/StartupTimingLog.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>

#include "app/MainFrame.h"
#include "app/OrvaneApp.h"
#include "app/SplashWindow.h"

namespace orvane {

StartupTimingLog::StartupTimingLog(OrvaneApp& shell) : shell_(shell) {
  path_ = qEnvironmentVariable("ORVANE_STARTUP_LOG");
  if (path_.isEmpty()) {
    return;
  }
  stage_ = Stage::Splash;
  qApp->installEventFilter(this);
  connect(&shell_, &OrvaneApp::Ready, this, [this] {
    Note("splash-closed");
    stage_ = Stage::Welcome;
  });
}

void StartupTimingLog::Note(const char* stage) const {
  const auto now = std::chrono::system_clock::now().time_since_epoch();
  const long long micros = std::chrono::duration_cast<std::chrono::microseconds>(now).count();
  if (FILE* file = std::fopen(path_.toLocal8Bit().constData(), "a")) {
    std::fprintf(file, "%s %lld.%06lld\n", stage, micros / 1'000'000, micros % 1'000'000);
    std::fclose(file);
  }
}

bool StartupTimingLog::eventFilter(QObject* watched, QEvent* event) {
  // Only paints matter, and only the first of each window; the event goes on
  // unchanged either way.
  if (event->type() != QEvent::Paint || !watched->isWidgetType()) {
    return false;
  }
  const QWidget* window = static_cast<QWidget*>(watched)->window();
  if (stage_ == Stage::Splash && window == shell_.Splash()) {
    Note("splash-painted");
    stage_ = Stage::Closing;
  } else if (stage_ == Stage::Welcome && window == shell_.Frame()) {
    stage_ = Stage::Done;
    qApp->removeEventFilter(this);
    // A zero timer runs once the events already queued (the rest of this
    // paint, input, posted work) have been handled.
    QTimer::singleShot(0, this, [this] { Note("welcome-interactive"); });
  }
  return false;
}

}  // namespace orvane
