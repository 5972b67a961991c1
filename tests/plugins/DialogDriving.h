// Driving a driver's modal attribute dialog from a Qt test: the dialog runs
// its own event loop inside LaunchObject, so the test's action is queued
// and runs once that loop has the dialog on screen.
#pragma once

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>
#include <string>

#include "plchost/PlcContract.h"

namespace orvane::testing {

/// The dialog's child of the type with the object name; the test stops
/// when there is none.
template <typename T>
T* DialogChild(QDialog& dialog, const char* name) {
  T* child = dialog.findChild<T*>(name);
  if (child == nullptr) {
    qFatal("no widget %s", name);
  }
  return child;
}

inline void PressButton(QDialog& dialog, QDialogButtonBox::StandardButton button) {
  DialogChild<QDialogButtonBox>(dialog, "buttons")->button(button)->click();
}

inline QStringList ListItems(QComboBox* list) {
  QStringList items;
  for (int i = 0; i < list->count(); ++i) {
    items << list->itemText(i);
  }
  return items;
}

/// Calls launch on path and runs action on the dialog it opens. A dialog
/// the action leaves open (a failed check returns early) is closed and the
/// test fails. The launch's result.
inline bool LaunchDialog(PlcPathFn launch, const std::string& path,
                         const std::function<void(QDialog&)>& action) {
  auto poll = std::make_shared<std::function<void()>>();
  *poll = [action, poll] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr) {
      QTimer::singleShot(0, *poll);
      return;
    }
    action(*dialog);
    if (dialog->isVisible()) {
      dialog->reject();
      QFAIL("the dialog was left open");
    }
  };
  QTimer::singleShot(0, *poll);
  const bool result = launch(path.c_str()) != 0;
  *poll = nullptr;
  return result;
}

}  // namespace orvane::testing
