// Reading a multi-panel system: the multiplexer's own part (its merged tag
// list and PLC attribute stream), then whatever panel answers on each of
// the five ports.
#include "base/StringTable.h"
#include "base/UserInterface.h"
#include "link/BaudRate.h"
#include "link/BlockCommands.h"
#include "link/BlockReplies.h"
#include "link/MuxPlcAttrCollector.h"
#include "link/Protocol.h"
#include "link/SimpleCommands.h"
#include "link/StandardReplies.h"
#include "link/StatusReplies.h"
#include "link/TOvXComm.h"
#include "link/Trace.h"
#include "project/TOvProject.h"
#include "transfer/TOvProjectHelper.h"
#include "transfer/TransferTexts.h"

namespace orvane {
namespace {

namespace p = protocol;

}  // namespace

bool TOvProjectHelper::ReadMultiPanelSystem(TOvXComm& link) {
  SetBaudRateSetting(kMultiplexerBaudRate);
  link.ApplySettings();
  TraceNote(FormatText(texts::trace::kSwitchPort, 0));
  if (!SwitchPort(link, 0)) {
    return false;
  }
  TraceNote(texts::trace::kStatusId);
  {
    TOvStatusIdCmd command;
    const std::unique_ptr<TOvXResp> reply = link.Transact(command);
    const auto* status = dynamic_cast<const TOvMuxStatusIdResp*>(reply.get());
    if (status == nullptr) {
      ReportResponse(reply.get());
      return false;
    }
    project_->systemMode = kMultiPanelSystem;
    if (Cancelled()) {
      return false;
    }
    if (status->DeviceModel() != kMultiplexerModel) {
      ui_.Show(LoadString(strings::kZ008), Icon::Stop);
      return false;
    }
    if (!AttachReportedDriver(status->DriverManufacturer(), status->DriverModel())) {
      return false;
    }
  }

  TraceNote(texts::trace::kReadingFromMultiplexer);
  currentPort_ = 0;
  SetCaption(kMultiplexerModel, 0);
  if (!ReadMultiplexer(link)) {
    return false;
  }
  // Every port is asked, configured or not: the project is being rebuilt
  // from what answers.
  for (int32_t port = kFirstPort; port <= kLastPort; ++port) {
    currentPort_ = port;
    SetCaption(kModelNotConfigured, port);
    TraceNote(FormatText(texts::trace::kSwitchPort, port));
    if (!SwitchPort(link, port)) {
      return false;
    }
    TraceNote(texts::trace::kStatusIdRead);
    TOvStatusIdCmd command;
    const std::unique_ptr<TOvXResp> reply = link.Transact(command);
    const auto* status = dynamic_cast<const TOvStatusIdResp*>(reply.get());
    if (status == nullptr) {
      if (dynamic_cast<const TOvErrorResp*>(reply.get()) != nullptr) {
        continue;  // nothing answers: no panel on this port
      }
      // Something answered, but not with a panel's status: a read that went
      // on would lose this port's panel and still report success.
      ReportResponse(reply.get());
      return false;
    }
    const int32_t model = status->PanelModel();
    if (model == kModelNotConfigured) {
      ui_.Show(RoutePrefix() + LoadString(strings::kZ008), Icon::Stop);
      continue;
    }
    if (Cancelled()) {
      return false;
    }
    project_->portTable.selectedPort = port;
    project_->PutPanel(TOvPanel(project_, model));
    project_->portTable.SetModel(port, model);
    SetCaption(model, port);
    if (!ReadPanel(link)) {
      ReturnToMultiplexer(link);
      return false;
    }
  }
  return ReturnToMultiplexer(link);
}

bool TOvProjectHelper::ReadMultiplexer(TOvXComm& link) {
  muxTagList_.clear();
  if (!ReadTags(link, true) || !ReadMuxPlcAttributes(link)) {
    job_.DoneEvent().Set();
    return false;
  }
  SetStage(stages::kPanelDone);
  return true;
}

bool TOvProjectHelper::ReadMuxPlcAttributes(TOvXComm& link) {
  TraceNote(texts::trace::kReadMuxPlcAttributes);
  SetStage(stages::kWritingPlcAttributes);
  MuxPlcAttrCollector collector;
  TOvReadMuxPlcAttrCmd start(p::kPhaseStart, 0);
  std::unique_ptr<TOvXResp> reply = link.Transact(start);
  uint8_t sequence = 0;
  for (;;) {
    const auto* block = dynamic_cast<const TOvMuxPlcAttrResp*>(reply.get());
    if (block == nullptr) {
      ReportResponse(reply.get());
      return false;
    }
    if (collector.Add(*block) != MuxPlcAttrCollector::Status::Collecting) {
      break;
    }
    if (Cancelled()) {
      return false;
    }
    ++sequence;
    TOvReadMuxPlcAttrCmd next(p::kPhaseContinue, sequence);
    reply = link.Transact(next);
  }
  if (collector.CurrentStatus() != MuxPlcAttrCollector::Status::Complete) {
    // The stream ended before the bytes it announced: what the multiplexer
    // holds cannot be read back whole.
    ReportError(LoadString(strings::kC006));
    return false;
  }
  std::vector<unsigned char>& bytes = project_->plc.attributeBytes;
  bytes.insert(bytes.end(), collector.Block().begin(), collector.Block().end());
  SetStage(stages::kPlcAttributesWritten);
  return true;
}

}  // namespace orvane
