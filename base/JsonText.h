// A text as a JSON string, for the programs' JSON output (orvane-cli --json,
// orvane-panelsim --render --json and its control channel).
#pragma once

#include <string>

namespace orvane {

/// text as a JSON string, quotes included; control characters escaped, bytes
/// above 0x7F passed through as they are (give UTF-8 where JSON readers
/// must read it).
std::string JsonString(const std::string& text);

}  // namespace orvane
