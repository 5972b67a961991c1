// The main view's panel commands as a plain class: what each command
// checks, asks, sets up and calls before and after the transfer layer runs
// it (Write, Read, Verify, Clear Memory, Information, port Information,
// Upgrade Firmware, Upgrade Mux Firmware). The desktop program's view and
// orvane-cli panel both drive it.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "project/ProjectDifferences.h"
#include "project/TOvProject.h"
#include "transfer/TOvProjectHelper.h"
#include "transfer/TransferJob.h"
#include "view/TransferProgress.h"

namespace orvane {

class DriverCatalog;
class TOvXComm;
class TransferClock;
class TransferOwner;
class UserInterface;

/// The incomplete-data dialog of Write.
inline constexpr const char* kIncompleteDataCaption = "Incomplete data";
inline constexpr const char* kIncompleteDataText =
    "Panel program can not be uploaded as it has incomplete data. ";
/// The trace note that opens the trace of a Write, Read and Verify; the
/// note itself begins with "-- ", so the line begins with it twice.
inline constexpr const char* kProgramVersionNote = "-- Program version: ";
inline constexpr const char* kWriteTrace = "Write.txt";
/// Said, with the file and the reason, when a command's trace could not be
/// created or written in full.
inline constexpr const char* kTraceNotWrittenText = "The trace file was not written: ";
inline constexpr const char* kReadTrace = "Read.txt";

/// How a command ended.
enum class CommandResult {
  Done,       // it did what it is for
  Declined,   // a check refused it or the user said no; nothing was sent
  Cancelled,  // the user cancelled while it ran
  Failed,     // the link, the device or a file failed; the user has been told
};

struct VerifyResult {
  CommandResult result = CommandResult::Failed;
  /// Done: whether the project on the PC equals the one in the panel, and
  /// what differs.
  bool equal = false;
  std::vector<ProjectDifference> differences;
};

/// What the panel status dialog shows: a panel's or the multiplexer's
/// status identification.
struct DeviceStatus {
  bool multiplexer = false;
  int32_t port = 0;   // 0 the device on the PC's port, 1..5 behind the multiplexer
  int32_t model = 0;  // 1..5 panels, 6 the multiplexer
  std::string modelName;
  std::string firmware;  // "%c.%d"
  std::string memory;    // "%4d KB" for a panel, "%4d Bytes" for the multiplexer
  /// The PLC driver the device holds; the fields below only when it has one.
  bool hasDriver = false;
  int driverManufacturer = 0;
  int driverModel = 0;
  std::string driverRevision;  // "%c"
  std::string driverName;      // of the installed driver with those codes; empty when none
};

struct StatusResult {
  CommandResult result = CommandResult::Failed;
  DeviceStatus status;  // when Done
};

/// The baud rate of a system: 38400 to a multiplexer, 9600 to a panel.
int BaudRateFor(const TOvProject& project);

class PanelCommands {
 public:
  /// project: the document's project (Read may replace it). ui, owner,
  /// catalog (may be null: a read then scans the plug-in folder) must
  /// outlive this object. The port is the stored "Port" setting until
  /// SetPortName says otherwise; traces go to the current directory.
  PanelCommands(TOvProject& project, UserInterface& ui, TransferOwner& owner,
                DriverCatalog* catalog = nullptr);
  ~PanelCommands();
  PanelCommands(const PanelCommands&) = delete;
  PanelCommands& operator=(const PanelCommands&) = delete;

  /// "COM1".."COM4" or a device path: the port of every command.
  void SetPortName(std::string portName) { portName_ = std::move(portName); }
  const std::string& PortName() const { return portName_; }
  /// Where "Write.txt" and "Read.txt" go; empty: the current directory.
  void SetTraceDirectory(std::filesystem::path directory) { traceDir_ = std::move(directory); }
  /// The clock of every wait the sequences make (tests pass one that does
  /// not sleep).
  void SetClock(TransferClock& clock) { clock_ = &clock; }
  /// Hears every notification of the short operations (Information, Clear
  /// Memory, the connection test before Verify) as they run, on the
  /// calling thread. Their errors are shown through the ui either way.
  void SetShortOperationObserver(std::function<void(const TransferNotification&)> observer) {
    observer_ = std::move(observer);
  }

  /// Verify's message carries the list of differences as its details (the
  /// desktop program's "Details..."); orvane-cli lists them itself.
  void SetDifferencesInVerifyMessage(bool on) { differencesInMessage_ = on; }

  /// The version written into the trace files; LoadProgramVersion() until
  /// set.
  void SetProgramVersion(std::string version) { version_ = std::move(version); }
  const std::string& ProgramVersionText();

  /// Write Project. The trace "Write.txt" with the version note, the baud
  /// rate of the system, then the incomplete-data checks:
  /// - a multi-panel system without panel is refused;
  /// - one with exactly one panel selects that panel's port (the first
  ///   configured); a text panel without local message is refused with the
  ///   details "No Local Messages configured" and the selected port is put
  ///   back;
  /// - a single text panel without local message is refused the same way;
  /// then the owner runs the write and the success message is shown.
  CommandResult Write();

  /// Read Project. The trace "Read.txt" with the version note; question
  /// 61629 (OK/Cancel); the owner reads into a new project (one model 1
  /// panel). Only a read that succeeded, brought panels and differs from
  /// the document's project replaces it: the project then has selected port
  /// 1 and DocumentModified() is set. Anything else leaves the document's
  /// project as it was. Done when the read succeeded.
  CommandResult Read();

