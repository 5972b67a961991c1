// The PLC attribute block as a device receives it: three encodings of the
// same block B (which begins with its own 16-bit little-endian length S),
// each with the length field raised by 2 and an inner checksum (CalcCrc16
// over the S bytes of B with the raised length):
//   single panel (0xBC)    B, checksum high byte first
//   multi-panel (0xBC)     length (S + 2), checksum low byte first, B from
//                          byte 2 on
//   multiplexer (0x29)     B, checksum low byte first
#pragma once

#include <cstdint>
#include <span>

#include "sim/DeviceProtocol.h"

namespace orvane::sim {

enum class PlcRecordForm { SinglePanel, MultiPanel };

/// Checks a 0xBC payload (frame bytes 5 up to the CRC): code 8 when it is
/// shorter than 4 bytes or its raised length field is not its own length,
/// code 24 when the inner checksum is wrong, else 0.
uint8_t CheckPlcRecord(std::span<const uint8_t> payload, PlcRecordForm form);

/// Checks a multiplexer PLC attribute stream (all blocks joined): code 8 for
/// a wrong length field, code 24 for a wrong checksum, else 0.
uint8_t CheckMultiplexerPlcStream(std::span<const uint8_t> stream);

/// The block B of a checked 0xBC payload, with its length field S.
Bytes PlcBlockFromRecord(std::span<const uint8_t> payload, PlcRecordForm form);

/// The block B of a stored multiplexer stream (the stream without its
/// checksum), with its length field S.
Bytes PlcBlockFromStoredStream(std::span<const uint8_t> stored);

}  // namespace orvane::sim
