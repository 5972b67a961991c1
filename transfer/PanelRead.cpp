// Reading a project back from a panel: which device answers, the PLC it
// reports, then the system attributes, the messages, the tag list and the
// PLC attributes.
#include "base/StringTable.h"
#include "base/UserInterface.h"
#include "link/AttributeReplies.h"
#include "link/BaudRate.h"
#include "link/BlockCommands.h"
#include "link/BlockReplies.h"
#include "link/MessageText.h"
#include "link/Protocol.h"
#include "link/SimpleCommands.h"
#include "link/StandardReplies.h"
#include "link/StatusReplies.h"
#include "link/SystemAttributeRecord.h"
#include "link/TOvMsgResp.h"
#include "link/TOvXComm.h"
#include "link/TagMapStream.h"
#include "link/TagStreamCollector.h"
#include "link/Trace.h"
#include "plchost/DriverCatalog.h"
#include "project/ProjectDriver.h"
#include "project/TOvProject.h"
#include "transfer/TOvProjectHelper.h"
#include "transfer/TransferTexts.h"

namespace orvane {
namespace {

namespace p = protocol;

// Message read requests: one for each number 0 to 256.
constexpr int kLastMessageRequest = 256;

// Percentages a read shows after its steps.
constexpr int32_t kSystemAttributesReadPercent = 25;
constexpr int32_t kMessagesReadPercent = 50;
constexpr int32_t kPlcAttributesReadingPercent = 75;

constexpr uint32_t kFinalStageDelay_ms = 50;

}  // namespace

void TOvProjectHelper::ReadProject() {
  if (project_ == nullptr) {
    return;
  }
  project_->panels.clear();
  for (int32_t port = kFirstPort; port <= kLastPort; ++port) {
    project_->portTable.Clear(port);
  }
  const std::unique_ptr<TOvXComm> link = OpenLink();
  if (link == nullptr) {
    return;
  }

  // A single panel answers at 9600 baud; a multiplexer listens at 38400 and
  // takes this request for noise.
  TraceNote(texts::trace::kStatusIdRead);
  SetBaudRateSetting(kSinglePanelBaudRate);
  link->ApplySettings();
  TOvStatusIdCmd command;
  std::unique_ptr<TOvXResp> reply = link->Transact(command);
  const auto* status = dynamic_cast<const TOvStatusIdResp*>(reply.get());
  if (status == nullptr) {
    // No panel at 9600 baud: when the multiplexer does not answer either,
    // both rates have been tried.
    askedBothRates_ = dynamic_cast<const TOvErrorResp*>(reply.get()) != nullptr;
    reply.reset();
    if (ReadMultiPanelSystem(*link)) {
      FinishRead();
    }
    return;
  }
  project_->systemMode = kSinglePanelSystem;
  if (Cancelled()) {
    return;
  }
  const int32_t model = status->PanelModel();
  if (model == kModelNotConfigured) {
    ui_.Show(LoadString(strings::kZ008), Icon::Stop);
    return;
  }
  project_->portTable.selectedPort = kFirstPort;
  project_->PutPanel(TOvPanel(project_, model));
  project_->portTable.SetModel(kFirstPort, model);
  if (!AttachReportedDriver(status->DriverManufacturer(), status->DriverModel())) {
    return;
  }
  SetCaption(model, 0);
  if (!ReadPanel(*link)) {
    return;
  }
  FinishRead();
}

bool TOvProjectHelper::AttachReportedDriver(unsigned manufacturerCode, unsigned modelCode) {
  // The identity first comes from a fresh look at the plug-in folder; the
  // driver then comes from the installed drivers the owner scanned.
  const DriverEntry found = DriverCatalog::FindDriverFile(manufacturerCode, modelCode);
  project_->plc.SetIdentity(static_cast<unsigned char>(manufacturerCode),
                            static_cast<unsigned char>(modelCode), found.name, found.path);
  const DriverEntry entry =
      catalog_ != nullptr ? catalog_->LookupDriver(manufacturerCode, modelCode) : found;
  if (entry.name.empty()) {
    ReportError(FormatText(LoadString(strings::kP007), manufacturerCode, modelCode));
    return false;
  }
  project_->plc.name = entry.name;
  project_->plc.pluginPath = entry.path;
  project_->LoadDriver(entry.path, &ui_);
  return true;
}

void TOvProjectHelper::FinishRead() {
  job_.DoneEvent().Set();
  job_.SetPercent(100);
  job_.SetFinished(true);
  Wait_ms(kFinalStageDelay_ms);
  SetStage(stages::kReadFinished);
}

bool TOvProjectHelper::ReadPanel(TOvXComm& link) {
  const bool fullForm = project_->systemMode != kMultiPanelSystem;
  if (!ReadSystemAttributes(link) || !ReadMessages(link) || !ReadTags(link, fullForm) ||
      !ReadPlcAttributes(link)) {
    job_.DoneEvent().Set();
    return false;
  }
  CurrentPanel()->ResolveTagTable(tagTable_);
  tagTable_.clear();
  SetStage(stages::kPanelDone);
  return true;
}

bool TOvProjectHelper::ReadSystemAttributes(TOvXComm& link) {
  TraceNote(texts::trace::kReadSystemAttributes);
  SetStage(stages::kReadingSystemAttributes);
  if (Cancelled()) {
    return false;
  }
  TOvReadSysAttrCmd command;
  const std::unique_ptr<TOvXResp> reply = link.Transact(command);
  const auto* attributes = dynamic_cast<const TOvSysAttrResp*>(reply.get());
  if (attributes == nullptr) {
    ReportResponse(reply.get());
    return false;
  }
  ApplySystemAttributes(*attributes, *CurrentPanel());
  job_.SetPercent(kSystemAttributesReadPercent);
  return true;
}

bool TOvProjectHelper::ReadMessages(TOvXComm& link) {
  TraceNote(texts::trace::kReadMessages);
  {
    TOvReadMsgCmd start(p::kPhaseStart, 0);
    const std::unique_ptr<TOvXResp> reply = link.Transact(start);
    if (dynamic_cast<const TOvMsgResp*>(reply.get()) == nullptr) {
      ReportResponse(reply.get());
      return false;
    }
  }
  SetStage(stages::kReadingMessages);
  TOvPanel& panel = *CurrentPanel();
  for (int request = 0; request <= kLastMessageRequest; ++request) {
    if (Cancelled()) {
      return false;
    }
    Post();
    // Each request carries its own number: the panel takes a frame that
    // repeats the one it has just answered for a retry and answers it again.
    TOvReadMsgCmd command(p::kPhaseContinue, static_cast<uint8_t>(request));
    const std::unique_ptr<TOvXResp> reply = link.Transact(command);
    const auto* message = dynamic_cast<const TOvMsgResp*>(reply.get());
    if (message == nullptr) {
      ReportResponse(reply.get());
      return false;
    }
    if (message->HasMessage() && message->WireNumber() != 0 && message->IsDecoded()) {
      TOvMessage read = message->Message();
      if (!panel.IsSetPoint()) {
        // PLC messages lie below the first message number; the local
        // messages above it go back to their numbers from 256 down.
        const int32_t wire = message->WireNumber();
        read.isPlcMessage = wire < panel.firstMessageNumber ? 1 : 0;
        read.number = WireMessageNumber(wire, panel.firstMessageNumber);
      }
      panel.AddMessage(std::move(read));
    }
    job_.SetText(FormatText(texts::kReadingMessage, request));
    SetStage(stages::kReadingMessageText);
  }
  job_.SetPercent(kMessagesReadPercent);
  SetStage(stages::kMessagesDone);
  return true;
}

bool TOvProjectHelper::ReadTags(TOvXComm& link, bool fullForm) {
  TraceNote(texts::trace::kReadTags);
  SetStage(stages::kReadingTags);
  TagStreamCollector collector(TagListLimit(project_->systemMode, fullForm));
  TOvReadTagCmd start(p::kPhaseStart, 0);
  std::unique_ptr<TOvXResp> reply = link.Transact(start);
  uint8_t sequence = 0;
  for (;;) {
    const auto* block = dynamic_cast<const TOvTagResp*>(reply.get());
    if (block == nullptr) {
      ReportResponse(reply.get());
      return false;
    }
    const TagStreamCollector::Status status = collector.Add(*block);
    if (status == TagStreamCollector::Status::TooMany) {
      ReportError(LoadString(strings::kT006));
      return false;
    }
    if (status != TagStreamCollector::Status::Collecting) {
      break;
    }
    if (Cancelled()) {
      return false;
    }
    ++sequence;
    TOvReadTagCmd next(p::kPhaseContinue, sequence);
    reply = link.Transact(next);
  }
  const bool complete = collector.CurrentStatus() == TagStreamCollector::Status::Complete;
  if (complete && fullForm) {
    project_->plc.mapLength = collector.AddressLength();
  }
  if (!complete || !RebuildTagList(collector.Stream(), fullForm)) {
    const std::string text = LoadString(strings::kRebuildTagListFailed);
    ui_.Show(text, Icon::Stop);
    ReportError(text);
    return false;
  }
  SetStage(stages::kMapDataDone);
  return true;
}

bool TOvProjectHelper::RebuildTagList(const std::vector<uint8_t>& stream, bool fullForm) {
  // The multiplexer's own list (full form on a multi-panel system) becomes
  // the multiplexer tag list the panels' index-form lists point into.
  const bool intoMuxList = fullForm && project_->systemMode == kMultiPanelSystem;
  TOvTagTable& target = intoMuxList ? muxTagList_ : tagTable_;
  target.clear();
  const PlcDriver driver = project_->Driver(&ui_);
  const AddressTextFunction addressText = [&driver](const TOvTag& tag) {
    return driver.AddressText(DriverAddressOf(tag));
  };
  return DecodeTagMapStream(stream, fullForm ? TagMapForm::Full : TagMapForm::Index, muxTagList_,
                            addressText, *project_, target) == TagStreamDecodeError::None;
}

bool TOvProjectHelper::ReadPlcAttributes(TOvXComm& link) {
  TraceNote(texts::trace::kReadPlcAttributes);
  job_.SetPercent(kPlcAttributesReadingPercent);
  SetStage(stages::kReadingPlcAttributes);
  if (Cancelled()) {
    return false;
  }
  TOvReadPlcAttrCmd command;
  const std::unique_ptr<TOvXResp> reply = link.Transact(command);
  const auto* attributes = dynamic_cast<const TOvPlcAttrResp*>(reply.get());
  if (attributes == nullptr) {
    // A reply of another class, a panel's refusal included, reads "Unknown
    // Error"; a link failure keeps its own text, so a time-out reads as
    // one.
    if (dynamic_cast<const TOvErrorResp*>(reply.get()) != nullptr) {
      ReportResponse(reply.get());
    } else if (!Cancelled()) {
      ReportError(LoadString(strings::kUnknownError));
    }
    return false;
  }
  // Behind a multiplexer the block is read but not kept: the multiplexer's
  // own block is the system's.
  if (project_->systemMode != kMultiPanelSystem) {
    std::vector<unsigned char>& bytes = project_->plc.attributeBytes;
    bytes.resize(kAttributeHeaderSize);
    bytes.insert(bytes.end(), attributes->Block().begin(), attributes->Block().end());
  }
  job_.SetPercent(100);
  SetStage(stages::kPlcAttributesRead);
  return true;
}

}  // namespace orvane
