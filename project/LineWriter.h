// Writes a line-oriented text file one value per line.
#pragma once

#include <cstdint>
#include <ostream>
#include <string_view>

namespace orvane {

/// Every line ends with LF. Numbers are written as "%d" (signed) or "%u"
/// (unsigned), flags as 0 or 1; texts are written byte for byte.
class LineWriter {
 public:
  /// The stream should be opened in binary mode and outlive the writer.
  explicit LineWriter(std::ostream& out) : out_(out) {}

  void Line(std::string_view text);
  /// "%d": an unsigned 32-bit value above 2147483647 comes out negative and
  /// reads back to the same value (TextNumbers.h).
  void Int(int32_t value);
  void UInt(uint32_t value);
  void Bool(bool value);

  /// false once any write failed.
  bool Ok() const { return static_cast<bool>(out_); }

 private:
  std::ostream& out_;
};

}  // namespace orvane
