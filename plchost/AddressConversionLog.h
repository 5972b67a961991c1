// The address conversion log as a text file.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace orvane {

/// The file's text: "Address conversion log file", "Created on : " with
/// createdOn, the column header (old address, new address, remarks) and an
/// empty line, then every log line unchanged, each on a line of its own.
std::string AddressLogFileText(const std::vector<std::string>& lines, const std::string& createdOn);

/// The local date and time as the log file's "Created on" line shows it.
std::string LogTimestamp();

/// Writes the log file (replacing one that exists, atomically). false, with
/// nothing shown, when it cannot be written; error (when given) then names
/// the file and the reason.
bool SaveAddressLogFile(const std::filesystem::path& path, const std::vector<std::string>& lines,
                        std::string* error = nullptr);

}  // namespace orvane
