#include "view/PanelCommands.h"

#include <utility>

#include "base/ProgramVersion.h"
#include "base/Settings.h"
#include "base/StringTable.h"
#include "base/UserInterface.h"
#include "link/BaudRate.h"
#include "link/PortNames.h"
#include "link/SimpleCommands.h"
#include "link/StatusReplies.h"
#include "link/TOvXComm.h"
#include "link/Trace.h"
#include "plchost/DriverCatalog.h"
#include "project/PanelModels.h"
#include "transfer/TransferStages.h"
#include "view/DocumentBinding.h"
#include "view/TransferOwner.h"

namespace orvane {

// Takes the notifications of the short operations on the calling thread:
// passes them to the observer as they come and keeps the errors, which are
// shown once the operation has returned (as the view handles its posted
// error messages after the command).
class PanelCommands::ShortSink final : public TransferSink {
 public:
  explicit ShortSink(const std::function<void(const TransferNotification&)>& observer)
      : observer_(observer) {}

  void Post(const TransferNotification& notification) override {
    if (observer_) {
      observer_(notification);
    }
    if (notification.notice == TransferNotice::Error) {
      errors.push_back({notification.state.text, notification.state.details});
    }
  }

  struct Error {
    std::string text;
    std::string details;
  };
  std::vector<Error> errors;

 private:
  const std::function<void(const TransferNotification&)>& observer_;
};

// Opens a trace file for one command and closes it when the command ends;
// where it went is kept in written. A trace that cannot be created or
// written in full leaves the link working without one, and the user is
// told which file and why once the command is over.
class PanelCommands::TraceScope {
 public:
  TraceScope(const char* name, const std::filesystem::path& directory,
             std::filesystem::path& written, UserInterface& ui)
      : written_(written), ui_(ui) {
    written.clear();
    const std::filesystem::path path =
        directory.empty() ? std::filesystem::path(name) : directory / name;
    if (OpenTrace(name, directory, &error_)) {
      written = std::filesystem::absolute(path);
    }
  }
  /// The trace of a Write, Read or Verify begins with the program version.
  TraceScope(const char* name, const std::filesystem::path& directory,
             std::filesystem::path& written, UserInterface& ui, const std::string& version)
      : TraceScope(name, directory, written, ui) {
    TraceNote(kProgramVersionNote + version);
  }
  ~TraceScope() {
    if (error_.empty() && !CloseTrace(&error_)) {
      written_.clear();
    }
    if (!error_.empty()) {
      ui_.Show(kTraceNotWrittenText + error_, Icon::Exclamation);
    }
  }
  TraceScope(const TraceScope&) = delete;
  TraceScope& operator=(const TraceScope&) = delete;

