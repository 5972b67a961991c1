// The worker thread as an owner drives it: cancel waits for its end, and
// after an error the same job runs again.
#include <thread>

#include "link/BaudRate.h"
#include "tests/transfer/TransferFixture.h"
#include "transfer/NotificationQueue.h"
#include "transfer/TransferWorker.h"

namespace orvane::testing {
namespace {

// Holds the worker at its first message until the owner has cancelled.
class HoldingSink : public TransferSink {
 public:
  explicit HoldingSink(TransferJob& job) : job_(job) {}
  void Post(const TransferNotification& note) override {
    if (note.state.stage == stages::kWritingMessages && !reached.IsSet()) {
      reached.Set();
      while (!job_.IsCancelled()) {
        std::this_thread::yield();
      }
    }
    queue.Post(note);
  }
  ManualResetEvent reached;
  NotificationQueue queue;

 private:
  TransferJob& job_;
};

using WorkerTest = TransferTest;

TEST_F(WorkerTest, CancelWaitsForTheEndAndAnErrorLeavesTheJobReadyToRunAgain) {
  UsePanel(kModelOv200);
  SetBaudRateSetting(kSinglePanelBaudRate);
  TOvProject project = FullProject(kModelOv200);
  TransferJob cancelled(operations::kWriteProject, &project);
  cancelled.SetPortName("COM1");
  HoldingSink holding(cancelled);
  cancelled.SetSink(&holding);
  TransferWorker worker;
  ASSERT_TRUE(worker.Start(cancelled, TransferServices{ui_, clock_, &catalog_}));
  holding.reached.Wait();
  EXPECT_TRUE(worker.IsRunning());
  EXPECT_FALSE(worker.Start(cancelled, TransferServices{ui_, clock_, &catalog_}));
  worker.Cancel();
  EXPECT_FALSE(worker.IsRunning());
  EXPECT_EQ(holding.queue.Drain().back().notice, TransferNotice::Ended);
  EXPECT_TRUE(Sim().Panel().Memory().IsEmpty());

  TransferJob job(operations::kWriteProject, &project);
  job.SetPortName("COM1");
  NotificationQueue queue;
  job.SetSink(&queue);
  Sim().SetFaults({.refuse = {{0xB9, 10}}});
  ASSERT_TRUE(worker.Start(job, TransferServices{ui_, clock_, &catalog_}));
  worker.Wait();
  EXPECT_FALSE(job.IsFinished());
  EXPECT_TRUE(job.DoneEvent().IsSet());
  EXPECT_EQ(job.Text(), "ERROR On COM Port. Error C017: E2 Memory failed to program correctly");
  Sim().SetFaults({});
  ASSERT_TRUE(worker.Start(job, TransferServices{ui_, clock_, &catalog_}));
  worker.Wait();
  EXPECT_TRUE(job.IsFinished());
  EXPECT_FALSE(job.DoneEvent().IsSet());
  EXPECT_EQ(job.Stage(), stages::kWriteFinished);
}

TEST_F(WorkerTest, ACancelRightAfterStartIsNotLost) {
  // The owner may cancel before the new thread has got going (a user quick
  // on Cancel, a test): the write must still see it and clear the panel.
  UsePanel(kModelOv200);
  SetBaudRateSetting(kSinglePanelBaudRate);
  TOvProject project = FullProject(kModelOv200);
  for (int run = 0; run < 5; ++run) {
    SCOPED_TRACE(run);
    TransferJob job(operations::kWriteProject, &project);
    job.SetPortName("COM1");
    NotificationQueue queue;
    job.SetSink(&queue);
    TransferWorker worker;
    ASSERT_TRUE(worker.Start(job, TransferServices{ui_, clock_, &catalog_}));
    worker.Cancel();
    EXPECT_TRUE(job.IsCancelled());
    EXPECT_FALSE(job.IsFinished());
    EXPECT_NE(job.Stage(), stages::kWriteFinished);
    EXPECT_EQ(queue.Drain().back().notice, TransferNotice::Ended);
  }
}

TEST_F(WorkerTest, ACancelCountsOnlyWhileTheOperationRuns) {
  // A cancel that comes once the operation has ended (the owner's Cancel
  // racing the worker's end) leaves the job's flag clear.
  TransferJob job(/*operation=*/99, nullptr);
  job.RequestCancel();  // before: nothing runs yet
  EXPECT_FALSE(job.IsCancelled());
  RunTransferOperation(job, TransferServices{ui_, clock_, &catalog_});
  job.RequestCancel();  // after the end
  EXPECT_FALSE(job.IsCancelled());
  job.BeginOperation();
  job.RequestCancel();
  job.EndOperation();
  EXPECT_TRUE(job.IsCancelled());  // a cancel of a running operation stays
}

}  // namespace
}  // namespace orvane::testing
