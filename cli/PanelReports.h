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

/// The status a device reported, as the panel status dialog lists it.
std::string StatusText(const DeviceStatus& status);
std::string StatusJson(const DeviceStatus& status);

}  // namespace orvane::cli
