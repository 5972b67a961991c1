// A thread-safe queue of transfer notifications: the worker posts, the
// owner drains on its own thread.
#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <vector>

#include "transfer/TransferNotification.h"

namespace orvane {

class NotificationQueue final : public TransferSink {
 public:
  /// Safe from any thread; never blocks beyond the queue's own lock.
  void Post(const TransferNotification& notification) override;

  /// Takes every waiting notification, oldest first.
  std::vector<TransferNotification> Drain();
  /// Waits until a notification is waiting or the time has passed; whether
  /// one is waiting.
  bool WaitForNotification(std::chrono::milliseconds timeout);

 private:
  std::mutex mutex_;
  std::condition_variable posted_;
  std::deque<TransferNotification> queue_;
};

}  // namespace orvane
