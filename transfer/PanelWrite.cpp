// Writing a project into a panel: the status and memory steps, then the
// messages, the tag map, the system attributes, the panel-side driver and
// the PLC attributes.
#include <fstream>

#include "base/StringTable.h"
#include "link/BlockCommands.h"
#include "link/MessageText.h"
#include "link/PlcAttributeRecords.h"
#include "link/Protocol.h"
#include "link/SystemAttributeRecord.h"
#include "link/SystemMessages.h"
#include "link/TOvExec.h"
#include "link/TOvWriteMsgCmd.h"
#include "link/TOvXComm.h"
#include "link/TagMapStream.h"
#include "link/Trace.h"
#include "project/ProjectDriver.h"
#include "project/TOvProject.h"
#include "transfer/BlockSender.h"
#include "transfer/TOvProjectHelper.h"
#include "transfer/TransferTexts.h"
#include "transfer/WriteChecks.h"

namespace orvane {
namespace {

// What the progress count reckons a write sends: each message record, the
// seven system messages, the system attribute record, the tag map header,
// and the whole PLC attribute block (the project's attribute bytes, header
// included) with two bytes more.
constexpr uint32_t kMessageBytes = 41;
constexpr uint32_t kSystemMessageBytes = 7 * kMessageBytes;
constexpr uint32_t kSystemAttributeBytes = 27;
constexpr uint32_t kTagHeaderBytes = 3;
constexpr uint32_t kTagEntryExtraBytes = 3;
constexpr uint32_t kPlcAttributeExtraBytes = 2;

// The wait that lets the owner handle the last progress before the final
// stage.
constexpr uint32_t kFinalStageDelay_ms = 50;

}  // namespace

void TOvProjectHelper::WriteProject() {
  if (project_ == nullptr || !CheckBeforeWrite()) {
    return;
  }
  const std::unique_ptr<TOvXComm> link = OpenLink();
  if (link == nullptr) {
    return;
  }
  writing_ = true;
  bool written = false;
  if (project_->systemMode == kMultiPanelSystem) {
    written = WriteMultiPanelSystem(*link);
  } else {
    project_->portTable.selectedPort = kFirstPort;
    const TOvPanel* panel = CurrentPanel();
    SetCaption(panel != nullptr ? panel->panelModel : kModelNotConfigured, 0);
    written = WritePanel(*link);
  }
  writing_ = false;
  programIncomplete_ = false;
  if (!written) {
    return;
  }
  job_.SetPercent(100);
  job_.SetFinished(true);
  Wait_ms(kFinalStageDelay_ms);
  SetStage(stages::kWriteFinished);
}

bool TOvProjectHelper::CheckBeforeWrite() {
  const std::vector<WriteProblem> problems = FindWriteProblems(*project_);
  if (problems.empty()) {
    return true;
  }
  const bool multiPanel = project_->systemMode == kMultiPanelSystem;
  const std::string text = WriteProblemsText(problems, multiPanel);
  const std::string help = WriteProblemsHelp(multiPanel);
  // A single problem of the whole project reads as the sequence has always
  // reported it; the platform's reason a file did not open has no prefix.
  if (problems.size() == 1 && problems.front().port == 0 && !problems.front().routed) {
    // The platform's reason alone does not say which file: the details do.
    ReportPlain(text, "The file " + problems.front().field + " could not be opened. " + help);
  } else {
    ReportError(text, help);
  }
  return false;
}

bool TOvProjectHelper::WritePanel(TOvXComm& link) {
  job_.SetPercent(0);
  progressTotal_ = 0;
  progressDone_ = 0;
  const bool multiPanel = project_->systemMode == kMultiPanelSystem;

  std::string driverPath;
  const bool located = multiPanel ? MultiplexerDriverPath(*project_, driverPath)
                                  : PanelDriverPath(*project_, kHexImageKind, driverPath);
  if (!located) {
    ReportError(LoadString(strings::kC002));
    return false;
  }
  std::ifstream file;
  if (!OpenImage(driverPath, file)) {
    return false;
  }

  SetStatusText(strings::kVerifyingPanelConnected);
  if (Cancelled()) {
    return false;
  }
  TraceNote(texts::trace::kStatusId);
  {
    std::unique_ptr<TOvXResp> status;
    if (!CheckPanelStatus(link, strings::kC001, status)) {
      return false;
    }
  }
  TraceNote(texts::trace::kClearMemory);
  if (!ClearMemory(link)) {
    return false;
  }
  // The image is read after the clear, as the panel has always seen it: an
  // invalid image leaves a cleared panel.
  const TOvExec image(file, TOvExec::kPlcDriverStart);
  if (!image.IsValid()) {
    ReportError(LoadString(strings::kZ003));
    return false;
  }

  // The status check passed against the current panel's model, so there is
  // one.
  TOvPanel& panel = *CurrentPanel();
  const TOvPlcInfo& plc = project_->plc;
  progressTotal_ = static_cast<uint32_t>(image.ImageLength()) +
                   kMessageBytes * static_cast<uint32_t>(panel.messages.size()) +
                   kSystemMessageBytes + kSystemAttributeBytes +
                   static_cast<uint32_t>(plc.mapLength + kTagEntryExtraBytes) *
                       static_cast<uint32_t>(panel.AddressCount()) +
                   kTagHeaderBytes + static_cast<uint32_t>(plc.attributeBytes.size()) +
                   kPlcAttributeExtraBytes;

  tagTable_.clear();
  panel.BuildTagTable(tagTable_);
  if (!WriteMessages(link) || !WriteMapData(link, tagTable_, !multiPanel) ||
      !WriteSystemAttributes(link) || !DownloadDriver(link, image.Image()) ||
      !WritePlcAttributes(link)) {
    return false;
  }
  job_.SetPercent(100);
  SetStage(stages::kPanelDone);
  job_.DoneEvent().Reset();
  tagTable_.clear();
  programIncomplete_ = false;
  return true;
}

bool TOvProjectHelper::WriteMessages(TOvXComm& link) {
  TraceNote(texts::trace::kWriteMessages);
  job_.SetStage(stages::kWritingMessages);
  TOvPanel& panel = *CurrentPanel();
  size_t written = 0;
  for (; written < panel.messages.size(); ++written) {
    if (Cancelled()) {
      // The panel is cleared; the system messages still follow, and the
      // step then ends as cancelled.
      AbortWrite(link);
      break;
    }
    PostProgressPercent();
    if (!SendMessage(link, panel.messages[written], panel.firstMessageNumber, false) ||
        !FillBlankMessages(link, panel, written)) {
      return false;
    }
    progressDone_ += kMessageBytes;
  }
  if (!WriteSystemMessages(link)) {
    return false;
  }
  if (written < panel.messages.size()) {
    return false;
  }
  SetStage(stages::kMessagesDone);
  return true;
}

bool TOvProjectHelper::SendMessage(TOvXComm& link, const TOvMessage& message,
                                   int32_t firstMessageNumber, bool blank) {
  const bool setPoint = CurrentPanel()->IsSetPoint();
  // A text whose data item has more digit positions than its codes would
  // take another item's codes: the panel would misread it, so it is not
  // sent.
  if (!blank && !setPoint && OverfullDataItem(message) != 0) {
    ReportError(OverfullDataItemText(message));
    return false;
  }
  TOvWriteMsgCmd command(message, firstMessageNumber, setPoint, blank);
  return Accept(link.Transact(command));
}

bool TOvProjectHelper::FillBlankMessages(TOvXComm& link, const TOvPanel& panel, size_t index) {
  // Only the gap between two PLC messages is filled: the panel finds a PLC
  // message by its number and must find the numbers between them unused.
  const TOvMessage& message = panel.messages[index];
  if (message.isPlcMessage == 0 || index + 1 >= panel.messages.size() ||
      panel.messages[index + 1].isPlcMessage == 0) {
    return true;
  }
  for (int32_t number = message.number + 1; number < panel.messages[index + 1].number; ++number) {
    if (Cancelled()) {
      AbortWrite(link);
      return false;
    }
    TOvMessage blank;
    blank.number = number;
    if (!SendMessage(link, blank, panel.firstMessageNumber, true)) {
      return false;
    }
  }
  return true;
}

bool TOvProjectHelper::WriteSystemMessages(TOvXComm& link) {
  TraceNote(texts::trace::kWriteSystemMessages);
  for (const TOvMessage& message : SystemMessages(*CurrentPanel())) {
    if (!SendMessage(link, message, kNoFirstMessageNumber, false)) {
      return false;
    }
    progressDone_ += kMessageBytes;
    PostProgressPercent();
  }
  return true;
}

bool TOvProjectHelper::WriteMapData(TOvXComm& link, const TOvTagTable& tags, bool fullForm) {
  TraceNote(texts::trace::kWritingMapData);
  const EncodedStream stream = fullForm ? BuildTagMapStream(tags, project_->plc.mapLength)
                                        : BuildIndexedTagMapStream(tags, muxTagList_);
  if (!stream.Ok()) {
    ReportError(stream.error);
    return false;
  }
  job_.SetText(texts::kTagProgressStart);
  job_.SetStage(stages::kWritingMapData);
  Post();
  if (!SendWriteBlocks(link, protocol::kWriteTags, stream.bytes, true, texts::kTagProgress)) {
    return false;
  }
  job_.SetStage(stages::kMapDataDone);
  Post();
  return true;
}

bool TOvProjectHelper::WriteSystemAttributes(TOvXComm& link) {
  TraceNote(texts::trace::kWriteSystemAttributes);
  if (Cancelled()) {
    AbortWrite(link);
    return false;
  }
  job_.SetStage(stages::kWritingSystemAttributes);
  Post();
  TOvWriteSysAttrCmd command(*CurrentPanel());
  if (!Accept(link.Transact(command))) {
    return false;
  }
  progressDone_ += kSystemAttributeBytes;
  job_.SetStage(stages::kSystemAttributesWritten);
  PostProgressPercent();
  return true;
}

bool TOvProjectHelper::DownloadDriver(TOvXComm& link, const std::vector<uint8_t>& image) {
  TraceNote(texts::trace::kLoadDriver);
  job_.SetStage(stages::kDownloadingDriver);
  job_.SetText(texts::kDriverProgressStart);
  Post();
  if (!SendWriteBlocks(link, protocol::kLoadPlcDriver, image, false, nullptr)) {
    return false;
  }
  job_.SetStage(stages::kDriverDownloaded);
  Post();
  return true;
}

bool TOvProjectHelper::WritePlcAttributes(TOvXComm& link) {
  TraceNote(texts::trace::kWritePlcAttributes);
  if (Cancelled()) {
    AbortWrite(link);
    return false;
  }
  job_.SetStage(stages::kWritingPlcAttributes);
  Post();
  const TOvPlcInfo& plc = project_->plc;
  const bool multiPanel = project_->systemMode == kMultiPanelSystem;
  const EncodedStream record = EncodePlcAttributes(
      plc, multiPanel ? PlcAttributeForm::MultiPanel : PlcAttributeForm::SinglePanel);
  if (!record.Ok()) {
    ReportError(record.error);
    return false;
  }
  std::unique_ptr<TOvXResp> reply;
  if (multiPanel) {
    TOvWrtMltPnlPlcAttrCmd command(plc);
    reply = link.Transact(command);
  } else {
    TOvWritePlcAttrCmd command(plc);
    reply = link.Transact(command);
  }
  if (!Accept(std::move(reply))) {
    return false;
  }
  progressDone_ += static_cast<uint32_t>(plc.attributeBytes.size()) + kPlcAttributeExtraBytes;
  job_.SetPercent(100);
  job_.SetStage(stages::kPlcAttributesWritten);
  Post();
  return true;
}

bool TOvProjectHelper::SendWriteBlocks(TOvXComm& link, uint8_t code,
                                       const std::vector<uint8_t>& stream, bool cancelEnd,
                                       const char* progressText) {
  BlockHooks hooks;
  hooks.proceed = [&](BlockKind kind) {
    const bool tested = kind == BlockKind::Data || (kind == BlockKind::End && cancelEnd);
    if (tested && Cancelled()) {
      AbortWrite(link);
      return false;
    }
    return true;
  };
  hooks.accept = [this](std::unique_ptr<TOvXResp> reply) { return Accept(std::move(reply)); };
  hooks.accepted = [&](BlockKind kind, size_t blockBytes, size_t) {
    if (kind == BlockKind::Start) {
      return;
    }
    progressDone_ += static_cast<uint32_t>(blockBytes);
    const int32_t percent = ProgressPercent();
    job_.SetPercent(percent);
    if (kind == BlockKind::Data && progressText != nullptr) {
      job_.SetText(FormatText(progressText, percent));
    }
    Post();
  };
  return SendBlocks(link, BlockPlan{code, false}, stream, hooks) == BlockResult::Sent;
}

}  // namespace orvane
