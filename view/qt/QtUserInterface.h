// The user interface seam in Qt: message boxes, questions, file choosers
// and choices for the desktop program.
//
// Every call may come from any thread. On the user-interface thread the
// dialog runs at once; from another thread (a transfer's worker) the call is
// handed to the user-interface thread, which shows the dialog from its event
// loop, and the calling thread waits for the answer. The user-interface
// thread's event loop keeps running all the while, so its progress display
// and timers stay alive; it must never wait for that worker itself. The
// call and its answer pass between the threads under locks of this object,
// so that what each thread writes is ordered before the other reads it.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <deque>
#include <mutex>

#include "base/UserInterface.h"

namespace orvane {

/// A classic filter ("Orvane Files (*.ovx)|*.ovx|All Files (*.*)|*.*||") as
/// Qt's name filters; "*.*" stands for every file, as it does there.
QStringList QtNameFilters(const std::string& filter);

class QtUserInterface final : public QObject, public UserInterface {
  Q_OBJECT

 public:
  /// Must be made on the user-interface thread.
  explicit QtUserInterface(QObject* parent = nullptr);
  /// A call still waiting for this object's thread is dropped: its caller
  /// gets the fallback answer.
  ~QtUserInterface() override;

  /// The window the dialogs belong to (the main frame).
  void SetMainWindow(QWidget* window) { mainWindow_ = window; }

  void ShowMessage(const Message& message) override;
  Answer Ask(const Question& question) override;
  std::optional<std::string> ChooseOpenFile(const FileRequest& request) override;
  std::optional<std::string> ChooseSaveFile(const FileRequest& request) override;
  std::optional<int> Choose(const ChoiceRequest& request) override;

 private:
  struct HandedCall;

  template <typename Result, typename Function>
  Result OnUiThread(Result fallback, Function&& function);
  QWidget* DialogParent() const;
  Answer AskHere(const Question& question);
  std::optional<std::string> ChooseFileHere(const FileRequest& request, bool save);
  std::optional<int> ChooseHere(const ChoiceRequest& request);

  /// Runs the oldest call handed over from another thread (one event for
  /// each call).
  Q_INVOKABLE void RunHandedCall();

  QPointer<QWidget> mainWindow_;
  std::mutex handedMutex_;
  std::deque<HandedCall*> handed_;  // guarded by handedMutex_
};

}  // namespace orvane
