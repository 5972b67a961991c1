// Just enough JSON for orvane-cli's --json output, and the object every
// command prints on failure.
#pragma once

#include <string>

#include "base/JsonText.h"

namespace orvane::cli {

using orvane::JsonString;
/// JsonString, or null for an empty text.
std::string JsonStringOrNull(const std::string& text);

/// The command line asked for JSON (main sets it when "--json" is given).
void SetJsonRequested(bool requested);
bool JsonRequested();

/// Prints a command's JSON object (with its line break) on standard output
/// and notes that the command has answered in JSON.
void PrintJson(const std::string& object);
bool JsonPrinted();

/// The last error message the user was shown (the terminal notes every
/// message with the stop or exclamation icon), for the failure object.
void NoteError(const std::string& text, const std::string& details);

/// {"command": ..., "result": "failed", "error": ..., "details": ...}: what a
/// command that asked for JSON prints when it fails before its own report.
/// error and details default to the last error noted.
std::string JsonFailure(const std::string& command, const std::string& error = {},
                        const std::string& details = {});

}  // namespace orvane::cli
