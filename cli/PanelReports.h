// What orvane-cli panel prints on standard output: the final report of each
// command, as text or as one JSON object (--json).
#pragma once

#include <string>

#include "view/PanelCommands.h"

namespace orvane::cli {

/// "done", "declined", "cancelled" or "failed".
const char* ResultName(CommandResult result);

/// The parts every report carries.
struct ReportHeader {
  std::string command;  // "write", "read", ...
  std::string port;
  CommandResult result = CommandResult::Failed;
  std::string error;    // the last error shown; empty when none
  std::string details;  // its help; empty when none
};

/// {"command": ..., "port": ..., "result": ..., "error": ... and the
/// extra members (already JSON, each beginning with ", ")}.
std::string JsonReport(const ReportHeader& header, const std::string& members = {});

/// The project read from a device: system, PLC and panels.
std::string ProjectSummaryText(const TOvProject& project);
std::string ProjectSummaryJson(const TOvProject& project);

/// Verify's differences: one line each, or a JSON array of objects.
std::string DifferencesText(const VerifyResult& verify);
std::string DifferencesJson(const VerifyResult& verify);

/// The status a device reported, as the panel status dialog lists it; the
/// JSON object itself, and as a "status" member.
std::string StatusText(const DeviceStatus& status);
std::string StatusObject(const DeviceStatus& status);
std::string StatusJson(const DeviceStatus& status);

/// What answered panel identify, at which rate: each device's status
/// indented under "At 9600 baud:"; the "devices" member.
std::string IdentifyText(const PanelCommands::IdentifyResult& identify);
std::string IdentifyJson(const PanelCommands::IdentifyResult& identify);

/// Clear Memory route by route ("Multiplexer: cleared", "Port 2: not
/// cleared: ..."); the "ports" member.
std::string ClearedPortsText(const std::vector<TOvProjectHelper::PortClearResult>& ports);
std::string ClearedPortsJson(const std::vector<TOvProjectHelper::PortClearResult>& ports);

}  // namespace orvane::cli
