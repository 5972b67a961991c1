// The transfer sequences: which commands go to a panel, a multi-panel
// system or a device's loader in which order, what is checked before
// anything is written, when a transfer stops, how progress is counted and
// how errors reach the owner.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "project/TOvTag.h"
#include "transfer/TransferClock.h"
#include "transfer/TransferJob.h"

namespace orvane {

class DriverCatalog;
class TOvMessage;
class TOvPanel;
class TOvProject;
class TOvXComm;
class TOvXResp;
class UserInterface;

/// What an owner lends the sequences besides the job.
struct TransferServices {
  /// The firmware-revision boxes of the status check, the invalid device
  /// type box and the rebuild failure box of a read. It is called on the
  /// thread that runs the sequence: a GUI running the sequence on a worker
  /// must marshal these calls to its UI thread (and block until answered).
  UserInterface& ui;
  /// Every wait of the sequences (50 ms before the final stage, the
  /// firmware pauses). Tests pass one that does not sleep.
  TransferClock& clock = SystemTransferClock();
  /// The installed drivers, scanned (ScanDrivers) by the owner: a read
  /// looks the PLC the device reports up here, after the scan is complete.
  /// None: the read scans the plug-in folder itself.
  DriverCatalog* catalog = nullptr;
};

/// Reports through its TransferJob only (texts, stages, notifications);
/// the message boxes it needs go through TransferServices::ui. It never owns
/// the link: the long operations open their own on the job's port name,
/// the short ones use the caller's.
///
/// Errors are never thrown: each step returns whether to go on, and the
/// first failure ends the sequence after its text has been posted as an
/// Error notification. Texts about a route carry the prefix "ERROR On "
/// with "COM Port. " (job port 0) or "Port N. " (multiplexer port N).
///
/// Owners set the process-wide baud rate before a write or a firmware
/// upgrade of a panel (38400 for a multi-panel system, 9600 otherwise); the
/// read and the multiplexer firmware set their own.
class TOvProjectHelper {
 public:
  TOvProjectHelper(TransferJob& job, const TransferServices& services);
  virtual ~TOvProjectHelper();
  TOvProjectHelper(const TOvProjectHelper&) = delete;
  TOvProjectHelper& operator=(const TOvProjectHelper&) = delete;

  // Long operations: each opens its own link on the job's port name.

  /// Writes the job's project (operation 0); ends with stage 19 and
  /// finished set.
  void WriteProject();
  /// Reads into the job's project (operation 1), which is emptied first;
  /// ends with stage 20 and finished set.
  void ReadProject();
  /// Replaces a panel's firmware from an Intel HEX file (operation 2).
  void DownloadFirmware(const std::string& path);
  /// Replaces the multiplexer's firmware from an S-record file (operation
  /// 3).
  void DownloadMuxFirmware(const std::string& path);
  /// The job's operation: 0 WriteProject, 1 ReadProject, 2 and 3 the
  /// firmware downloads with the job's file path; another value runs
  /// nothing.
  void RunOperation();

  // Short operations on the caller's link (Information, Clear Memory, the
  // test before Verify). Each returns whether it succeeded.

  /// Status identification: the reply (whatever it is) goes to reply; it
  /// must be a panel's, of the model of the project's current panel, with
  /// firmware revision B or later. A mismatch reports the string of
  /// mismatchMessageId (C001 for a panel on the PC's port, the multiplexer
  /// text for a panel behind a multiplexer). An older or invalid revision
  /// shows its box through the UI and reports nothing.
  bool CheckPanelStatus(TOvXComm& link, int mismatchMessageId, std::unique_ptr<TOvXResp>& reply);
  /// The multiplexer's status identification; reply as above.
  bool CheckMuxStatus(TOvXComm& link, std::unique_ptr<TOvXResp>& reply);
  bool ClearMemory(TOvXComm& link);
  /// Clears the multiplexer and the panels on all five ports; a port that
  /// fails is reported and the others are still cleared.
  bool ClearAllPanels(TOvXComm& link);
  /// What ClearAllPanels did on each route: port 0 (the multiplexer) first,
  /// then each port it got to, with the error text of a port not cleared.
  struct PortClearResult {
    int32_t port = 0;
    bool cleared = false;
    std::string error;
    bool operator==(const PortClearResult&) const = default;
  };
  const std::vector<PortClearResult>& ClearResults() const { return clearResults_; }
  /// Routes the multiplexer to port 0 (itself) or 1..5.
  bool SwitchPort(TOvXComm& link, int32_t port);
  /// Whether every configured port answers with its configured panel type;
  /// always ends routed to port 0 with the current panel as it was.
  bool TestPanelsConnected(TOvXComm& link);
  /// The end of every multi-panel sequence, however it went: the caption
  /// of the multiplexer, then the route back to port 0 (its result).
  bool ReturnToMultiplexer(TOvXComm& link);

  /// Fills the multiplexer tag list from every panel: sorted by the PLC
  /// driver's order, duplicates removed.
  void BuildMuxTagList();
  const TOvTagTable& MuxTagList() const { return muxTagList_; }

  // Reporting: fields of the job, then a notification.