  /// Verify. The baud rate of the system; a multi-panel system (it needs a
  /// panel) first tests on a link of its own that the connected panels
  /// match, and stops when they do not. Then the trace "Read.txt" with the
  /// version note, a read into a new project, and 61559 (same) or 61558
  /// (different) with the list of differences.
  VerifyResult Verify();

  /// Clear Memory: question 61584 (multi-panel) or 61664 (Yes/No, No by
  /// default); on Yes, with a panel in the project, the link at the
  /// system's baud rate clears every port of a multiplexer (or the panel),
  /// and "Panel(s) memory cleared" is shown.
  CommandResult ClearMemory();

  /// Information: the multiplexer's status (multi-panel) or the panel's,
  /// checked against the configured model (C001 when it differs).
  StatusResult Information();

  /// Information of the panel on the selected port of a multi-panel
  /// system: switch to port 0, to the port, the status check, and back to
  /// port 0 whatever happened. Declined without a panel on that port.
  StatusResult PortInformation();

  /// Upgrade Firmware of the panel (on the selected port of a multi-panel
  /// system) from an Intel HEX image; the trace "Write.txt", the baud rate
  /// of the system.
  CommandResult UpgradeFirmware(const std::string& imagePath);
  /// Upgrade Mux Firmware from an S-record image at 38400 baud; the trace
  /// "Write.txt".
  CommandResult UpgradeMuxFirmware(const std::string& imagePath);

  /// What the last Clear Memory did on each route: the device on the port
  /// (0), then on a multi-panel system each of the five ports, with the
  /// error of one that was not cleared.
  const std::vector<TOvProjectHelper::PortClearResult>& ClearedPorts() const {
    return clearedPorts_;
  }

  /// Identify: asks for the status at 9600 and at 38400 baud, without
  /// comparing with any project, and gives back what answered at each rate.
  /// Done when something answered; Failed (the user told) when the port does
  /// not open or nothing answers.
  struct IdentifiedDevice {
    int baudRate = 0;
    DeviceStatus status;
  };
  struct IdentifyResult {
    CommandResult result = CommandResult::Failed;
    std::vector<IdentifiedDevice> answers;
  };
  IdentifyResult Identify();

  /// Where the last command's trace file went; empty when it wrote none.
  const std::filesystem::path& TracePath() const { return tracePath_; }

  /// The last Read has replaced the document's project: the document is
  /// modified.
  bool DocumentModified() const { return modified_; }
  /// The last error the user was shown by a command, and its help (the
  /// message's details); empty when none.
  const std::string& LastError() const { return lastError_; }
  const std::string& LastErrorDetails() const { return lastErrorDetails_; }

 private:
  class ShortSink;
  class TraceScope;

  TransferServices Services();
  /// Runs a long operation through the owner; errors land in lastError_.
  TransferOutcome RunLong(int32_t operation, TOvProject* project, const std::string& path = {});
  /// Reads the device's project through the owner into read, which starts
  /// as a new project with one model 1 panel.
  TransferOutcome ReadInto(TOvProject& read);
  CommandResult FromOutcome(const TransferOutcome& outcome) const;
  bool CheckIncompleteData();
  void ShowIncompleteData(bool withDetails);
  /// A fresh working copy of the document's project, the short job's port
  /// back at 0, and a link on the port; nothing (after the link's error
  /// text) when the port does not open.
  std::unique_ptr<TOvXComm> OpenShortLink();
  /// Shows the errors the short operations reported since the last call.
  void ShowShortErrors();
  using ShortSteps = std::function<bool(TOvProjectHelper& helper, TOvXComm& link)>;
  /// Runs a short operation's steps on a link of its own (OpenShortLink),
  /// then closes the link and shows the errors the steps reported. false
  /// when the port did not open or the steps failed.
  bool RunShort(const ShortSteps& steps);
  using StatusSteps = std::function<bool(TOvProjectHelper& helper, TOvXComm& link,
                                         std::unique_ptr<TOvXResp>& reply)>;
  /// RunShort for Information: Done with the status reply the steps fetch,
  /// shown as the device on port.
  StatusResult ShortStatus(int32_t port, const StatusSteps& steps);
  void ShowError(const std::string& text, const std::string& details = {});
  void ClearLastError() {
    lastError_.clear();
    lastErrorDetails_.clear();
  }
  DeviceStatus StatusOf(const TOvXResp& reply, int32_t port);
  CommandResult Firmware(int32_t operation, const std::string& imagePath, int baudRate);

  TOvProject& project_;
  UserInterface& ui_;
  TransferOwner& owner_;
  DriverCatalog* catalog_ = nullptr;
  TransferClock* clock_ = nullptr;
  std::string portName_;
  std::filesystem::path traceDir_;
  std::string version_;
  std::function<void(const TransferNotification&)> observer_;
  bool differencesInMessage_ = false;

  // The view's own orchestrator for the short operations, over a working
  // copy of the project.
  TOvProject workingCopy_;
  std::unique_ptr<ShortSink> shortSink_;
  TransferJob shortJob_;

  bool modified_ = false;
  std::vector<TOvProjectHelper::PortClearResult> clearedPorts_;
  std::filesystem::path tracePath_;
  std::string lastError_;
  std::string lastErrorDetails_;
};

}  // namespace orvane
