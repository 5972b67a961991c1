// The transfer progress dialog (198, "Download"): the port, Start, the check
// list of the operation's steps with their check marks, the progress bar,
// the percentage and the status line, the errors, and Cancel. It runs one
// long operation (Write, Read, Verify's read, both firmware upgrades) on
// the worker thread and shows what the worker posts; TransferDialogOwner
// makes it the panel commands' owner of long operations.
//
// The user-interface thread never waits for the worker: the worker may be
// waiting itself for a message box the user-interface thread shows. Cancel
// hands the cancel to the worker and waits for its end with the dialog's
// event loop; the dialog closes once the worker has ended, and only then
// does anything on this thread look at the job's project again.
#pragma once

#include <QDialog>
#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "transfer/TOvProjectHelper.h"
#include "transfer/TransferWorker.h"
#include "view/PortChoices.h"
#include "view/TransferOwner.h"
#include "view/TransferProgress.h"

class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;

namespace orvane {

class Settings;
class TransferJob;

/// The ports the dialog offers and how a chosen one is opened.
struct TransferPorts {
  /// "Port": the entry it names is preselected, and Start stores the chosen
  /// one (a port that cannot be stored starts nothing).
  Settings* settings = nullptr;
  std::vector<PortChoice> choices;
  /// The name the link opens for a chosen port: COM names and device paths
  /// as they are, the simulated panel's link once it runs. Nothing (with
  /// the text to show in error) when the port cannot be had. Unset: every
  /// port as it is.
  std::function<std::optional<std::string>(const std::string& port, std::string& error)> open;
};

class CCommProgDlg final : public QDialog {
  Q_OBJECT

 public:
  /// The job's operation, project and file path are set; the job, the
  /// services and the settings must outlive the dialog.
  CCommProgDlg(TransferJob& job, const TransferServices& services, TransferPorts ports,
               QWidget* parent = nullptr);
  ~CCommProgDlg() override;

  /// Start (1269): the chosen port is stored as "Port" and opened, and the
  /// worker starts.
  void Start();
  /// Cancel (2), Escape and closing the window: at once while nothing
  /// runs, else the worker is told and the dialog closes when it has ended.
  void Cancel();

  /// How the operation ended, once the dialog has closed.
  const TransferOutcome& Outcome() const { return progress_.Outcome(); }
  const TransferProgress& Progress() const { return progress_; }
  /// A worker has been started and has not yet ended.
  bool WorkerRunning() const { return running_; }

 protected:
  void reject() override;
  void closeEvent(QCloseEvent* event) override;

 private:
  class Sink;

  /// Takes the next notification the worker has posted (one event each).
  Q_INVOKABLE void TakePosted();
  void Take(const TransferNotification& notification);
  void Render();
  /// Back to choosing a port: the combo and Start enabled again.
  void Idle();
  /// Ends the dialog once no worker runs (now, or when it has ended).
  void CloseWhenEnded();
  void ShowError(const std::string& text, const std::string& details);

  TransferJob& job_;
  TransferServices services_;
  TransferPorts ports_;
  TransferProgress progress_;
  // The sink goes after the worker, which may still post to it.
  std::unique_ptr<Sink> sink_;
  TransferWorker worker_;
  bool running_ = false;
  bool closing_ = false;
  bool cancelAsked_ = false;

  QComboBox* port_ = nullptr;
  QPushButton* start_ = nullptr;
  QPushButton* cancel_ = nullptr;
  QProgressBar* bar_ = nullptr;
  QLabel* percent_ = nullptr;
  QLabel* status_ = nullptr;
  std::array<QLabel*, kChecklistRows> labels_{};
  std::array<QLabel*, kChecklistRows> marks_{};
};

/// The panel commands' owner of long operations in the desktop program:
/// each runs in a CCommProgDlg of its own, modally.
class TransferDialogOwner final : public TransferOwner {
 public:
  /// parent: the window the dialog belongs to; ports: asked afresh for
  /// every operation.
  TransferDialogOwner(QWidget* parent, std::function<TransferPorts()> ports);

  TransferOutcome RunTransfer(TransferJob& job, const TransferServices& services) override;

 private:
  QWidget* parent_;
  std::function<TransferPorts()> ports_;
};

}  // namespace orvane
