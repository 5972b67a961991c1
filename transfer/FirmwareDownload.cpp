// Replacing the firmware of a panel (restart into its loader, poll until it
// answers, send the image, restart into the new firmware) and of the
// multiplexer (boot loader, image, exec).
#include <fstream>

#include "base/StringTable.h"
#include "link/BaudRate.h"
#include "link/Protocol.h"
#include "link/SimpleCommands.h"
#include "link/StatusReplies.h"
#include "link/TOvExec.h"
#include "link/TOvMuxExec.h"
#include "link/TOvXComm.h"
#include "project/TOvProject.h"
#include "transfer/BlockSender.h"
#include "transfer/TOvProjectHelper.h"
#include "transfer/TransferTexts.h"

namespace orvane {
namespace {

// A restarting panel is polled with short read time-outs, up to this many
// status requests.
constexpr uint32_t kLoaderStart_ms = 500;
constexpr uint32_t kLoaderPollTimeout_ms = 100;
constexpr int kLoaderPolls = 500;

// The panel checks and starts the new firmware in a fixed time.
constexpr uint32_t kFirmwareSettle_ms = 2000;
constexpr uint32_t kVerifyStep_ms = 1000;
constexpr int kVerifySteps = 3;

// The multiplexer takes its image in 16-bit words.
constexpr uint8_t kImagePadByte = 0xFF;

}  // namespace

void TOvProjectHelper::DownloadFirmware(const std::string& path) {
  std::ifstream file;
  if (!OpenImage(path, file)) {
    return;
  }
  const TOvExec image(file, TOvExec::kFirmwareStart);
  if (!image.IsValid()) {
    ReportError(LoadString(strings::kZ003));
    return;
  }
  const std::unique_ptr<TOvXComm> link = OpenLink();
  if (link == nullptr) {
    return;
  }
  link->ApplySettings();
  // Behind a multiplexer the panel is reached through its port.
  const bool multiPanel = project_ != nullptr && project_->systemMode == kMultiPanelSystem;
  if (multiPanel &&
      (!SwitchPort(*link, 0) || !SwitchPort(*link, project_->portTable.selectedPort))) {
    return;
  }
  SetStatusText(strings::kInitializingFirmwareDownload);
  if (!RestartIntoLoader(*link)) {
    return;
  }
  job_.SetText(texts::kDownloadingFirmware);
  Post();
  if (!SendFirmware(*link, image.Image(), false)) {
    return;
  }
  job_.SetPercent(100);
  job_.SetText(texts::kDownloadingFirmware);
  Post();
  Wait_ms(kFirmwareSettle_ms);
  std::string verifying = texts::kVerifyingFirmware;
  for (int step = 0; step < kVerifySteps; ++step) {
    verifying += ".";
    job_.SetText(verifying);
    Post();
    Wait_ms(kVerifyStep_ms);
  }
  job_.SetText(texts::kRestartingPanel);
  Post();
  TOvRestartCmd restart;
  if (!Accept(link->Transact(restart))) {
    return;
  }
  if (multiPanel && !SwitchPort(*link, 0)) {
    return;
  }
  job_.SetText(texts::kPanelFirmwareDone);
  job_.SetFinished(true);
  Post();
}

bool TOvProjectHelper::RestartIntoLoader(TOvXComm& link) {
  TOvRestartCmd restart;
  if (!Accept(link.Transact(restart))) {
    return false;
  }
  Wait_ms(kLoaderStart_ms);
  link.SetReadTimeout(kLoaderPollTimeout_ms);
  std::unique_ptr<TOvXResp> reply;
  for (int poll = 0; poll < kLoaderPolls; ++poll) {
    TOvStatusIdCmd status;
    reply = link.Transact(status);
    if (dynamic_cast<const TOvStatusIdResp*>(reply.get()) != nullptr) {
      break;
    }
  }
  const bool answered = dynamic_cast<const TOvStatusIdResp*>(reply.get()) != nullptr;
  if (!answered) {
    ReportResponse(reply.get());
  }
  link.ApplySettings();
  return answered;
}

void TOvProjectHelper::DownloadMuxFirmware(const std::string& path) {
  std::ifstream file;
  if (!OpenImage(path, file)) {
    return;
  }
  // The first block carries 50 bytes of the image: a shorter image cannot
  // be sent and is no multiplexer firmware.
  const TOvMuxExec image(file, TOvMuxExec::kFirmwareStart);
  if (!image.IsValid() || image.ImageLength() < TOvMuxExec::kMinFirmwareLength) {
    ReportError(LoadString(strings::kZ003));
    return;
  }
  const std::unique_ptr<TOvXComm> link = OpenLink();
  if (link == nullptr) {
    return;
  }
  SetBaudRateSetting(kMultiplexerBaudRate);
  link->ApplySettings();
  SetStatusText(strings::kInitializingFirmwareDownload);
  link->ApplySettings();

  job_.SetText(texts::kSendingBoot);
  Post();
  TOvExecBootCmd boot;
  if (!Accept(link->Transact(boot))) {
    return;
  }
  job_.SetText(texts::kDownloadingFirmware);
  Post();
  std::vector<uint8_t> bytes = image.Image();
  if (bytes.size() % 2 != 0) {
    bytes.push_back(kImagePadByte);
  }
  if (!SendFirmware(*link, bytes, true)) {
    return;
  }
  job_.SetText(texts::kMuxFirmwareLoaded);
  job_.SetPercent(100);
  Post();
  job_.SetText(texts::kSendingExec);
  Post();
  TOvExecExecCmd exec;
  if (!Accept(link->Transact(exec))) {
    return;
  }
  job_.SetText(texts::kMuxFirmwareDone);
  job_.SetFinished(true);
  Post();
}

bool TOvProjectHelper::SendFirmware(TOvXComm& link, const std::vector<uint8_t>& image,
                                    bool multiplexer) {
  BlockHooks hooks;
  // A cancel stops between two blocks, silently; the device stays in its
  // loader and the user repeats the upgrade.
  hooks.proceed = [&](BlockKind kind) {
    if (Cancelled()) {
      return false;
    }
    if (multiplexer && kind == BlockKind::End) {
      job_.SetText(texts::kDownloadingFirmware);
      Post();
    }
    return true;
  };
  hooks.accept = [this](std::unique_ptr<TOvXResp> reply) { return Accept(std::move(reply)); };
  hooks.accepted = [&](BlockKind kind, size_t, size_t sentBytes) {
    if (kind != BlockKind::Data) {
      return;
    }
    job_.SetPercent(static_cast<int32_t>(uint64_t{sentBytes} * 100 / image.size()));
    job_.SetText(texts::kDownloadingFirmware);
    Post();
  };
  // The multiplexer's start block carries the image's first 50 bytes.
  return SendBlocks(link, BlockPlan{protocol::kLoadExec, multiplexer}, image, hooks) ==
         BlockResult::Sent;
}

}  // namespace orvane
