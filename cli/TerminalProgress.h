// orvane-cli's owner of a long panel operation: the progress dialog's check
// list, caption, status line and a percentage bar on standard error, and
// Ctrl+C as its Cancel button.
#pragma once

#include <atomic>
#include <cstdio>
#include <string>
#include <vector>

#include "view/TransferOwner.h"

namespace orvane {
class UserInterface;
}

namespace orvane::cli {

enum class ProgressStyle {
  Quiet,   // nothing
  Plain,   // one line per change, for logs and pipes
  Redraw,  // the whole display redrawn in place, on a terminal
};

/// Redraw when out is a terminal, else Plain; Quiet when quiet.
ProgressStyle ChooseProgressStyle(std::FILE* out, bool quiet);

class TerminalTransferOwner : public QueuedTransferOwner {
 public:
  /// Errors of the operation are shown through ui (stop icon); progress
  /// goes to out. ui and out must outlive this object.
  TerminalTransferOwner(UserInterface& ui, std::FILE* out, ProgressStyle style);

  /// Runs the operation with SIGINT turned into Cancel: the first Ctrl+C
  /// cancels (a cancelled write clears the panel), and the command goes on
  /// to its end by itself. The previous SIGINT handling is restored after.
  TransferOutcome RunTransfer(TransferJob& job, const TransferServices& services) override;

 protected:
  void Show(const TransferNotification& notification, const TransferProgress& progress) override;
  bool CancelRequested() override;
  void CancelStarted(const TransferProgress& progress) override;

 private:
  void Redraw(const TransferProgress& progress);
  void PrintChanges(const TransferProgress& progress);
  /// Leaves the drawn block as it is: what follows starts below it.
  void EndBlock();

  UserInterface& ui_;
  std::FILE* out_;
  ProgressStyle style_;
  int drawnLines_ = 0;
  std::vector<std::string> drawn_;
  /// The worker showed a message box while the block was drawn.
  std::atomic<bool> printedMeanwhile_{false};
  // What Plain has printed so far.
  std::string caption_;
  std::vector<int> rowStates_;
  std::string statusShape_;
  int percentStep_ = -1;
};

/// The lines of the display: the caption, the visible check list rows
/// ("[x]" ticked, "[>]" begun, "[ ]" not yet), the status line when there
/// is one, and the bar with the percentage.
std::vector<std::string> ProgressLines(const TransferProgress& progress);

}  // namespace orvane::cli
