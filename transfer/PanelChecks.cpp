// The short exchanges every sequence builds on: status identification with
// its model and firmware checks, clearing memory, routing the multiplexer,
// and clearing a panel after a cancelled write.
#include <cctype>
#include <filesystem>

#include "base/InstallDir.h"
#include "base/StringTable.h"
#include "base/UserInterface.h"
#include "link/SimpleCommands.h"
#include "link/StandardReplies.h"
#include "link/StatusReplies.h"
#include "link/TOvXComm.h"
#include "project/TOvProject.h"
#include "transfer/TOvProjectHelper.h"
#include "transfer/TransferTexts.h"

namespace orvane {
namespace {

// Panels with firmware older than revision B cannot take what this program
// writes.
constexpr char kFirstCompatibleRevision = 'B';

// Where the latest firmware lies: the install directory's Firmware folder,
// with a trailing separator.
std::string FirmwareFolderText() {
  return (InstallDir() / "Firmware").string() + std::filesystem::path::preferred_separator;
}

}  // namespace

bool TOvProjectHelper::CheckPanelStatus(TOvXComm& link, int mismatchMessageId,
                                        std::unique_ptr<TOvXResp>& reply) {
  TOvStatusIdCmd command;
  reply = link.Transact(command);
  const auto* status = dynamic_cast<const TOvStatusIdResp*>(reply.get());
  if (status == nullptr) {
    ReportNoStatus(link, reply.get());
    return false;
  }
  deviceAnswered_ = true;
  if (Cancelled()) {
    return false;
  }
  // Without a panel on the current port nothing is configured there, and
  // no panel matches that.
  const TOvPanel* panel = CurrentPanel();
  if (panel == nullptr || panel->panelModel != status->PanelModel()) {
    ReportError(LoadString(mismatchMessageId));
    return false;
  }
  const auto letter = static_cast<unsigned char>(status->FirmwareLetter());
  if (std::isalpha(letter) == 0) {
    ui_.Show(texts::kInvalidFirmwareRevision);
    return false;
  }
  if (std::toupper(letter) < kFirstCompatibleRevision) {
    ui_.Show(FormatText(texts::kOlderFirmware, status->FirmwareRevisionText().c_str(),
                        FirmwareFolderText().c_str()));
    return false;
  }
  return true;
}

bool TOvProjectHelper::CheckMuxStatus(TOvXComm& link, std::unique_ptr<TOvXResp>& reply) {
  TOvStatusIdCmd command;
  reply = link.Transact(command);
  const auto* status = dynamic_cast<const TOvMuxStatusIdResp*>(reply.get());
  if (status == nullptr) {
    ReportNoStatus(link, reply.get());
    return false;
  }
  deviceAnswered_ = true;
  if (Cancelled()) {
    return false;
  }
  if (status->DeviceModel() != kMultiplexerModel) {
    ReportError(LoadString(strings::kC001));
    return false;
  }
  return true;
}

bool TOvProjectHelper::ClearMemory(TOvXComm& link) {
  job_.SetStage(stages::kClearingMemory);
  SetStatusText(strings::kClearingTheMemory);
  TOvClrMemCmd command;
  if (!Accept(link.Transact(command))) {
    return false;
  }
  // Within a write the device now holds less than it did, until the write
  // completes it.
  programIncomplete_ = writing_;
  job_.SetText(texts::kMemoryCleared);
  job_.SetStage(stages::kMemoryCleared);
  Post();
  return true;
}

bool TOvProjectHelper::SwitchPort(TOvXComm& link, int32_t port) {
  SetRoute(port);
  TOvSwitchPrtCmd command(static_cast<uint8_t>(port));
  const std::unique_ptr<TOvXResp> reply = link.Transact(command);
  if (const auto* standard = dynamic_cast<const TOvStdResp*>(reply.get()); standard != nullptr) {
    deviceAnswered_ = true;
    if (standard->ErrorCode() == 0) {
      return true;
    }
    // A refused switch leaves the route where it was: going on would talk
    // to the panel of the previous port as if it were on this one.
    ReportResponse(reply.get());
    return false;
  }
  ReportNoStatus(link, reply.get());
  return false;
}

void TOvProjectHelper::AbortWrite(TOvXComm& link) {
  if (!ClearMemory(link)) {
    ReportError(LoadString(strings::kC006));
  }
  job_.DoneEvent().Set();
}

}  // namespace orvane
