#include "transfer/NotificationQueue.h"

namespace orvane {

void NotificationQueue::Post(const TransferNotification& notification) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    queue_.push_back(notification);
  }
  posted_.notify_all();
}

std::vector<TransferNotification> NotificationQueue::Drain() {
  std::lock_guard<std::mutex> lock(mutex_);
  std::vector<TransferNotification> taken(queue_.begin(), queue_.end());
  queue_.clear();
  return taken;
}

bool NotificationQueue::WaitForNotification(std::chrono::milliseconds timeout) {
  std::unique_lock<std::mutex> lock(mutex_);
  return posted_.wait_for(lock, timeout, [this] { return !queue_.empty(); });
}

}  // namespace orvane
