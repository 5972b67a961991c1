// Small helpers of the Qt tests: finding a widget by its object name, and
// pictures of widgets for people to look at.
#pragma once

#include <QCoreApplication>
#include <QDir>
#include <QPixmap>
#include <QString>
#include <QWidget>
#include <QtGlobal>
#include <cstdlib>

namespace orvane::testing {

/// The child with the object name; a warning names it when there is none
/// (the test then fails on the null pointer it gets).
template <typename T>
T* Find(QObject* parent, const QString& name) {
  T* child = parent->findChild<T*>(name);
  if (child == nullptr) {
    qWarning("no %s", qPrintable(name));
  }
  return child;
}
template <typename T>
T* Find(QObject* parent, const char* name) {
  return Find<T>(parent, QString::fromUtf8(name));
}

/// With ORVANE_SCREENSHOT_DIR set, saves the widget there as NAME.png once
/// its layout has settled, as it has by the time a user looks.
inline void SavePicture(QWidget* widget, const char* name) {
  const char* dir = std::getenv("ORVANE_SCREENSHOT_DIR");
  if (dir != nullptr && *dir != '\0') {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    widget->grab().save(QDir(QString::fromUtf8(dir)).filePath(QString::fromUtf8(name) + ".png"));
  }
}

}  // namespace orvane::testing
