#include "transfer/NotificationQueue.h"
#include "transfer/TransferWorker.h"
#include "view/TransferOwner.h"

namespace orvane {

TransferOutcome QueuedTransferOwner::RunTransfer(TransferJob& job,
                                                 const TransferServices& services) {
  TransferProgress progress(job.Operation());
  NotificationQueue queue;
  job.SetSink(&queue);
  TransferWorker worker;
  if (!worker.Start(job, services)) {
    job.SetSink(nullptr);
    return progress.Outcome();
  }
  const auto take = [&]() {
    bool ended = false;
    for (const TransferNotification& notification : queue.Drain()) {
      progress.Apply(notification);
      if (notification.notice == TransferNotice::Error) {
        job.SetFinished(true);
      }
      ended = ended || notification.notice == TransferNotice::Ended;
      Show(notification, progress);
    }
    return ended;
  };
  bool ended = false;
  while (!ended) {
    if (CancelRequested()) {
      progress.MarkCancelled();
      CancelStarted(progress);
      // Cancel waits for the worker; everything it posted meanwhile is
      // shown afterwards.
      worker.Cancel();
      take();
      break;
    }
    queue.WaitForNotification(kPollInterval);
    ended = take();
  }
  worker.Wait();
  job.SetSink(nullptr);
  return progress.Outcome();
}

}  // namespace orvane
