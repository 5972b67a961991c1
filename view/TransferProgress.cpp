#include "view/TransferProgress.h"

#include <tuple>

#include "base/StringTable.h"
#include "transfer/TransferStages.h"
#include "transfer/TransferTexts.h"

namespace orvane {
namespace {

// The check list's rows in the dialog's order; each row's check mark is
// shown once the step is done.
enum Row : size_t {
  kClearRow = 0,   // write: clearing memory
  kFirstRow = 1,   // write: messages; read: system attributes
  kSecondRow = 2,  // write: map data; read: messages
  kThirdRow = 3,   // write: system attributes; read: tags
  kFourthRow = 4,  // write: PLC driver; read: PLC attributes
  kLastRow = 5,    // write: PLC attributes
};

// The multiplexer itself is being written or read.
constexpr int32_t kMultiplexerType = 6;

// Caption parts without a string id.
constexpr const char* kCaptionPort = "Port %d";
constexpr const char* kCaptionComPort = "COM Port";
constexpr const char* kCaptionSuffixes[] = {
    "",
    " - Ov200/Ov200V Panel",
    " - Ov200L Panel",
    " - Ov200P/Ov200PV Panel",
    " - Ov400 Panel",
    " - OvSP Panel",
    " - Multiplexer Panel",
};

bool IsFirmware(int32_t operation) {
  return operation == operations::kPanelFirmware || operation == operations::kMuxFirmware;
}

}  // namespace

TransferProgress::TransferProgress(int32_t operation)
    : operation_(operation), caption_(InitialTransferCaption(operation)) {
  if (operation == operations::kWriteProject) {
    const int ids[kChecklistRows] = {
        strings::kClearingMemory,   strings::kWritingMessages,
        strings::kWritingMapData,   strings::kWritingSystemAttributes,
        strings::kWritingPlcDriver, strings::kWritingPlcAttributes,
    };
    for (size_t row = 0; row < kChecklistRows; ++row) {
      rows_[row].label = LoadString(ids[row]);
    }
  } else if (operation == operations::kReadProject) {
    // A read hides the first and the last row.
    rows_[kFirstRow].label = LoadString(strings::kReadingSystemAttributes);
    rows_[kSecondRow].label = LoadString(strings::kReadingMessages);
    rows_[kThirdRow].label = LoadString(strings::kReadingTags);
    rows_[kFourthRow].label = LoadString(strings::kReadingPlcAttributes);
  }
}

bool TransferProgress::HasChecklist() const {
  return operation_ == operations::kWriteProject || operation_ == operations::kReadProject;
}

void TransferProgress::Restart() {
  runFailed_ = false;
  outcome_ = TransferOutcome{};
}

void TransferProgress::Enable(size_t row) {
  rows_[row].enabled = true;
}

void TransferProgress::Check(size_t row) {
  rows_[row].checked = true;
}

bool TransferProgress::Apply(const TransferNotification& notification) {
  const auto shown = std::tie(rows_, caption_, statusText_, percent_, closeOffered_);
  const auto before = std::make_tuple(rows_, caption_, statusText_, percent_, closeOffered_);
  const TransferJobState& state = notification.state;
  switch (notification.notice) {
    case TransferNotice::Progress:
      percent_ = state.percent;
      if (IsFirmware(operation_)) {
        statusText_ = state.text;
        if (state.finished) {
          closeOffered_ = true;
          const char* done = operation_ == operations::kPanelFirmware ? texts::kPanelFirmwareDone
                                                                      : texts::kMuxFirmwareDone;
          if (!runFailed_ && state.text == done) {
            outcome_.succeeded = true;
          }
        }
      } else {
        ApplyStage(state.stage, state);
      }
      break;
    case TransferNotice::Error:
      runFailed_ = true;
      outcome_.succeeded = false;
      outcome_.errorText = state.text;
      outcome_.errorDetails = state.details;
      break;
    case TransferNotice::Caption:
      caption_ = TransferCaption(operation_, state.panelType, state.port);
      break;
    case TransferNotice::Ended:
      break;
  }
  return shown != before;
}

void TransferProgress::ApplyStage(int32_t stage, const TransferJobState& state) {
  const bool multiplexer = state.panelType == kMultiplexerType;
  // The list of a panel that is done is cleared once the next panel's
  // first step comes: the last panel's ticks stay while the operation ends.
  if (clearPending_ && stage != stages::kPanelDone && stage != stages::kWriteFinished &&
      stage != stages::kReadFinished) {
    clearPending_ = false;
    for (ChecklistRow& row : rows_) {
      row.enabled = false;
      row.checked = false;
    }
  }
  switch (stage) {
    case stages::kClearingMemory:
      Enable(kClearRow);
      break;
    case stages::kWritingSystemAttributes:
      Enable(kThirdRow);
      Check(kSecondRow);
      break;
    case stages::kWritingPlcAttributes:
      Enable(kLastRow);
      Check(multiplexer ? kSecondRow : kFourthRow);
      break;
    case stages::kPlcAttributesWritten:
      closeOffered_ = true;
      Check(kLastRow);
      break;
    case stages::kWritingMapData:
      statusText_.clear();
      Enable(kSecondRow);
      Check(multiplexer ? kClearRow : kFirstRow);
      break;
    case stages::kDownloadingDriver:
      Enable(kFourthRow);
      if (!multiplexer) {
        Check(kThirdRow);
      }
      break;
    case stages::kWritingMessages:
      Check(kClearRow);
      Enable(kFirstRow);
      break;
    case stages::kReadingSystemAttributes:
      Enable(kFirstRow);
      break;
    case stages::kReadingMessages:
      Check(kFirstRow);
      Enable(kSecondRow);
      break;
    case stages::kReadingPlcAttributes:
      Enable(kFourthRow);
      Check(kThirdRow);
      break;
    case stages::kPlcAttributesRead:
      closeOffered_ = true;
      Check(kFourthRow);
      break;
    case stages::kReadingMessageText:
      statusText_ = state.text;
      break;
    case stages::kPanelDone:
      // The next panel of a multi-panel system starts from a clean list.
      clearPending_ = true;
      break;
    case stages::kWriteFinished:
    case stages::kReadFinished: {
      const int32_t final =
          operation_ == operations::kWriteProject ? stages::kWriteFinished : stages::kReadFinished;
      if (state.finished && stage == final && !runFailed_) {
        outcome_.succeeded = true;
      }
      break;
    }
    case stages::kReadingTags:
      Enable(kThirdRow);
      if (!multiplexer) {
        Check(kSecondRow);
      }
      break;
    default:
      break;
  }
}

std::string TransferCaption(int32_t operation, int32_t panelType, int32_t port) {
  if (IsFirmware(operation) || panelType < 0 || panelType > kMultiplexerType) {
    return LoadString(strings::kWritingToPanel);
  }
  const std::string route =
      port >= 1 && port <= 5 ? FormatText(kCaptionPort, port) : std::string(kCaptionComPort);
  return route + kCaptionSuffixes[panelType];
}

std::string InitialTransferCaption(int32_t operation) {
  switch (operation) {
    case operations::kWriteProject:
      return LoadString(strings::kWritingToPanel);
    case operations::kReadProject:
      return LoadString(strings::kReadingFromPanel);
    default:
      return LoadString(strings::kDownloadingFirmware);
  }
}

std::string TransferSuccessMessage(int32_t operation, bool multiPanel) {
  switch (operation) {
    case operations::kWriteProject:
      return LoadString(multiPanel ? strings::kWrittenToMultiplexer : strings::kWrittenToPanel);
    case operations::kReadProject:
      return LoadString(multiPanel ? strings::kReadFromMultiplexer : strings::kReadFromPanel);
    default:
      return {};
  }
}

}  // namespace orvane
