// What a running transfer tells its owner, and the interface through which
// it tells it.
#pragma once

#include <cstdint>
#include <string>

namespace orvane {

/// The kinds of notification. The first three are the transfer's own
/// messages; Ended comes from the worker thread itself.
enum class TransferNotice {
  /// Stage, percent or text changed.
  Progress,
  /// The text holds an error text: show it (stop icon) and treat the
  /// operation as over.
  Error,
  /// Panel type and port changed: re-title ("Port %d" or "COM Port" and the
  /// panel type's suffix).
  Caption,
  /// The worker thread has run its operation and is about to end. Nothing
  /// is posted after it.
  Ended,
};

/// The job's fields at one moment.
struct TransferJobState {
  int32_t panelType = 0;  // 1..5 panel models, 6 the multiplexer, 0 none
  int32_t port = 0;       // route: 0 the device on the serial port, 1..5 multiplexer ports
  int32_t operation = 0;  // operations::k...
  int32_t stage = 0;      // stages::k...
  int32_t percent = 0;    // 0..100
  std::string text;       // status or error text
  std::string details;    // an error's help: what it means here and what to do; may be empty
  bool cancelled = false;
  bool finished = false;

  bool operator==(const TransferJobState&) const = default;
};

/// One notification with the job's fields as they were when it was posted,
/// so an owner that handles it later still shows every step in order.
struct TransferNotification {
  TransferNotice notice = TransferNotice::Progress;
  TransferJobState state;
};

/// Where a job's notifications go: the owner's side of the transfer.
class TransferSink {
 public:
  virtual ~TransferSink() = default;
  /// Called on the thread that runs the transfer (the worker's). Hand the
  /// notification over to the owner's thread and return: never block on the
  /// owner, never call back into the transfer. A GUI sink emits a queued
  /// signal; orvane-cli posts into a NotificationQueue it drains.
  virtual void Post(const TransferNotification& notification) = 0;
};

}  // namespace orvane
