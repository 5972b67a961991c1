// Just enough JSON for orvane-cli's --json output.
#pragma once

#include <string>

namespace orvane::cli {

/// text as a JSON string, quotes included; bytes above 0x7F pass through as
/// they are (texts are 8-bit and usually ASCII).
std::string JsonString(const std::string& text);

}  // namespace orvane::cli
