#include "base/StringTable.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

namespace orvane {
namespace {

struct Entry {
  int id;
  const char* text;
};

constexpr Entry kEntries[] = {
    {strings::kDocumentTemplate,
     "\nOrvane Zurovuvu\norvane\n*.ovx\n.ovx\nOrvane.Document\nOrvane  Document"},
    {strings::kAppTitle, "Orvane Zurovuvu"},
    {strings::kIdleMessage, "Ready"},
    {strings::kModelDescription5,
     "  * 8 digit Set Point Panel with 1 x 16 description for each numeric displayed value\n  * "
     "Scroll keys to enter new values and enter key to send the value to PLC\n  * EMI filtered "
     "Power Supply to reduce the communciation problems\n"},
    {strings::kModelDescription1,
     "  * 2 x 20 LCD or VFD with 5 user defined  buttons and LED's\n  * Scroll data entry\n  * "
     "Built in Menu System\n  * EMI filtered Power Supply to reduce communication problems\n"},
    {strings::kModelDescription2,
     "  * 2 x 20 larger character display with 5 user defined  buttons and LED's\n  * Scroll data "
     "entry\n  * Built in menu system\n  * EMI filtered Power Supply to reduce communication "
     "problems\n"},
    {strings::kModelDescription3,
     "  * 2 x 20 LCD or VFD with 5 user defined  buttons and LED's\n  * Numeric keypad or scroll "
     "data entry\n  * Built in menu system\n  * EMI filtered Power Supply to reduce communication "
     "problems\n"},
    {strings::kModelDescription4,
     "  * 4 x 20 with 5 user defined  buttons and LED's\n  * Scroll data entry\n  * Built in menu "
     "system\n  * EMI filtered Power Supply to reduce communication problems\n"},
    {strings::kP001,
     "Error P001: Load dll Procedure failed\nUnable to validate PLC address\n\nPossible reason: "
     "Unable to locate correct PLC DLL."},
    {strings::kP006,
     "Error P006: %s is not compatible with\n%s.\n\nDo you want to change the PLC anyway?"},
    {strings::kZ002, "Error Z002: You are trying to read from an invalid file"},
    {strings::kSaveMessagesQuestion, "Do you want to save the changes made to Messages?"},
    {strings::kDeleteCurrentMessageAndAll, "Delete current message and all its \nsub messages?"},
    {strings::kDeleteCurrentMessage, "Delete current message?"},
    {strings::kRemarks, "Remarks"},
    {strings::kOldAddress, "Old address"},
    {strings::kNewAddress, "New address"},
    {strings::kAddressNotConvertible, "Unable to rebuild the address for the new PLC"},
    {strings::kVerifyingPanelConnected, "Verifying panel Connected..."},
    {strings::kC001,
     "Error C001: The panel connected to the PC is different from the configured one"},
    {strings::kClearingTheMemory, "Clearing the memory..."},
    {strings::kZ003, "Error Z003: The file may be corrupted"},
    {strings::kInitializingFirmwareDownload, "Initializing the panel for downloading firmware..."},
    {strings::kC002, "Error C002: Cannot Locate the Driver File"},
    {strings::kCom1, "COM1"},
    {strings::kCom2, "COM2"},
    {strings::kCom3, "COM3"},
    {strings::kCom4, "COM4"},
    {strings::kC003, "Error C003: Error opening port"},
    {strings::kC004, "Error C004: Error in setting communication attributes"},
    {strings::kReadingFromPanel, "Reading from Panel"},
    {strings::kWritingToPanel, "Writing to Panel"},
    {strings::kDownloadingFirmware, "DownLoading Firmware..."},
    {strings::kReadingMessages, "Reading Messages"},
    {strings::kReadingTags, "Reading Tags"},
    {strings::kReadingSystemAttributes, "Reading System Attributes"},
    {strings::kReadingPlcAttributes, "Reading PLC Attributes"},
    {strings::kUnknownError, "Unknown Error"},
    {strings::kItemNo, "ITEM No."},
    {strings::kAddress, "Address"},
    {strings::kUsedInMessage, "Used in Message #"},
    {strings::kPassword, "Password"},
    {strings::kFunction, "Function"},
    {strings::kAccessType, "Access Type"},
    {strings::kPanelChangeLosesProject,
     "This operation will delete all the messages\nand addresses configured in the current "
     "project. Continue?\nChanging panels will not create a new project,\nif you would like to "
     "create a new project select NEW from the FILE menu."},
    {strings::kRebuildTagListFailed, "Error in rebuilding the tag list"},
    {strings::kVerifyDifferent,
     "Project file on PC is different from\nproject loaded in the panel"},
    {strings::kVerifySame, "Project file on PC is same as the \nproject loaded in the panel"},
    {strings::kT001, "Error T001: PLC Address count exceeds maximum limit"},
    {strings::kBlankMessagesCaution,
     "CAUTION: When changing a message number to a higher number,\nall unused lower message "
     "numbers will be sent as \"blank\" messages\nwhen the program is transferred to the panel. "
     "Blank messages will be\ncounted as part of the maximum allowable messages (256 "
     "total)\n\nProceed?"},
    {strings::kM002,
     "Error M002:  Invalid message number or this message number has already been configured"},
    {strings::kP002, "Error P002: Unable to load library : Corvel.dll"},
    {strings::kP003, "Error P003: Unable to load %s.dll.  "},
    {strings::kT006, "Error T006:  Error in reading PLC Addresses"},
    {strings::kC006,
     "Error C006: Error in reading the project from the panel. Project in the panel is corrupted."},
    {strings::kZ005, "Error Z005:  The Maximum message length has exceeded."},
    {strings::kP005, "Error P005: PLC DLL load failed."},
    {strings::kMessageLength, "Message length: %d"},
    {strings::kSaveMessageChangesQuestion,
     "You have made changes to the current message. Do you want to save them?"},
    {strings::kZ006,
     "Error Z006: Unknown value type (%1) encountered while loading project. Known values are "
     "0(BCD) and 1 (Binary)"},
    {strings::kT007, "Error T007: Unknown access type specified for PLC Address."},
    {strings::kT002, "Error T002: Invalid Access Type"},
    {strings::kT003, "Error T003: The value entered is invalid"},
    {strings::kClearPanelsQuestion,
     "This command will clear the panel(s). Do you want to continue?"},
    {strings::kPanelsMemoryCleared, "Panel(s) memory cleared"},
    {strings::kZ007, "Error Z007: Discrete addresses are not allowed here."},
    {strings::kZ008, "Error Z008:  Invalid Device Type"},
    {strings::kNoLocalMessages, "No Local Messages configured\n"},
    {strings::kIncompleteDetailsHeader, "The following items have not been configured:\n\n"},
    {strings::kWelcomeNew, "Create a new project"},
    {strings::kWelcomeOpen, "Open an existing project"},
    {strings::kWelcomeExit, "Leave the program"},
    {strings::kWelcomeTour, "Take the guided tour"},
    {strings::kP007,
     "Error P007: PLC dll for this PLC (Manufacturer ID : %d, Model ID : %d)\nnot found in this "
     "system"},
    {strings::kReadOverwritesQuestion,
     "This operation will overwrite the current program.\nProceed?"},
    {strings::kCreateProject, "Create Project"},
    {strings::kT004, "Error T004: Unable to open tag map file : %s\nPlease choose the map file"},
    {strings::kTagMapEntryNotFound, "Error Tag map entry \"%s,%s\" not found in map file\n"},
    {strings::kMultipleTagNames, "Multiple tag names found for the address \"%s\"\n"},
    {strings::kThinkDoConversionLog, "Think & Do conversion log"},
    {strings::kTagNameChanged, "Tag name \"%s\" changed to \"%s\" for address %s\n"},
    {strings::kTagMapCaption, "Tag map: %s"},
    {strings::kPlcCompatibleQuestion,
     "%s is compatible with\n%s.\nChanging the PLC will convert all the compatible "
     "addresses.\n\nChange?"},
    {strings::kWrittenToPanel, "Project has been written to the panel successfully."},
    {strings::kReadFromPanel, "Project has been read from the panel successfully."},
    {strings::kM004, "Error M004: Invalid Message Number"},
    {strings::kT005, "Error T005: Unable to open map file %s"},
    {strings::kM005, "Error M005: Message number is out of range"},
    {strings::kMultiPanelChangesLost,
     "Changes made to the MultiPanel configuration will be lost.\nDo you wish to continue?"},
    {strings::kP008,
     "Error P008: Load dll Procedure failed\nUnable to compare PLC address\n\nPossible reason: "
     "Unable to locate correct PLC DLL."},
    {strings::kWrittenToMultiplexer,
     "Project has been written to the multiplexer and panel(s) successfully."},
    {strings::kReadFromMultiplexer,
     "Project has been read from the multiplexer and panel(s) successfully."},
    {strings::kC001Multiplexer,
     "The panel connected to the multiplexer is different from the configured one. "},
    {strings::kP009,
     "\"Error P009: Load dll Procedure failed\nUnable to Set Application Type\n\nPossible reason: "
     "Unable to locate correct PLC DLL.\""},
    {strings::kClearingMemory, "Clearing Memory."},
    {strings::kWritingMessages, "Writing Messages."},
    {strings::kWritingMapData, "Writing Map Data."},
    {strings::kWritingSystemAttributes, "Writing system attributes."},
    {strings::kWritingPlcDriver, "Writing PLC driver."},
    {strings::kWritingPlcAttributes, "Writing PLC attributes. "},
    {strings::kPanelChangeLosesPanel,
     "This operation will delete all the messages and addresses \n configured in the current "
     "panel. Continue?"},
    {strings::kVersionLoadFailed, "Error in loading Version Information. "},
    {strings::kClearPanelQuestion, "This command will clear the panel. Do you want to continue?"},
    {strings::kBackupPreviousVersionQuestion,
     "Project has been created using previous version of software. Do you want to have a back copy "
     "of it?"},
    {strings::kModelDescription6,
     " * Communication Master for multiple panels\n*  Connects up to 5 Orvane panels to one PLC"},
    {strings::kSaveChangesQuestion, "Save changes to %s?"},
    {strings::kWelcomeVersion, "Version %s"},
    {strings::kAboutVersion, "Orvane Zurovuvu Version %s"},
    {strings::kSimulatedPanel, "Simulated panel"},
    {strings::kHelpNotInstalled, "The help file is not installed.\n\nIt would be %s."},
};

}  // namespace

const char* LoadString(int id) {
  for (const Entry& entry : kEntries) {
    if (entry.id == id) {
      return entry.text;
    }
  }
  return "";
}

std::string FormatText(const char* format, ...) {
  va_list args;
  va_start(args, format);
  va_list copy;
  va_copy(copy, args);
  const int length = std::vsnprintf(nullptr, 0, format, copy);
  va_end(copy);
  std::string result;
  if (length > 0) {
    std::vector<char> buffer(static_cast<size_t>(length) + 1);
    std::vsnprintf(buffer.data(), buffer.size(), format, args);
    result.assign(buffer.data(), static_cast<size_t>(length));
  }
  va_end(args);
  return result;
}

}  // namespace orvane
