// The program's string table: every user-visible text that has a string id,
// exactly as the program shows it. Code refers to texts by these ids so that
// a text is written once and never drifts.
#pragma once

#include <string>

namespace orvane {

namespace strings {
/// The document type: window title, document name, new-file name, filter
/// name, extension, type id and type name, separated by line breaks.
inline constexpr int kDocumentTemplate = 129;
inline constexpr int kAppTitle = 57344;
inline constexpr int kIdleMessage = 57345;
inline constexpr int kModelDescription5 = 61459;
inline constexpr int kModelDescription1 = 61463;
inline constexpr int kModelDescription2 = 61464;
inline constexpr int kModelDescription3 = 61465;
inline constexpr int kModelDescription4 = 61466;
inline constexpr int kP001 = 61487;
inline constexpr int kP006 = 61488;
inline constexpr int kZ002 = 61489;
inline constexpr int kSaveMessagesQuestion = 61490;
inline constexpr int kDeleteCurrentMessageAndAll = 61491;
inline constexpr int kDeleteCurrentMessage = 61492;
inline constexpr int kRemarks = 61493;
inline constexpr int kOldAddress = 61494;
inline constexpr int kNewAddress = 61495;
inline constexpr int kAddressNotConvertible = 61496;
inline constexpr int kVerifyingPanelConnected = 61497;
inline constexpr int kC001 = 61498;
inline constexpr int kClearingTheMemory = 61499;
inline constexpr int kZ003 = 61500;
inline constexpr int kInitializingFirmwareDownload = 61501;
inline constexpr int kC002 = 61502;
inline constexpr int kCom1 = 61514;
inline constexpr int kCom2 = 61515;
inline constexpr int kCom3 = 61516;
inline constexpr int kCom4 = 61517;
inline constexpr int kC003 = 61518;
inline constexpr int kC004 = 61519;
inline constexpr int kReadingFromPanel = 61521;
inline constexpr int kWritingToPanel = 61522;
inline constexpr int kDownloadingFirmware = 61523;
inline constexpr int kReadingMessages = 61524;
inline constexpr int kReadingTags = 61525;
inline constexpr int kReadingSystemAttributes = 61527;
inline constexpr int kReadingPlcAttributes = 61528;
inline constexpr int kUnknownError = 61529;
inline constexpr int kItemNo = 61530;
inline constexpr int kAddress = 61532;
inline constexpr int kUsedInMessage = 61533;
inline constexpr int kPassword = 61535;
inline constexpr int kFunction = 61537;
inline constexpr int kAccessType = 61538;
inline constexpr int kPanelChangeLosesProject = 61550;
inline constexpr int kRebuildTagListFailed = 61556;
inline constexpr int kVerifyDifferent = 61558;
inline constexpr int kVerifySame = 61559;
inline constexpr int kT001 = 61563;
inline constexpr int kBlankMessagesCaution = 61564;
inline constexpr int kM002 = 61565;
inline constexpr int kP002 = 61566;
inline constexpr int kP003 = 61568;
inline constexpr int kT006 = 61571;
inline constexpr int kC006 = 61572;
inline constexpr int kZ005 = 61574;
inline constexpr int kP005 = 61575;
inline constexpr int kMessageLength = 61576;
inline constexpr int kSaveMessageChangesQuestion = 61577;
inline constexpr int kZ006 = 61578;
inline constexpr int kT007 = 61579;
inline constexpr int kT002 = 61581;
inline constexpr int kT003 = 61583;
inline constexpr int kClearPanelsQuestion = 61584;
inline constexpr int kPanelsMemoryCleared = 61585;
inline constexpr int kZ007 = 61586;
inline constexpr int kZ008 = 61587;
inline constexpr int kNoLocalMessages = 61593;
inline constexpr int kIncompleteDetailsHeader = 61594;
// The welcome screen's four captions: New, Open, Exit and the control shown
// disabled.
inline constexpr int kWelcomeNew = 61599;
inline constexpr int kWelcomeOpen = 61600;
inline constexpr int kWelcomeExit = 61601;
inline constexpr int kWelcomeTour = 61602;
inline constexpr int kP007 = 61626;
inline constexpr int kReadOverwritesQuestion = 61629;
inline constexpr int kCreateProject = 61630;
inline constexpr int kT004 = 61631;
inline constexpr int kTagMapEntryNotFound = 61632;
inline constexpr int kMultipleTagNames = 61633;
inline constexpr int kThinkDoConversionLog = 61634;
inline constexpr int kTagNameChanged = 61635;
inline constexpr int kTagMapCaption = 61636;
inline constexpr int kPlcCompatibleQuestion = 61637;
inline constexpr int kWrittenToPanel = 61638;
inline constexpr int kReadFromPanel = 61639;
inline constexpr int kM004 = 61642;
inline constexpr int kT005 = 61643;
inline constexpr int kM005 = 61644;
inline constexpr int kMultiPanelChangesLost = 61649;
inline constexpr int kP008 = 61650;
inline constexpr int kWrittenToMultiplexer = 61651;
inline constexpr int kReadFromMultiplexer = 61652;
inline constexpr int kC001Multiplexer = 61653;
inline constexpr int kP009 = 61654;
inline constexpr int kClearingMemory = 61655;
inline constexpr int kWritingMessages = 61656;
inline constexpr int kWritingMapData = 61657;
inline constexpr int kWritingSystemAttributes = 61658;
inline constexpr int kWritingPlcDriver = 61659;
inline constexpr int kWritingPlcAttributes = 61660;
inline constexpr int kPanelChangeLosesPanel = 61661;
inline constexpr int kVersionLoadFailed = 61663;
inline constexpr int kClearPanelQuestion = 61664;
inline constexpr int kBackupPreviousVersionQuestion = 61666;
inline constexpr int kModelDescription6 = 61667;
inline constexpr int kSaveChangesQuestion = 61699;
// The desktop program's own texts.
inline constexpr int kWelcomeVersion = 61700;
inline constexpr int kAboutVersion = 61701;
inline constexpr int kSimulatedPanel = 61702;
inline constexpr int kHelpNotInstalled = 61703;
}  // namespace strings

/// The text of a string id; an empty text for an unknown id.
const char* LoadString(int id);

/// printf-style formatting of a string-table text (or any format).
std::string FormatText(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace orvane
