// The record a transfer and its owner share: what to do, how far it has
// come, and the owner's cancel.
#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>

#include "transfer/ManualResetEvent.h"
#include "transfer/TransferNotification.h"
#include "transfer/TransferStages.h"

namespace orvane {

class TOvProject;

/// One job serves one long operation (the progress dialog's), or the short
/// operations of a view for the view's life.
///
/// The worker and the owner run on different threads, so nothing is shared
/// unguarded: the fields the worker writes (panel type, port, stage,
/// percent, text) sit behind one mutex and are read one by one or together
/// (Snapshot); cancel and finished are atomic flags; the done event is a
/// manual-reset event. Operation, project and file path are fixed when the
/// job is made. Every notification carries a snapshot taken when it was
/// posted.
class TransferJob {
 public:
  /// project: the project to write, or to fill by a read (not owned; it must
  /// outlive the job's operations). filePath: the firmware file of
  /// operations 2 and 3.
  TransferJob(int32_t operation, TOvProject* project, std::string filePath = {});
  TransferJob(const TransferJob&) = delete;
  TransferJob& operator=(const TransferJob&) = delete;

  int32_t Operation() const { return operation_; }
  TOvProject* Project() const { return project_; }
  const std::string& FilePath() const { return filePath_; }

  /// The serial port to open: "COM1".."COM4" or a device path. The owner
  /// sets it before the operation starts.
  void SetPortName(std::string portName);
  std::string PortName() const;

  /// Where notifications go; none drops them. Set it before the operation
  /// starts and keep the sink alive until the operation has ended.
  void SetSink(TransferSink* sink);

  int32_t PanelType() const;
  void SetPanelType(int32_t panelType);
  int32_t Port() const;
  void SetPort(int32_t port);
  int32_t Stage() const;
  void SetStage(int32_t stage);
  int32_t Percent() const;
  void SetPercent(int32_t percent);
  std::string Text() const;
  void SetText(std::string text);
  /// The help that goes with an error text (shown behind "Details").
  std::string Details() const;
  void SetDetails(std::string details);
  /// Every field at one moment.
  TransferJobState Snapshot() const;

  /// Set by the owner when the user cancels; the operation sees it at its
  /// cancel points. It takes effect only while an operation runs on the job
  /// (between BeginOperation and EndOperation) and then stays set; a cancel
  /// that comes once the operation has ended leaves the flag clear, so the
  /// owner may run the job again. Whether the operation still runs is
  /// decided under the same lock as the end, so the two cannot cross.
  void RequestCancel();
  bool IsCancelled() const { return cancel_.load(); }
  /// Around the run of an operation on the job (the worker procedure calls
  /// them).
  void BeginOperation();
  void EndOperation();
  /// Set by the operation when it ended successfully, and by an owner when
  /// it has shown an error.
  void SetFinished(bool finished) { finished_.store(finished); }
  bool IsFinished() const { return finished_.load(); }

  /// Signalled when an operation reports an error and at the end of a read;
  /// reset after each panel written.
  ManualResetEvent& DoneEvent() { return done_; }
  const ManualResetEvent& DoneEvent() const { return done_; }

  /// Sends a notification with the current fields to the sink.
  void Post(TransferNotice notice);

 private:
  const int32_t operation_;
  TOvProject* const project_;
  const std::string filePath_;

  mutable std::mutex mutex_;
  std::string portName_;
  TransferSink* sink_ = nullptr;
  int32_t panelType_ = 0;
  int32_t port_ = 0;
  int32_t stage_ = 0;
  int32_t percent_ = 0;
  std::string text_;
  std::string details_;

  bool operating_ = false;  // guarded by mutex_
  std::atomic<bool> cancel_{false};
  std::atomic<bool> finished_{false};
  ManualResetEvent done_;
};

}  // namespace orvane
