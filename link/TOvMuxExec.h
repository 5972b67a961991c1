// The Motorola S-record image reader: the multiplexer's PLC driver images
// (expected start 0x210000) and multiplexer firmware (expected start
// 0x10000, where the first data record must start exactly).
#pragma once

#include <cstdint>
#include <istream>

#include "link/HexRecordImage.h"

namespace orvane {

/// Reads the whole file in the constructor; test IsValid afterwards.
///
/// Lines that do not start with 'S' or 's' are skipped (comments, blank
/// lines); a line starting with a lower-case 's' is invalid. A record is
/// "S", the type, the count b of the bytes that follow (address, data,
/// checksum), the address, the data and the checksum, the one's complement of
/// the low byte of the sum of count, address and data bytes; the line must be
/// exactly as long as its count says.
///  - types 1, 2, 3 carry data at a 16-, 24- or 32-bit address;
///  - types 0, 5, 7, 8, 9 (header, record count, start address) are skipped;
///  - types 4 and 6 and any other type character make the file invalid.
/// While the expected next address is 0x10000 (multiplexer firmware), a data
/// record must start exactly there. The end of the file ends the reading; no
/// termination record is needed, and a file without records is valid and
/// empty.
class TOvMuxExec : public HexRecordImage {
 public:
  static constexpr uint32_t kPlcDriverStart = 0x210000;
  static constexpr uint32_t kFirmwareStart = 0x10000;
  /// The multiplexer firmware download sends a first block of 50 bytes, so a
  /// firmware image shorter than this cannot be sent.
  static constexpr size_t kMinFirmwareLength = 50;

  TOvMuxExec(std::istream& file, uint32_t start_address);

 private:
  bool ParseLine();
};

}  // namespace orvane
