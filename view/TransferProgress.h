// The progress display of a long panel operation as plain data: the check
// list of steps, the caption, the percentage, the status line, and how the
// operation ended. It takes the transfer's notifications as the progress
// dialog takes them; the desktop program's dialog and orvane-cli render it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "transfer/TransferNotification.h"

namespace orvane {

inline constexpr size_t kChecklistRows = 6;

/// One step of the check list (a label and the check mark after it).
struct ChecklistRow {
  std::string label;     // empty: the row is hidden for this operation
  bool enabled = false;  // its step has begun (the label is grey until then)
  bool checked = false;  // its check mark is shown

  bool operator==(const ChecklistRow&) const = default;
};

/// How a long operation ended, as its owner saw it.
struct TransferOutcome {
  /// The operation said it succeeded: the final stage of a write or read
  /// (19, 20) or the final text of a firmware upgrade, with finished set,
  /// and no error before it in the same run. The job's finished flag alone
  /// never counts: an owner sets it after it has shown an error.
  bool succeeded = false;
  /// The user cancelled while the operation ran.
  bool cancelled = false;
  /// The last error the operation reported and its help; empty when none.
  std::string errorText;
  std::string errorDetails;
};

class TransferProgress {
 public:
  /// operation: operations::k... of the job.
  explicit TransferProgress(int32_t operation);

  /// Takes one notification as the dialog handles it. true when something
  /// shown changed.
  bool Apply(const TransferNotification& notification);
  /// The user cancelled.
  void MarkCancelled() { outcome_.cancelled = true; }
  /// The operation is started again on the same job (after an error): the
  /// outcome starts over, the display stays.
  void Restart();

  int32_t Operation() const { return operation_; }
  /// Writes and reads show a check list; firmware upgrades do not.
  bool HasChecklist() const;
  const std::array<ChecklistRow, kChecklistRows>& Rows() const { return rows_; }
  const std::string& Caption() const { return caption_; }
  const std::string& StatusText() const { return statusText_; }
  int32_t Percent() const { return percent_; }
  /// Cancel has become "Close": the operation has nothing more to do.
  bool CloseOffered() const { return closeOffered_; }
  const TransferOutcome& Outcome() const { return outcome_; }

 private:
  void ApplyStage(int32_t stage, const TransferJobState& state);
  void Enable(size_t row);
  void Check(size_t row);

  int32_t operation_ = 0;
  std::array<ChecklistRow, kChecklistRows> rows_;
  std::string caption_;
  std::string statusText_;
  int32_t percent_ = 0;
  bool closeOffered_ = false;
  bool runFailed_ = false;
  bool clearPending_ = false;  // a panel is done; the next one starts a clean list
  TransferOutcome outcome_;
};

/// The dialog's caption for a panel type and route: "Port %d" (1..5) or
/// "COM Port" (0) and the type's suffix (" - Ov400 Panel", none for 0);
/// "Writing to Panel" for firmware upgrades and for types above 6.
std::string TransferCaption(int32_t operation, int32_t panelType, int32_t port);

/// The caption before the first caption notification: "Writing to Panel",
/// "Reading from Panel" or "DownLoading Firmware...".
std::string InitialTransferCaption(int32_t operation);

/// What the user is told once a write or read has succeeded: "Project has
/// been written to the panel successfully." and its multiplexer form, or the
/// read's; empty for firmware upgrades, whose status line says it.
std::string TransferSuccessMessage(int32_t operation, bool multiPanel);

}  // namespace orvane