  /// Job text; a Progress notification. Nothing once cancel is set.
  void SetStatusText(const std::string& text);
  void SetStatusText(int stringId);
  /// Job stage; a Progress notification. Nothing once cancel is set.
  void SetStage(int32_t stageCode);
  /// Job panel type and port; a Caption notification. Nothing once cancel
  /// is set.
  void SetCaption(int32_t panelType, int32_t port);
  /// Job text = the route prefix and text, job details = details; an Error
  /// notification; the done event signalled. During a write that has
  /// cleared the device, an error without details of its own says that the
  /// device now holds an incomplete program.
  void ReportError(const std::string& text, const std::string& details = {});
  /// ReportError without the route prefix (the link's and the platform's
  /// texts).
  void ReportPlain(const std::string& text, const std::string& details = {});
  /// Reports a reply that is not what was waited for: a link failure with
  /// its text always; a panel's refusal with its code's text and anything
  /// else as "Unknown Error", both only while cancel is not set.
  void ReportResponse(const TOvXResp* response);

  /// The route most recently switched to (in step with the job's port).
  int32_t CurrentPort() const { return currentPort_; }

 private:
  // Route and link.
  /// A link on the job's port (OpenTransferLink); nothing, after the link's
  /// error text has been reported, when the port does not open.
  std::unique_ptr<TOvXComm> OpenLink();
  /// Opens a driver or firmware image file (OpenImageFile); false after the
  /// platform's message has been reported.
  bool OpenImage(const std::string& path, std::ifstream& file);
  void SetRoute(int32_t port);
  std::string RoutePrefix() const;
  /// The acknowledge rule: a standard reply with code 0; anything else is
  /// reported (a refusal and the rest not once cancelled) and false.
  bool Accept(std::unique_ptr<TOvXResp> reply);
  bool Cancelled() const { return job_.IsCancelled(); }
  void Post() { job_.Post(TransferNotice::Progress); }
  TOvPanel* CurrentPanel() const;
  void Wait_ms(uint32_t duration_ms) { clock_.Wait_ms(duration_ms); }

  /// A status request or first port switch that got no proper reply: a
  /// time-out while nothing has answered yet is reported with what was
  /// tried (port, baud rate) and what answers at the other rate; anything
  /// else as ReportResponse.
  void ReportNoStatus(TOvXComm& link, const TOvXResp* reply);
  /// The help for a device that does not answer at all.
  std::string NoAnswerHelp(TOvXComm& link);
  /// The help for an error after the device was cleared during a write.
  std::string IncompleteProgramHelp() const;

  // Progress of a write: percent = done * 100 / total.
  int32_t ProgressPercent() const;
  void PostProgressPercent();

  // Writes.
  /// Everything the write can know is wrong, found before anything is sent
  /// (WriteChecks.h); false after the list has been reported.
  bool CheckBeforeWrite();
  bool WriteMultiPanelSystem(TOvXComm& link);
  bool WritePanel(TOvXComm& link);
  bool WriteMessages(TOvXComm& link);
  bool SendMessage(TOvXComm& link, const TOvMessage& message, int32_t firstMessageNumber,
                   bool blank);
  bool FillBlankMessages(TOvXComm& link, const TOvPanel& panel, size_t index);
  bool WriteSystemMessages(TOvXComm& link);
  bool WriteMapData(TOvXComm& link, const TOvTagTable& tags, bool fullForm);
  bool WriteSystemAttributes(TOvXComm& link);
  bool DownloadDriver(TOvXComm& link, const std::vector<uint8_t>& image);
  bool WritePlcAttributes(TOvXComm& link);
  bool WriteMultiplexer(TOvXComm& link);
  bool WriteMuxPlcAttributes(TOvXComm& link);
  /// The reaction to cancel inside a write step: clears the device so that
  /// no half-written project stays in it. The step then returns false.
  void AbortWrite(TOvXComm& link);
  /// Sends a stream by the block transfer rule with the write's progress:
  /// cancel before each data block (and the end block when cancelEnd)
  /// leads to AbortWrite; done grows by each block's bytes. false when the
  /// transfer did not complete.
  bool SendWriteBlocks(TOvXComm& link, uint8_t code, const std::vector<uint8_t>& stream,
                       bool cancelEnd, const char* progressText);

  // Reads.
  bool ReadMultiPanelSystem(TOvXComm& link);
  /// Sets the project's PLC from the codes a device reported and binds its
  /// driver; false (P007 reported) when no installed driver has them.
  bool AttachReportedDriver(unsigned manufacturerCode, unsigned modelCode);
  void FinishRead();
  bool ReadPanel(TOvXComm& link);
  bool ReadSystemAttributes(TOvXComm& link);
  bool ReadMessages(TOvXComm& link);
  bool ReadTags(TOvXComm& link, bool fullForm);
  bool RebuildTagList(const std::vector<uint8_t>& stream, bool fullForm);
  bool ReadPlcAttributes(TOvXComm& link);
  bool ReadMultiplexer(TOvXComm& link);
  bool ReadMuxPlcAttributes(TOvXComm& link);

  // Firmware.
  bool RestartIntoLoader(TOvXComm& link);
  bool SendFirmware(TOvXComm& link, const std::vector<uint8_t>& image, bool multiplexer);

  TransferJob& job_;
  UserInterface& ui_;
  TransferClock& clock_;
  DriverCatalog* catalog_ = nullptr;
  TOvProject* project_ = nullptr;

  int32_t currentPort_ = 0;
  /// Some device has answered a status request or port switch of this
  /// operation.
  bool deviceAnswered_ = false;
  /// The read asked at both baud rates before the multiplexer's first
  /// switch.
  bool askedBothRates_ = false;
  /// A write runs; it has cleared the device it is writing and not yet
  /// finished it.
  bool writing_ = false;
  bool programIncomplete_ = false;
  TOvTagTable tagTable_;
  TOvTagTable muxTagList_;
  std::vector<PortClearResult> clearResults_;
  uint32_t progressTotal_ = 0;
  uint32_t progressDone_ = 0;
};

}  // namespace orvane
