// Numbers in the project's text forms.
#pragma once

#include <cstdint>
#include <string_view>

namespace orvane {

/// Reads a decimal number the way the C library's atoi/atol do: leading
/// white space is skipped, an optional sign is taken, conversion stops at the
/// first non-digit, and text without digits reads as 0. The value keeps its
/// low 32 bits, so a value written with "%d" from an unsigned 32-bit field
/// ("-1" for 4294967295) reads back to the same bit pattern.
int32_t ParseInt32(std::string_view text);
uint32_t ParseUInt32(std::string_view text);

}  // namespace orvane
