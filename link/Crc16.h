// The checksum of the panel protocol: CRC-16 with polynomial 0x1021, initial
// value 0, no reflection and no final XOR.
#pragma once

#include <cstdint>
#include <span>

namespace orvane {

/// The CRC of the bytes, computed byte by byte without a table. Frames carry
/// it low byte first; PLC attribute records carry it high byte first.
uint16_t CalcCrc16(std::span<const uint8_t> bytes);

}  // namespace orvane
