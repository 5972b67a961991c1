// Pictures of widgets for the Qt tests: with ORVANE_SCREENSHOT_DIR set,
// a widget is saved there as NAME.png once its layout has settled, as it
// has by the time a user looks.
#pragma once

#include <QCoreApplication>
#include <QDir>
#include <QPixmap>
#include <QWidget>
#include <cstdlib>

namespace orvane::testing {

inline void SavePicture(QWidget* widget, const char* name) {
  const char* dir = std::getenv("ORVANE_SCREENSHOT_DIR");
  if (dir != nullptr && *dir != '\0') {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    widget->grab().save(QDir(QString::fromUtf8(dir)).filePath(QString::fromUtf8(name) + ".png"));
  }
}

}  // namespace orvane::testing
