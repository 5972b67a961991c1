// Reads a line-oriented text file one line at a time.
#pragma once

#include <cstdint>
#include <istream>
#include <string>

namespace orvane {

/// Lines end with LF or CR LF; the line terminator and any further CRs
/// before it are removed and every
/// other byte is returned as read (message texts carry 8-bit marker bytes).
/// Reading past the end yields empty lines, which read as 0 and false, the
/// way the file format's readers treat missing values; PastEnd() tells that
/// this happened, so a caller can refuse a truncated file.
class LineReader {
 public:
  /// The stream must be opened in binary mode and outlive the reader.
  explicit LineReader(std::istream& in) : in_(in) {}

  /// The next line; false (and an empty line) at the end of the file.
  bool Next(std::string& line);
  /// The next line, empty at the end of the file.
  std::string Line();

  /// The next line as a number read like atoi/atol (TextNumbers.h).
  int32_t Int();
  uint32_t UInt();
  /// The next line read as a flag that is true only for exactly 1.
  bool EqualsOne();
  /// The next line read as a flag that is true for any value but 0.
  bool NonZero();

  /// Back to the start of the file, as if nothing had been read.
  void Rewind();

  /// True once a line was asked for after the last one.
  bool PastEnd() const { return pastEnd_; }
  /// Lines returned so far (1 after the first line).
  int LineNumber() const { return lineNumber_; }

 private:
  std::istream& in_;
  bool pastEnd_ = false;
  int lineNumber_ = 0;
};

}  // namespace orvane
