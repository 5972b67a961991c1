#include "cli/TerminalProgress.h"

#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <csignal>

#include "base/UserInterface.h"
#include "transfer/TOvProjectHelper.h"

namespace orvane::cli {
namespace {

volatile std::sig_atomic_t interrupted = 0;

extern "C" void OnInterrupt(int) {
  interrupted = 1;
}

constexpr int kBarWidth = 30;

// What a row shows: 0 not begun, 1 begun, 2 ticked.
int RowState(const ChecklistRow& row) {
  return row.checked ? 2 : row.enabled ? 1 : 0;
}

std::string RowLine(const ChecklistRow& row) {
  static const char* const marks[] = {"[ ] ", "[>] ", "[x] "};
  return std::string("  ") + marks[RowState(row)] + row.label;
}

std::string BarLine(int32_t percent) {
  const int32_t clamped = std::clamp(percent, 0, 100);
  const int filled = static_cast<int>(clamped * kBarWidth / 100);
  std::string line = "  [" + std::string(static_cast<size_t>(filled), '#') +
                     std::string(static_cast<size_t>(kBarWidth - filled), '.') + "] ";
  char number[8] = {};
  std::snprintf(number, sizeof number, "%3d%%", clamped);
  return line + number;
}

// A status text without its digits: the counting texts ("Reading message
// 12...", "DownLoading the tag....40% complete") keep their shape while
// they count.
std::string Shape(const std::string& text) {
  std::string shape;
  std::copy_if(text.begin(), text.end(), std::back_inserter(shape),
               [](char c) { return std::isdigit(static_cast<unsigned char>(c)) == 0; });
  return shape;
}

// Passes the worker's message boxes on and remembers that something was
// printed, so that the next redraw starts below it instead of over it.
class NoticingInterface final : public UserInterface {
 public:
  NoticingInterface(UserInterface& inner, std::atomic<bool>& printed)
      : inner_(inner), printed_(printed) {}

  void ShowMessage(const Message& message) override {
    printed_.store(true);
    inner_.ShowMessage(message);
  }
  Answer Ask(const Question& question) override {
    printed_.store(true);
    return inner_.Ask(question);
  }
  std::optional<std::string> ChooseOpenFile(const FileRequest& request) override {
    printed_.store(true);
    return inner_.ChooseOpenFile(request);
  }
  std::optional<std::string> ChooseSaveFile(const FileRequest& request) override {
    printed_.store(true);
    return inner_.ChooseSaveFile(request);
  }
  std::optional<int> Choose(const ChoiceRequest& request) override {
    printed_.store(true);
    return inner_.Choose(request);
  }

 private:
  UserInterface& inner_;
  std::atomic<bool>& printed_;
};

}  // namespace

ProgressStyle ChooseProgressStyle(std::FILE* out, bool quiet) {
  if (quiet) {
    return ProgressStyle::Quiet;
  }
  return isatty(fileno(out)) != 0 ? ProgressStyle::Redraw : ProgressStyle::Plain;
}

std::vector<std::string> ProgressLines(const TransferProgress& progress) {
  std::vector<std::string> lines = {progress.Caption()};
  if (progress.HasChecklist()) {
    for (const ChecklistRow& row : progress.Rows()) {
      if (!row.label.empty()) {
        lines.push_back(RowLine(row));
      }
    }
  }
  if (!progress.StatusText().empty()) {
    lines.push_back("  " + progress.StatusText());
  }
  lines.push_back(BarLine(progress.Percent()));
  return lines;
}

TerminalTransferOwner::TerminalTransferOwner(UserInterface& ui, std::FILE* out, ProgressStyle style)
    : ui_(ui), out_(out), style_(style), rowStates_(kChecklistRows, 0) {}

TransferOutcome TerminalTransferOwner::RunTransfer(TransferJob& job,
                                                   const TransferServices& services) {
  struct sigaction action {};
  action.sa_handler = OnInterrupt;
  sigemptyset(&action.sa_mask);
  struct sigaction previous {};
  interrupted = 0;
  sigaction(SIGINT, &action, &previous);
  NoticingInterface ui(services.ui, printedMeanwhile_);
  const TransferServices noticed{ui, services.clock, services.catalog};
  const TransferOutcome outcome = QueuedTransferOwner::RunTransfer(job, noticed);
  sigaction(SIGINT, &previous, nullptr);
  EndBlock();
  return outcome;
}

bool TerminalTransferOwner::CancelRequested() {
  return interrupted != 0;
}

void TerminalTransferOwner::CancelStarted(const TransferProgress&) {
  if (style_ == ProgressStyle::Quiet) {
    return;
  }
  EndBlock();
  std::fprintf(out_, "Cancelling...\n");
  std::fflush(out_);
}

void TerminalTransferOwner::Show(const TransferNotification& notification,
                                 const TransferProgress& progress) {
  if (notification.notice == TransferNotice::Error) {
    EndBlock();
    ui_.ShowMessage(
        Message{notification.state.text, {}, Icon::Stop, notification.state.details, 0});
    return;
  }
  if (notification.notice == TransferNotice::Ended) {
    return;
  }
  switch (style_) {
    case ProgressStyle::Quiet:
      break;
    case ProgressStyle::Plain:
      PrintChanges(progress);
      break;
    case ProgressStyle::Redraw:
      Redraw(progress);
      break;
  }
}

void TerminalTransferOwner::Redraw(const TransferProgress& progress) {
  if (printedMeanwhile_.exchange(false)) {
    EndBlock();
  }
  std::vector<std::string> lines = ProgressLines(progress);
  if (drawnLines_ > 0 && lines == drawn_) {
    return;
  }
  std::string text;
  if (drawnLines_ > 0) {
    // Back to the block's first line, and everything below it erased.
    text += "\x1b[" + std::to_string(drawnLines_) + "F\x1b[J";
  }
  for (const std::string& line : lines) {
    text += line + "\n";
  }
  drawnLines_ = static_cast<int>(lines.size());
  drawn_ = std::move(lines);
  std::fputs(text.c_str(), out_);
  std::fflush(out_);
}

void TerminalTransferOwner::PrintChanges(const TransferProgress& progress) {
  if (progress.Caption() != caption_) {
    caption_ = progress.Caption();
    std::fprintf(out_, "%s\n", caption_.c_str());
  }
  if (progress.HasChecklist()) {
    for (size_t i = 0; i < kChecklistRows; ++i) {
      const ChecklistRow& row = progress.Rows()[i];
      const int state = RowState(row);
      // A row printed once is printed again only when it gets further; the
      // next panel of a multi-panel system starts the list over.
      if (state > rowStates_[i] && !row.label.empty()) {
        std::fprintf(out_, "%s\n", RowLine(row).c_str());
      }
      rowStates_[i] = state;
    }
  }
  const std::string shape = Shape(progress.StatusText());
  if (!progress.StatusText().empty() && shape != statusShape_) {
    std::fprintf(out_, "  %s\n", progress.StatusText().c_str());
  }
  statusShape_ = shape;
  const int step = std::clamp(progress.Percent(), 0, 100) / 10;
  if (step != percentStep_) {
    percentStep_ = step;
    std::fprintf(out_, "%s\n", BarLine(progress.Percent()).c_str());
  }
  std::fflush(out_);
}

void TerminalTransferOwner::EndBlock() {
  drawnLines_ = 0;
}

}  // namespace orvane::cli
