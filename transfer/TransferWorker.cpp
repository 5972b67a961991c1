#include "transfer/TransferWorker.h"

namespace orvane {
namespace {

// The orchestrator lives exactly as long as its operation, and a cancel
// counts only while it runs (from BeginOperation, which the caller has
// called, to the end).
void RunHelper(TransferJob& job, const TransferServices& services) {
  {
    TOvProjectHelper helper(job, services);
    helper.RunOperation();
  }
  job.EndOperation();
}

}  // namespace

void RunTransferOperation(TransferJob& job, const TransferServices& services) {
  job.BeginOperation();
  RunHelper(job, services);
  job.Post(TransferNotice::Ended);
}

TransferWorker::~TransferWorker() {
  Cancel();
}

bool TransferWorker::Start(TransferJob& job, const TransferServices& services) {
  if (IsRunning()) {
    return false;
  }
  Wait();
  job_ = &job;
  running_.store(true);
  // The operation counts as running from here, not from when the new thread
  // gets going: a cancel right after Start must not fall between the two.
  job.BeginOperation();
  thread_ = std::thread([this, &job, services] {
    RunHelper(job, services);
    // Not running any more before the owner hears of the end, so that an
    // owner may start again as soon as it handles Ended.
    running_.store(false);
    job.Post(TransferNotice::Ended);
  });
  return true;
}

bool TransferWorker::IsRunning() const {
  return running_.load();
}

void TransferWorker::Cancel() {
  // The job itself decides, under the lock its operation ends under, whether
  // there is still an operation to cancel: a job whose operation has ended
  // keeps its flag clear, so that the owner may run it again.
  if (job_ != nullptr) {
    job_->RequestCancel();
  }
  Wait();
}

void TransferWorker::Wait() {
  if (thread_.joinable()) {
    thread_.join();
  }
}

}  // namespace orvane
