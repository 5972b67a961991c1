// The orchestrator's reporting: job fields, notifications, the route
// prefix of errors, the acknowledge rule, the link and the image files a
// long operation opens, and the progress count.
#include <algorithm>

#include "base/StringTable.h"
#include "link/ReplyChecks.h"
#include "project/TOvProject.h"
#include "transfer/ImageFiles.h"
#include "transfer/TOvProjectHelper.h"
#include "transfer/TransferLink.h"
#include "transfer/TransferTexts.h"

namespace orvane {

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

void TOvProjectHelper::ReportError(const std::string& text) {
  ReportPlain(RoutePrefix() + text);
}

void TOvProjectHelper::ReportPlain(const std::string& text) {
  job_.SetText(text);
  job_.Post(TransferNotice::Error);
  job_.DoneEvent().Set();
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
    ReportPlain(link->ErrorText());
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
