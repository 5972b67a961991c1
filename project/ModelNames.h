// The names people read for the model's codes: data types, access types,
// LED modes, button actions, the system type; and a message text with its
// data items shown as digit positions.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace orvane {

/// "BCD 16", "Binary 16", "BCD 32", "Binary 32"; "data type N" otherwise.
std::string DataTypeName(uint32_t dataType);
/// "Read/Write", "Read Only", "Write Only"; the number otherwise.
std::string AccessName(int32_t access);
/// "By Button", "By Button & Flash", "By PLC"; the number otherwise.
std::string LedModeName(int32_t mode);
/// "Momentary", "Alternate", "Panel Set & PLC Release"; the number otherwise.
std::string ButtonActionName(int32_t action);
/// "single panel system" or "multi-panel system".
std::string SystemName(int32_t systemMode);

/// A message text as the panel shows its layout: each digit position of
/// data item 1, 2 and 3 as "1", "2" and "3", item 1's PLC-controlled decimal
/// point as ".", any other byte outside printable ASCII as "?".
std::string DigitPositionText(std::string_view text);

}  // namespace orvane
