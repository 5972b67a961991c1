// Writing an image as a text file of hexadecimal records: Intel HEX for the
// panel-side images and panel firmware, Motorola S-records for the
// multiplexer's driver and firmware.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace orvane::sim {

/// Data bytes per record line, as objcopy writes them.
inline constexpr size_t kBytesPerRecord = 16;

/// Intel HEX: data records (type 00) of 16 bytes from start_address on, then
/// the end-of-file record (01). Nothing when the image does not fit below
/// address 0x10000: the panels' images use 16-bit addresses only, without
/// extended address records.
std::optional<std::string> WriteIntelHex(std::span<const uint8_t> image, uint32_t start_address);

/// Motorola S-records: an S0 record carrying header_text, data records of 16
/// bytes from start_address on with the narrowest address that holds every
/// address (S1 16-bit, S2 24-bit, S3 32-bit), and the matching end record
/// (S9, S8, S7). Nothing when the image reaches past 32-bit addresses.
std::optional<std::string> WriteSRecords(std::span<const uint8_t> image, uint32_t start_address,
                                         std::string_view header_text);

}  // namespace orvane::sim
