#include "view/qt/QtUserInterface.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QThread>
#include <condition_variable>
#include <functional>

#include "base/StringTable.h"
#include "view/qt/ChoiceDialog.h"
#include "view/qt/MessageDialog.h"

namespace orvane {

QStringList QtNameFilters(const std::string& filter) {
  const QStringList parts = QString::fromStdString(filter).split('|');
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    const QString name = parts[i];
    QString patterns = parts[i + 1];
    if (name.isEmpty() && patterns.isEmpty()) {
      break;
    }
    patterns.replace(';', ' ');
    patterns.replace(QStringLiteral("*.*"), QStringLiteral("*"));
    // Qt takes the patterns from the parentheses of a name; a name that is
    // its own pattern ("*.ovx") needs none.
    if (name == patterns) {
      filters << name;
    } else {
      QString shown = name;
      const qsizetype open = shown.lastIndexOf('(');
      if (open >= 0) {
        shown = shown.left(open).trimmed();
      }
      filters << QStringLiteral("%1 (%2)").arg(shown, patterns);
    }
  }
  return filters;
}

// One call from another thread: run on this object's thread, or dropped
// with the object. It lives on the calling thread's stack while that waits.
struct QtUserInterface::HandedCall {
  std::function<void()> run;
  std::mutex mutex;
  std::condition_variable over;
  bool ended = false;  // guarded by mutex: run, or dropped
};

QtUserInterface::QtUserInterface(QObject* parent) : QObject(parent) {}

QtUserInterface::~QtUserInterface() {
  std::lock_guard<std::mutex> lock(handedMutex_);
  for (HandedCall* call : handed_) {
    std::lock_guard<std::mutex> callLock(call->mutex);
    call->ended = true;
    call->over.notify_one();
  }
  handed_.clear();
}

template <typename Result, typename Function>
Result QtUserInterface::OnUiThread(Result fallback, Function&& function) {
  if (QThread::currentThread() == thread()) {
    return function();
  }
  // The user-interface thread runs the dialog from its event loop; this
  // thread waits. Should this object go first, the call is dropped and the
  // fallback answers.
  Result result = fallback;
  HandedCall call;
  call.run = [&result, &function] { result = function(); };
  {
    std::lock_guard<std::mutex> lock(handedMutex_);
    handed_.push_back(&call);
  }
  QMetaObject::invokeMethod(this, "RunHandedCall", Qt::QueuedConnection);
  std::unique_lock<std::mutex> lock(call.mutex);
  call.over.wait(lock, [&call] { return call.ended; });
  return result;
}

void QtUserInterface::RunHandedCall() {
  HandedCall* call = nullptr;
  {
    std::lock_guard<std::mutex> lock(handedMutex_);
    if (handed_.empty()) {
      return;
    }
    call = handed_.front();
    handed_.pop_front();
  }
  call->run();
  // Told under the call's lock: once the caller sees the end it returns,
  // and the call is gone.
  std::lock_guard<std::mutex> lock(call->mutex);
  call->ended = true;
  call->over.notify_one();
}

QWidget* QtUserInterface::DialogParent() const {
  if (QWidget* modal = QApplication::activeModalWidget()) {
    return modal;
  }
  return mainWindow_ ? mainWindow_.data() : QApplication::activeWindow();
}

void QtUserInterface::ShowMessage(const Message& message) {
  OnUiThread(0, [this, &message] {
    MessageDialog dialog(*this, DialogParent(), message);
    dialog.exec();
    return 0;
  });
}

Answer QtUserInterface::AskHere(const Question& question) {
  MessageDialog dialog(*this, DialogParent(), question);
  dialog.exec();
  return dialog.Result();
}

Answer QtUserInterface::Ask(const Question& question) {
  return OnUiThread(question.defaultAnswer, [this, &question] { return AskHere(question); });
}

std::optional<std::string> QtUserInterface::ChooseFileHere(const FileRequest& request, bool save) {
  QString title = QString::fromStdString(request.title);
  if (title.isEmpty()) {
    title = save ? QStringLiteral("Save As") : QStringLiteral("Open");
  }
  QFileDialog dialog(DialogParent(), title);
  dialog.setObjectName(QStringLiteral("fileDialog"));
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.overwritePrompt);
  const QStringList filters = QtNameFilters(request.filter);
  if (!filters.isEmpty()) {
    dialog.setNameFilters(filters);
  }
  QString suffix = QString::fromStdString(request.defaultExtension);
  if (suffix.startsWith('.')) {
    suffix.remove(0, 1);
  }
  dialog.setDefaultSuffix(suffix);
  const QString initial = QString::fromStdString(request.initialPath);
  if (!initial.isEmpty() && QFileInfo(initial).isDir()) {
    // A folder to start in, not a file to select in its parent.
    dialog.setDirectory(initial);
  } else if (!initial.isEmpty()) {
    dialog.selectFile(initial);
  } else {
    dialog.setDirectory(QDir::current());
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
    return std::nullopt;
  }
  const QString chosen = dialog.selectedFiles().constFirst();
  // As the platform's choosers do, the chosen file's folder becomes the
  // working folder: the next chooser starts there, and the program starts
  // there next time.
  QDir::setCurrent(QFileInfo(chosen).absolutePath());
  return chosen.toStdString();
}

std::optional<std::string> QtUserInterface::ChooseOpenFile(const FileRequest& request) {
  return OnUiThread(std::optional<std::string>(),
                    [this, &request] { return ChooseFileHere(request, false); });
}

std::optional<std::string> QtUserInterface::ChooseSaveFile(const FileRequest& request) {
  return OnUiThread(std::optional<std::string>(),
                    [this, &request] { return ChooseFileHere(request, true); });
}

std::optional<int> QtUserInterface::ChooseHere(const ChoiceRequest& request) {
  ChoiceDialog dialog(DialogParent(), request);
  if (dialog.exec() != QDialog::Accepted) {
    return std::nullopt;
  }
  return dialog.Chosen();
}

std::optional<int> QtUserInterface::Choose(const ChoiceRequest& request) {
  return OnUiThread(std::optional<int>(), [this, &request] { return ChooseHere(request); });
}

}  // namespace orvane
