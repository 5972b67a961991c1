// Who runs a long panel operation for the panel commands: the desktop
// program's progress dialog, orvane-cli's progress on the terminal, or a
// test's recorder.
#pragma once

#include <chrono>

#include "view/TransferProgress.h"

namespace orvane {

class TransferJob;
struct TransferNotification;
struct TransferServices;

class TransferOwner {
 public:
  virtual ~TransferOwner() = default;

  /// Runs the job's operation (its project, file path and port name are
  /// set) on a worker thread with the services: starts the worker, shows
  /// every notification to the user on the owner's thread, cancels when
  /// the user asks (and waits for the worker), and returns once no worker
  /// runs. The outcome comes from a TransferProgress fed with every
  /// notification, never from the job's finished flag alone.
  virtual TransferOutcome RunTransfer(TransferJob& job, const TransferServices& services) = 0;
};

/// A TransferOwner that takes the worker's notifications through a queue on
/// the calling thread, as the progress dialog takes its posted messages:
/// each goes into a TransferProgress and then to Show; an error marks the
/// job finished, as the dialog does once it has shown it. Derived classes
/// show and say when the user cancels. orvane-cli and the tests use it.
class QueuedTransferOwner : public TransferOwner {
 public:
  TransferOutcome RunTransfer(TransferJob& job, const TransferServices& services) override;

 protected:
  /// Called on the owner's thread for every notification once progress has
  /// taken it.
  virtual void Show(const TransferNotification& notification, const TransferProgress& progress) = 0;
  /// Polled on the owner's thread while the operation runs (at least every
  /// PollInterval); true once the user wants to cancel.
  virtual bool CancelRequested() = 0;
  /// Called once the cancel has been handed to the worker, before waiting
  /// for it to end.
  virtual void CancelStarted(const TransferProgress&) {}

  static constexpr std::chrono::milliseconds kPollInterval{50};
};

}  // namespace orvane
