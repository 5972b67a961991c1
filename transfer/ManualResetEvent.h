// An event that stays signalled until it is reset, for any number of
// waiters on any thread.
#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>

namespace orvane {

/// Created non-signalled. Set wakes every waiter and stays set until Reset.
class ManualResetEvent {
 public:
  ManualResetEvent() = default;
  ManualResetEvent(const ManualResetEvent&) = delete;
  ManualResetEvent& operator=(const ManualResetEvent&) = delete;

  void Set();
  void Reset();
  bool IsSet() const;
  /// Waits until the event is set.
  void Wait() const;
  /// Waits until the event is set or the time has passed; whether it is set.
  bool WaitFor(std::chrono::milliseconds timeout) const;

 private:
  mutable std::mutex mutex_;
  mutable std::condition_variable changed_;
  bool set_ = false;
};

}  // namespace orvane
