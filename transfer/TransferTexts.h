// Status texts, message box texts and trace notes of the transfer
// sequences that have no string id. They are shown and written exactly as
// they stand, odd spacing included.
#pragma once

namespace orvane::texts {

// Status line.
inline constexpr const char* kMemoryCleared = "memory cleared";
inline constexpr const char* kTagProgressStart = "DownLoading the tag... 0% complete";
inline constexpr const char* kTagProgress = "DownLoading the tag....%d%% complete";
inline constexpr const char* kDriverProgressStart = "DownLoading the Driver....0% complete";
inline constexpr const char* kReadingMessage = "Reading message %d...";
inline constexpr const char* kDownloadingFirmware = "DownLoading the firmware...";
inline constexpr const char* kVerifyingFirmware = "Verifying the downloaded firmware ";
inline constexpr const char* kRestartingPanel = "Restarting the panel...";
inline constexpr const char* kPanelFirmwareDone = "Downloading Completed Successfully";
inline constexpr const char* kSendingBoot = "Sending Execute Boot command ";
inline constexpr const char* kMuxFirmwareLoaded = "Completed Downloading Firmware";
inline constexpr const char* kSendingExec = "Sending Execute Exec Command";
inline constexpr const char* kMuxFirmwareDone = "Download Completed Successfully";

// Message boxes of the panel status check. The first %s is the revision as
// "%c.%d", the second the install directory's firmware folder.
inline constexpr const char* kOlderFirmware =
    "The panel has an older version of the firmware (%s) which is not compatible \nwith this "
    "program loader.  Some of the latest panel features may not be \navailable in this "
    "firmware. The latest firmware is available in directory:\n%s  \nPlease use "
    "Panel->Upgrade Firmware option to upload new firmware to the panel.";
inline constexpr const char* kInvalidFirmwareRevision = "Not a valid firmware revision number";

// The route prefix of errors: "ERROR On " and the route.
inline constexpr const char* kErrorOn = "ERROR On ";
inline constexpr const char* kComPortRoute = "COM Port. ";
inline constexpr const char* kMuxPortRoute = "Port %d. ";

// Trace notes. Some carry a leading blank, as the panel traces always had.
namespace trace {
inline constexpr const char* kStatusId = "Status ID";
inline constexpr const char* kStatusIdRead = "Status Id";
inline constexpr const char* kMuxStatusId = " Status ID";
inline constexpr const char* kClearMemory = "Clear Memory";
inline constexpr const char* kMuxClearMemory = " Clear Memory";
inline constexpr const char* kWriteMessages = "Write Messages";
inline constexpr const char* kWriteSystemMessages = "Write System Messages";
inline constexpr const char* kWritingMapData = "Writing Map Data";
inline constexpr const char* kWriteSystemAttributes = "WriteSysAttr";
inline constexpr const char* kLoadDriver = "LoadDriver";
inline constexpr const char* kWritePlcAttributes = "Write Plc Attr";
inline constexpr const char* kReadSystemAttributes = "Read Sys Attr";
inline constexpr const char* kReadMessages = "Read Messages";
inline constexpr const char* kReadTags = "Read Tags";
inline constexpr const char* kReadPlcAttributes = "Read Plc Attr";
inline constexpr const char* kReadMuxPlcAttributes = "Read PLC Attributes";
inline constexpr const char* kTestingPanels =
    "Testing whether all the panels configured are connected.";
inline constexpr const char* kSwitchPort = "Switch Port %d";
inline constexpr const char* kWritingToMultiplexer = "Writing to Multiplexer";
inline constexpr const char* kWritingTo = "Writing to %s";
inline constexpr const char* kReadingFromMultiplexer = "Reading From Multiplexer";
/// The quick status request at the other baud rate after no answer.
inline constexpr const char* kStatusIdAtRate = "Status ID at %d baud";
}  // namespace trace

}  // namespace orvane::texts
