// Writing a multi-panel system: the multiplexer's own part (its merged tag
// list, its PLC attribute stream and its PLC driver), then each configured
// panel behind it.
#include <algorithm>
#include <fstream>

#include "base/StringTable.h"
#include "link/PlcAttributeRecords.h"
#include "link/Protocol.h"
#include "link/StatusReplies.h"
#include "link/TOvMuxExec.h"
#include "link/TOvXComm.h"
#include "link/Trace.h"
#include "project/ProjectDriver.h"
#include "project/TOvProject.h"
#include "transfer/SelectedPortScope.h"
#include "transfer/TOvProjectHelper.h"
#include "transfer/TransferTexts.h"
#include "transfer/WriteChecks.h"

namespace orvane {
namespace {

constexpr uint32_t kTagHeaderBytes = 3;
constexpr uint32_t kTagEntryExtraBytes = 3;
constexpr uint32_t kPlcAttributeExtraBytes = 2;

}  // namespace

bool TOvProjectHelper::WriteMultiPanelSystem(TOvXComm& link) {
  if (!TestPanelsConnected(link)) {
    return false;
  }
  BuildMuxTagList();
  TraceNote(texts::trace::kWritingToMultiplexer);
  if (!WriteMultiplexer(link)) {
    return false;
  }
  const SelectedPortScope selected(*project_);
  for (int32_t port = kFirstPort; port <= kLastPort; ++port) {
    if (!project_->portTable.IsConfigured(port)) {
      continue;
    }
    TraceNote(FormatText(texts::trace::kSwitchPort, port));
    if (!SwitchPort(link, port)) {
      return false;
    }
    project_->portTable.selectedPort = port;
    const TOvPanel* panel = CurrentPanel();
    const int32_t model = panel != nullptr ? panel->panelModel : kModelNotConfigured;
    SetCaption(model, port);
    TraceNote(FormatText(texts::trace::kWritingTo, PanelModel(model).name));
    if (!WritePanel(link)) {
      ReturnToMultiplexer(link);
      return false;
    }
  }
  return ReturnToMultiplexer(link);
}

void TOvProjectHelper::BuildMuxTagList() {
  muxTagList_ = MergedTagList(*project_, &ui_);
}

bool TOvProjectHelper::WriteMultiplexer(TOvXComm& link) {
  SetCaption(kMultiplexerModel, currentPort_);
  SetStatusText(strings::kVerifyingPanelConnected);
  job_.SetPercent(0);
  if (Cancelled()) {
    return false;
  }
  TraceNote(FormatText(texts::trace::kSwitchPort, 0));
  if (!SwitchPort(link, 0)) {
    return false;
  }
  TraceNote(texts::trace::kMuxStatusId);
  {
    std::unique_ptr<TOvXResp> status;
    if (!CheckMuxStatus(link, status)) {
      return false;
    }
  }
  TraceNote(texts::trace::kMuxClearMemory);
  if (!ClearMemory(link) || Cancelled()) {
    return false;
  }

  std::string driverPath;
  if (!PanelDriverPath(*project_, kSRecordImageKind, driverPath)) {
    ReportError(LoadString(strings::kC002));
    return false;
  }
  std::ifstream file;
  if (!OpenImage(driverPath, file)) {
    return false;
  }
  const TOvMuxExec image(file, TOvMuxExec::kPlcDriverStart);
  if (!image.IsValid()) {
    ReportError(LoadString(strings::kZ003));
    return false;
  }

  const TOvPlcInfo& plc = project_->plc;
  progressTotal_ = static_cast<uint32_t>(image.ImageLength()) +
                   static_cast<uint32_t>(plc.mapLength + kTagEntryExtraBytes) *
                       static_cast<uint32_t>(muxTagList_.size()) +
                   kTagHeaderBytes + static_cast<uint32_t>(plc.attributeBytes.size()) +
                   kPlcAttributeExtraBytes;
  progressDone_ = 0;
  if (!WriteMapData(link, muxTagList_, true) || !WriteMuxPlcAttributes(link) ||
      !DownloadDriver(link, image.Image())) {
    return false;
  }
  job_.SetPercent(100);
  SetStage(stages::kPanelDone);
  programIncomplete_ = false;
  return true;
}

bool TOvProjectHelper::WriteMuxPlcAttributes(TOvXComm& link) {
  TraceNote(texts::trace::kWritePlcAttributes);
  job_.SetStage(stages::kWritingPlcAttributes);
  Post();
  const EncodedStream stream = EncodePlcAttributes(project_->plc, PlcAttributeForm::MuxStream);
  if (!stream.Ok()) {
    ReportError(stream.error);
    return false;
  }
  if (!SendWriteBlocks(link, protocol::kWriteMuxPlcAttributes, stream.bytes, false, nullptr)) {
    return false;
  }
  job_.SetStage(stages::kPlcAttributesWritten);
  Post();
  return true;
}

}  // namespace orvane
