// What sets one Allen-Bradley DF1 driver's address syntax apart from the
// others. Everything else (type letters, file numbers, sub-elements, map
// string, order, messages) is the family's.
#pragma once

#include <cstddef>
#include <cstdint>

namespace orvane::df1 {

/// How a number is written back into an address text.
struct NumberFormat {
  int base = 10;  // 8 or 10
  int width = 0;  // at least this many digits, zero-padded
};

/// Shown by the SLC 500 drivers for an output or input address; the text
/// names the half duplex driver, which was the first to refuse them.
inline constexpr const char* kInputOutputNotSupported =
    "Error T02_3:  Invalid Address (Types I and O are not supported for SLC 500-Half Duplex).";

struct Df1Dialect {
  /// "3-N7:0": a station 0..31 before the first "-", written back by the
  /// rebuild. Without it a "-" is an ordinary character and the station
  /// byte is never written back.
  bool stationPrefix = true;

  /// Whether output (O) and input (I) addresses are accepted. Accepted ones
  /// carry no file number (like S) and may take a "/" bit.
  bool inputOutputAccepted = false;
  /// Shown, without icon, for an O or I address when they are refused.
  const char* inputOutputRefused = "";
  /// Access of an accepted O or I address (0 read/write, 1 read only).
  int32_t inputOutputAccess = 0;
  /// The longest word text of an O or I address, and the message (with the
  /// exclamation icon) for a longer one.
  size_t inputOutputWordDigits = 3;
  const char* inputOutputWordTooLong = "";

  /// How the rebuild writes the word and the bit of an O or I address (a
  /// map string of another DF1 driver may carry one even where they are
  /// refused).
  NumberFormat inputOutputWord = {8, 3};
  NumberFormat inputOutputBit = {8, 2};
};

}  // namespace orvane::df1