 private:
  std::filesystem::path& written_;
  UserInterface& ui_;
  std::string error_;
};

int BaudRateFor(const TOvProject& project) {
  return project.systemMode == kMultiPanelSystem ? kMultiplexerBaudRate : kSinglePanelBaudRate;
}

PanelCommands::PanelCommands(TOvProject& project, UserInterface& ui, TransferOwner& owner,
                             DriverCatalog* catalog)
    : project_(project),
      ui_(ui),
      owner_(owner),
      catalog_(catalog),
      portName_(AppSettings().Port()),
      shortSink_(std::make_unique<ShortSink>(observer_)),
      shortJob_(operations::kWriteProject, &workingCopy_) {
  shortJob_.SetSink(shortSink_.get());
}

PanelCommands::~PanelCommands() = default;

const std::string& PanelCommands::ProgramVersionText() {
  if (version_.empty()) {
    version_ = LoadProgramVersion().text;
  }
  return version_;
}

TransferServices PanelCommands::Services() {
  return TransferServices{ui_, clock_ != nullptr ? *clock_ : SystemTransferClock(), catalog_};
}

void PanelCommands::ShowError(const std::string& text, const std::string& details) {
  lastError_ = text;
  lastErrorDetails_ = details;
  ui_.ShowMessage(Message{text, {}, Icon::Stop, details, 0});
}

TransferOutcome PanelCommands::RunLong(int32_t operation, TOvProject* project,
                                       const std::string& path) {
  TransferJob job(operation, project, path);
  job.SetPortName(portName_);
  const TransferOutcome outcome = owner_.RunTransfer(job, Services());
  if (!outcome.errorText.empty()) {
    lastError_ = outcome.errorText;
    lastErrorDetails_ = outcome.errorDetails;
  }
  return outcome;
}

TransferOutcome PanelCommands::ReadInto(TOvProject& read) {
  AddFirstPanel(read, kModelOv200);
  return RunLong(operations::kReadProject, &read);
}

CommandResult PanelCommands::FromOutcome(const TransferOutcome& outcome) const {
  if (outcome.succeeded) {
    return CommandResult::Done;
  }
  return outcome.cancelled ? CommandResult::Cancelled : CommandResult::Failed;
}

// --- Write -------------------------------------------------------------------

void PanelCommands::ShowIncompleteData(bool withDetails) {
  Message message;
  message.text = kIncompleteDataText;
  message.caption = kIncompleteDataCaption;
  if (withDetails) {
    message.details = std::string(LoadString(strings::kIncompleteDetailsHeader)) +
                      LoadString(strings::kNoLocalMessages);
  }
  ui_.ShowMessage(message);
}

bool PanelCommands::CheckIncompleteData() {
  if (project_.systemMode == kMultiPanelSystem) {
    if (project_.panels.empty()) {
      ShowIncompleteData(false);
      return false;
    }
    if (project_.panels.size() != 1) {
      return true;
    }
    const int32_t selected = project_.portTable.selectedPort;
    for (int32_t port = kFirstPort; port <= kLastPort; ++port) {
      if (project_.portTable.IsConfigured(port)) {
        project_.portTable.selectedPort = port;
        break;
      }
    }
    const TOvPanel* panel = project_.SelectedPanel();
    if (panel == nullptr || (!panel->IsSetPoint() && !panel->HasLocalMessage())) {
      project_.portTable.selectedPort = selected;
      ShowIncompleteData(true);
      return false;
    }
    return true;
  }
  const TOvPanel* panel = project_.panels.empty() ? nullptr : &project_.panels.front();
  if (panel == nullptr || (!panel->IsSetPoint() && !panel->HasLocalMessage())) {
    ShowIncompleteData(true);
    return false;
  }
  return true;
}

CommandResult PanelCommands::Write() {
  ClearLastError();
  TraceScope trace(kWriteTrace, traceDir_, tracePath_, ui_, ProgramVersionText());
  SetBaudRateSetting(BaudRateFor(project_));
  if (!CheckIncompleteData()) {
    return CommandResult::Declined;
  }
  const TransferOutcome outcome = RunLong(operations::kWriteProject, &project_);
  if (outcome.succeeded) {
    ui_.Show(
        TransferSuccessMessage(operations::kWriteProject, project_.systemMode == kMultiPanelSystem),
        Icon::Information);
  }
  return FromOutcome(outcome);
}

// --- Read and Verify -----------------------------------------------------------

CommandResult PanelCommands::Read() {
  ClearLastError();
  modified_ = false;
  TraceScope trace(kReadTrace, traceDir_, tracePath_, ui_, ProgramVersionText());
  Question question;
  question.text = LoadString(strings::kReadOverwritesQuestion);
  question.icon = Icon::Exclamation;
  question.buttons = Buttons::OkCancel;
  // Overwriting the program is not what a stray Enter should do.
  question.defaultAnswer = Answer::Cancel;
  if (ui_.Ask(question) != Answer::Ok) {
    return CommandResult::Declined;
  }
  TOvProject read;
  const TransferOutcome outcome = ReadInto(read);
  if (!outcome.succeeded) {
    return FromOutcome(outcome);
  }
  const bool multiPanel = read.systemMode == kMultiPanelSystem;
  if (!read.panels.empty() && !read.Equals(project_)) {
    project_ = std::move(read);
    project_.portTable.selectedPort = kFirstPort;
    modified_ = true;
  }
  ui_.Show(TransferSuccessMessage(operations::kReadProject, multiPanel), Icon::Information);
  return CommandResult::Done;
}

VerifyResult PanelCommands::Verify() {
  ClearLastError();
  VerifyResult result;
  SetBaudRateSetting(BaudRateFor(project_));
  if (project_.systemMode == kMultiPanelSystem) {
    if (project_.panels.empty()) {
      result.result = CommandResult::Declined;
      return result;
    }
    const bool connected = RunShort(
        [](TOvProjectHelper& helper, TOvXComm& link) { return helper.TestPanelsConnected(link); });
    if (!connected) {
      return result;
    }
  }
  TraceScope trace(kReadTrace, traceDir_, tracePath_, ui_, ProgramVersionText());
  TOvProject read;
  const TransferOutcome outcome = ReadInto(read);
  result.result = FromOutcome(outcome);
  if (!outcome.succeeded) {
    return result;
  }
  result.differences = ListDifferences(project_, read);
  result.equal = project_.Equals(read);
  Message message;
  message.text = LoadString(result.equal ? strings::kVerifySame : strings::kVerifyDifferent);
  message.icon = Icon::Information;
  if (differencesInMessage_) {
    for (const std::string& line : DescribeDifferences(result.differences)) {
      message.details += line + "\n";
    }
  }
  ui_.ShowMessage(message);
  return result;
}

// --- Short operations ----------------------------------------------------------

std::unique_ptr<TOvXComm> PanelCommands::OpenShortLink() {
  workingCopy_ = project_;
  shortSink_->errors.clear();
  shortJob_.SetPort(0);
  shortJob_.SetPortName(portName_);
  ResponseContext context;
  context.project = &workingCopy_;
  auto link = std::make_unique<TOvXComm>(portName_, context);
  if (!link->IsOk()) {
    ShowError(link->ErrorText(), link->ErrorDetails());
    return nullptr;
  }
  return link;
}

bool PanelCommands::RunShort(const ShortSteps& steps) {
  std::unique_ptr<TOvXComm> link = OpenShortLink();
  if (link == nullptr) {
    return false;
  }
  TOvProjectHelper helper(shortJob_, Services());
  const bool done = steps(helper, *link);
  link.reset();
  ShowShortErrors();
  return done;
}

StatusResult PanelCommands::ShortStatus(int32_t port, const StatusSteps& steps) {
  StatusResult result;
  std::unique_ptr<TOvXResp> reply;
  const bool ok = RunShort([&steps, &reply](TOvProjectHelper& helper, TOvXComm& link) {
    return steps(helper, link, reply);
  });
  if (ok && reply != nullptr) {
    result.result = CommandResult::Done;
    result.status = StatusOf(*reply, port);
  }
  return result;
}

void PanelCommands::ShowShortErrors() {
  std::vector<ShortSink::Error> errors;
  errors.swap(shortSink_->errors);
  for (const ShortSink::Error& error : errors) {
    ShowError(error.text, error.details);
  }
}

CommandResult PanelCommands::ClearMemory() {
  ClearLastError();
  const bool multiPanel = project_.systemMode == kMultiPanelSystem;
  Question question;
  question.text =
      LoadString(multiPanel ? strings::kClearPanelsQuestion : strings::kClearPanelQuestion);
  question.icon = Icon::Question;
  question.buttons = Buttons::YesNo;
  // Clearing cannot be undone: only a clear Yes does it.
  question.defaultAnswer = Answer::No;
  if (ui_.Ask(question) != Answer::Yes || project_.panels.empty()) {
    return CommandResult::Declined;
  }
  SetBaudRateSetting(BaudRateFor(project_));
  clearedPorts_.clear();
  const bool cleared = RunShort([this, multiPanel](TOvProjectHelper& helper, TOvXComm& link) {
    if (!multiPanel) {
      const bool done = helper.ClearMemory(link);
      clearedPorts_.push_back({0, done, done ? std::string() : shortJob_.Text()});
      return done;
    }
    const bool done = helper.ClearAllPanels(link);
    clearedPorts_ = helper.ClearResults();
    return done;
  });
  if (!cleared) {
    return CommandResult::Failed;
  }
  ui_.Show(LoadString(strings::kPanelsMemoryCleared), Icon::Information);
  return CommandResult::Done;
}

DeviceStatus PanelCommands::StatusOf(const TOvXResp& reply, int32_t port) {
  DeviceStatus status;
  status.port = port;
  if (const auto* mux = dynamic_cast<const TOvMuxStatusIdResp*>(&reply)) {
    status.multiplexer = true;
    status.model = mux->DeviceModel();
    status.memory = mux->MemoryText();
  } else if (const auto* panel = dynamic_cast<const TOvStatusIdResp*>(&reply)) {
    status.model = panel->PanelModel();
    status.memory = panel->MemoryText();
  }
  if (const auto* device = dynamic_cast<const TOvDeviceStatusResp*>(&reply)) {
    status.firmware = device->FirmwareRevisionText();
    status.hasDriver = device->HasDriver();
    status.driverManufacturer = device->DriverManufacturer();
    status.driverModel = device->DriverModel();
    status.driverRevision = device->DriverRevisionText();
  }
  status.modelName = PanelModel(status.model).name;
  if (status.hasDriver) {
    const auto manufacturer = static_cast<unsigned>(status.driverManufacturer);
    const auto model = static_cast<unsigned>(status.driverModel);
    status.driverName = catalog_ != nullptr
                            ? catalog_->LookupDriver(manufacturer, model).name
                            : DriverCatalog::FindDriverFile(manufacturer, model).name;
  } else {
    status.driverManufacturer = 0;
    status.driverModel = 0;
    status.driverRevision.clear();
  }
  return status;
}

StatusResult PanelCommands::Information() {
  ClearLastError();
  SetBaudRateSetting(BaudRateFor(project_));
  const bool multiPanel = project_.systemMode == kMultiPanelSystem;
  return ShortStatus(
      0, [multiPanel](TOvProjectHelper& helper, TOvXComm& link, std::unique_ptr<TOvXResp>& reply) {
        return multiPanel ? helper.CheckMuxStatus(link, reply)
                          : helper.CheckPanelStatus(link, strings::kC001, reply);
      });
}

StatusResult PanelCommands::PortInformation() {
  ClearLastError();
  StatusResult result;
  const int32_t port = project_.portTable.selectedPort;
  if (project_.systemMode != kMultiPanelSystem || project_.SelectedPanel() == nullptr) {
    result.result = CommandResult::Declined;
    return result;
  }
  SetBaudRateSetting(BaudRateFor(project_));
  return ShortStatus(
      port, [port](TOvProjectHelper& helper, TOvXComm& link, std::unique_ptr<TOvXResp>& reply) {
        const bool ok = helper.SwitchPort(link, 0) && helper.SwitchPort(link, port) &&
                        helper.CheckPanelStatus(link, strings::kC001, reply);
        // The multiplexer goes back to itself however the check ended.
        helper.SwitchPort(link, 0);
        return ok;
      });
}

// --- Identify ------------------------------------------------------------------

PanelCommands::IdentifyResult PanelCommands::Identify() {
  ClearLastError();
  tracePath_.clear();
  IdentifyResult result;
  std::unique_ptr<TOvXComm> link = OpenShortLink();
  if (link == nullptr) {
    return result;
  }
  // A panel listens at 9600 baud, a multiplexer at 38400; a device answers
  // a status request within milliseconds, so each rate gets a short wait.
  constexpr uint32_t kIdentifyTimeout_ms = 500;
  const int previous = BaudRateSetting();
  for (const int rate : {kSinglePanelBaudRate, kMultiplexerBaudRate}) {
    SetBaudRateSetting(rate);
    link->ApplySettings();
    link->SetReadTimeout(kIdentifyTimeout_ms);
    TOvStatusIdCmd command;
    const std::unique_ptr<TOvXResp> reply = link->Transact(command);
    if (dynamic_cast<const TOvDeviceStatusResp*>(reply.get()) != nullptr) {
      result.answers.push_back({rate, StatusOf(*reply, 0)});
    }
  }
  SetBaudRateSetting(previous);
  link.reset();
  if (result.answers.empty()) {
    ShowError(FormatText("Nothing answered on %s at %d or at %d baud.",
                         PortNameAndDevice(portName_).c_str(), kSinglePanelBaudRate,
                         kMultiplexerBaudRate),
              "Check the cable, the port, and that the panel or multiplexer is powered and in "
              "setup mode.");
    return result;
  }
  result.result = CommandResult::Done;
  return result;
}

// --- Firmware ------------------------------------------------------------------

CommandResult PanelCommands::Firmware(int32_t operation, const std::string& imagePath,
                                      int baudRate) {
  ClearLastError();
  TraceScope trace(kWriteTrace, traceDir_, tracePath_, ui_);
  SetBaudRateSetting(baudRate);
  return FromOutcome(RunLong(operation, &project_, imagePath));
}

CommandResult PanelCommands::UpgradeFirmware(const std::string& imagePath) {
  return Firmware(operations::kPanelFirmware, imagePath, BaudRateFor(project_));
}

CommandResult PanelCommands::UpgradeMuxFirmware(const std::string& imagePath) {
  return Firmware(operations::kMuxFirmware, imagePath, kMultiplexerBaudRate);
}

}  // namespace orvane
