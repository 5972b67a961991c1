// The orchestrator's reporting: job fields, notifications, the route
// prefix of errors, the acknowledge rule, the link and the image files a
// long operation opens, and the progress count.
#include <algorithm>

#include "base/StringTable.h"
#include "link/BaudRate.h"
#include "link/PortNames.h"
#include "link/Protocol.h"
#include "link/ReplyChecks.h"
#include "link/SimpleCommands.h"
#include "link/StandardReplies.h"
#include "link/StatusReplies.h"
#include "link/TOvXComm.h"
#include "link/Trace.h"
#include "project/PanelModels.h"
#include "project/TOvProject.h"
#include "transfer/ImageFiles.h"
#include "transfer/TOvProjectHelper.h"
#include "transfer/TransferLink.h"
#include "transfer/TransferTexts.h"

namespace orvane {
namespace {

// The read time-out of the quick status request at the other baud rate: a
// device answers a status request within a few milliseconds.
constexpr uint32_t kProbeTimeout_ms = 300;

}  // namespace

TOvProjectHelper::TOvProjectHelper(TransferJob& job, const TransferServices& services)
    : job_(job),
      ui_(services.ui),
      clock_(services.clock),
      catalog_(services.catalog),
      project_(job.Project()) {}

TOvProjectHelper::~TOvProjectHelper() = default;

void TOvProjectHelper::RunOperation() {
  switch (job_.Operation()) {
    case operations::kWriteProject:
      WriteProject();
      break;
    case operations::kReadProject:
      ReadProject();
      break;
    case operations::kPanelFirmware:
      DownloadFirmware(job_.FilePath());
      break;
    case operations::kMuxFirmware:
      DownloadMuxFirmware(job_.FilePath());
      break;
    default:
      break;
  }
}

void TOvProjectHelper::SetStatusText(const std::string& text) {
  if (Cancelled()) {
    return;
  }
  job_.SetText(text);
  Post();
}

void TOvProjectHelper::SetStatusText(int stringId) {
  SetStatusText(std::string(LoadString(stringId)));
}

void TOvProjectHelper::SetStage(int32_t stageCode) {
  if (Cancelled()) {
    return;
  }
  job_.SetStage(stageCode);
  Post();
}

void TOvProjectHelper::SetCaption(int32_t panelType, int32_t port) {
  if (Cancelled()) {
    return;
  }
  job_.SetPanelType(panelType);
  job_.SetPort(port);
  job_.Post(TransferNotice::Caption);
}

std::string TOvProjectHelper::RoutePrefix() const {
  const int32_t port = job_.Port();
  return std::string(texts::kErrorOn) +
         (port == 0 ? std::string(texts::kComPortRoute) : FormatText(texts::kMuxPortRoute, port));
}

void TOvProjectHelper::ReportError(const std::string& text, const std::string& details) {
  ReportPlain(RoutePrefix() + text, details);
}

void TOvProjectHelper::ReportPlain(const std::string& text, const std::string& details) {
  job_.SetText(text);
  job_.SetDetails(details.empty() && programIncomplete_ ? IncompleteProgramHelp() : details);
  job_.Post(TransferNotice::Error);
  job_.DoneEvent().Set();
}

std::string TOvProjectHelper::IncompleteProgramHelp() const {
  const bool multiplexer =
      project_ != nullptr && project_->systemMode == kMultiPanelSystem && currentPort_ == 0;
  return FormatText(
      "The %s was cleared for this write and now holds an incomplete program: write the project "
      "again before the %s is used.",
      multiplexer ? "multiplexer" : "panel", multiplexer ? "system" : "panel");
}

void TOvProjectHelper::ReportNoStatus(TOvXComm& link, const TOvXResp* reply) {
  const auto* error = dynamic_cast<const TOvErrorResp*>(reply);
  if (deviceAnswered_ || error == nullptr || error->ErrorCode() != protocol::kLinkTimeout) {
    ReportResponse(reply);
    return;
  }
  ReportError(error->GetText(), NoAnswerHelp(link));
}

std::string TOvProjectHelper::NoAnswerHelp(TOvXComm& link) {
  const std::string port = PortNameAndDevice(job_.PortName());
  if (askedBothRates_) {
    return FormatText(
        "Nothing answered on %s: no panel at %d baud and no multiplexer at %d baud. Check the "
        "cable, the port, and that the device is powered and in setup mode.",
        port.c_str(), kSinglePanelBaudRate, kMultiplexerBaudRate);
  }
  const int rate = BaudRateSetting();
  const int other = rate == kSinglePanelBaudRate ? kMultiplexerBaudRate : kSinglePanelBaudRate;
  std::string help = FormatText("Nothing answered on %s at %d baud.", port.c_str(), rate);
  // One quick status request at the other rate tells a panel from a
  // multiplexer; then the line goes back to the operation's rate.
  TraceNote(FormatText(texts::trace::kStatusIdAtRate, other));
  SetBaudRateSetting(other);
  link.ApplySettings();
  link.SetReadTimeout(kProbeTimeout_ms);
  TOvStatusIdCmd command;
  const std::unique_ptr<TOvXResp> reply = link.Transact(command);
  SetBaudRateSetting(rate);
  link.ApplySettings();
  if (dynamic_cast<const TOvMuxStatusIdResp*>(reply.get()) != nullptr) {
    return help + FormatText(
                      " A multiplexer answers at %d baud: the project is a single panel system. "
                      "Make it a multi-panel system, or connect the panel to the PC directly.",
                      other);
  }
  if (const auto* panel = dynamic_cast<const TOvStatusIdResp*>(reply.get())) {
    return help + FormatText(
                      " A panel (%s) answers at %d baud: the project is a multi-panel system. "
                      "Connect the multiplexer, or make the project a single panel system.",
                      PanelModel(panel->PanelModel()).name, other);
  }
  return help + FormatText(
                    " Nothing answers at %d baud either. Check the cable, the port, and that the "
                    "device is powered and in setup mode.",
                    other);
}

void TOvProjectHelper::ReportResponse(const TOvXResp* response) {
  const ReplyCheck check = DescribeUnexpected(response);
  if (check.verdict == ReplyVerdict::LinkFailed || !Cancelled()) {
    ReportError(check.text);
  }
}

bool TOvProjectHelper::Accept(std::unique_ptr<TOvXResp> reply) {
  const ReplyCheck check = CheckAcknowledge(reply.get());
  if (check.Ok()) {
    return true;
  }
  if (check.verdict == ReplyVerdict::LinkFailed || !Cancelled()) {
    ReportError(check.text);
  }
  return false;
}

std::unique_ptr<TOvXComm> TOvProjectHelper::OpenLink() {
  std::unique_ptr<TOvXComm> link = OpenTransferLink(job_);
  if (!link->IsOk()) {
    ReportPlain(link->ErrorText(), link->ErrorDetails());
    return nullptr;
  }
  return link;
}

bool TOvProjectHelper::OpenImage(const std::string& path, std::ifstream& file) {
  std::string error;
  if (!OpenImageFile(path, file, error)) {
    ReportPlain(error);
    return false;
  }
  return true;
}

void TOvProjectHelper::SetRoute(int32_t port) {
  currentPort_ = port;
  job_.SetPort(port);
}

TOvPanel* TOvProjectHelper::CurrentPanel() const {
  return project_ != nullptr ? project_->SelectedPanel() : nullptr;
}

int32_t TOvProjectHelper::ProgressPercent() const {
  if (progressTotal_ == 0) {
    return 100;
  }
  const uint64_t percent = uint64_t{progressDone_} * 100 / progressTotal_;
  return static_cast<int32_t>(std::min<uint64_t>(percent, 100));
}

void TOvProjectHelper::PostProgressPercent() {
  job_.SetPercent(ProgressPercent());
  Post();
}

}  // namespace orvane
