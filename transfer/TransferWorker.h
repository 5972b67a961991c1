// The worker thread of a long transfer: one operation of one job, off the
// owner's thread.
#pragma once

#include <atomic>
#include <optional>
#include <thread>

#include "transfer/TOvProjectHelper.h"
#include "transfer/TransferJob.h"

namespace orvane {

/// The worker procedure: an orchestrator over the job runs the job's
/// operation (0 write, 1 read, 2 panel firmware, 3 multiplexer firmware;
/// another value runs nothing) and is destroyed; then an Ended
/// notification is posted. Runs on the calling thread.
void RunTransferOperation(TransferJob& job, const TransferServices& services);

/// Owns at most one thread at a time. The job, its project, the sink and
/// the services must outlive the thread (Cancel or Wait before they go).
/// Start, Cancel and Wait belong to the owner's thread.
class TransferWorker {
 public:
  TransferWorker() = default;
  /// Cancels and waits for a thread still running.
  ~TransferWorker();
  TransferWorker(const TransferWorker&) = delete;
  TransferWorker& operator=(const TransferWorker&) = delete;

  /// Starts RunTransferOperation on a new thread and returns at once. A
  /// thread of an earlier Start that has ended is joined first; false (and
  /// nothing started) while one is still running. Set the job's port name
  /// and sink before.
  bool Start(TransferJob& job, const TransferServices& services);
  /// Whether a thread was started and has not yet ended.
  bool IsRunning() const;
  /// Sets the job's cancel flag while its operation runs, then waits
  /// without time limit for the thread to end (at once when none was
  /// started). The operation sees the flag at its cancel points; a link
  /// read under way finishes first (up to its time-out).
  void Cancel();
  /// Waits without time limit for the thread to end, without cancelling.
  void Wait();

 private:
  std::thread thread_;
  TransferJob* job_ = nullptr;
  std::atomic<bool> running_{false};
};

}  // namespace orvane
