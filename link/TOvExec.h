// The Intel HEX image reader: panel-side PLC driver images (expected start
// 0x8000) and panel firmware (expected start 0).
#pragma once

#include <cstdint>
#include <istream>

#include "link/HexRecordImage.h"

namespace orvane {

/// Reads the whole file in the constructor; test IsValid afterwards.
///
/// Records are ":", count n, 16-bit address, type, n data bytes, checksum
/// (all hexadecimal digit pairs); the bytes of a record must add up to 0
/// modulo 256, and the line must be exactly as long as its count says.
///  - type 00 (data) goes into the image at its address;
///  - type 01 (end of file) ends the reading; a file that ends before it
///    (or has an empty line before it) is invalid;
///  - types 02 and 04 (extended address) are accepted when they extend by 0
///    and make the file invalid otherwise: the panel's images lie within
///    16-bit addresses;
///  - types 03 and 05 (start address) carry no image bytes and are skipped;
///  - any other type makes the file invalid.
class TOvExec : public HexRecordImage {
 public:
  static constexpr uint32_t kPlcDriverStart = 0x8000;
  static constexpr uint32_t kFirmwareStart = 0;

  TOvExec(std::istream& file, uint32_t start_address);

  /// The type of the last record read (0 before any).
  uint8_t LastRecordType() const { return lastRecordType_; }

 private:
  enum class LineResult { Continue, End, Invalid };

  LineResult ParseLine();

  uint8_t lastRecordType_ = 0;
};

}  // namespace orvane
