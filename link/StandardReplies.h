// The panel's acknowledgement (TOvStdResp) and the reply that stands for a
// failed exchange (TOvErrorResp), with the table of error texts.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "link/TOvXResp.h"

namespace orvane {

/// The text of an error code: a panel's refusal (3 to 24), a link failure
/// (1 checksum, 2 time-out, 25 invalid length) or 0 ("NoError"). Codes
/// without an entry (15 to 20, 23, anything else) read "Unknown Error".
std::string ErrorCodeText(int code);

/// Reply code 0x00: the panel's answer to a command that carries no reply
/// data. Byte 5 is kept as it came; byte 6 is the error code, 0 = success.
class TOvStdResp : public TOvXResp {
 public:
  explicit TOvStdResp(std::span<const uint8_t> frame);

  uint8_t Byte5() const { return byte5_; }
  int ErrorCode() const { return errorCode_; }

  /// Whether a frame is long enough for this reply's fields.
  static bool Fits(std::span<const uint8_t> frame);

 private:
  uint8_t byte5_ = 0;
  int errorCode_ = 0;
};

/// No reply frame: the link failed (checksum, time-out, invalid length) and
/// this object carries the link error code. Also used to look up the text of
/// a panel's error code.
class TOvErrorResp : public TOvXResp {
 public:
  explicit TOvErrorResp(int code) : code_(code) {}

  int ErrorCode() const { return code_; }
  /// The table text of the code, or "Unknown Error".
  std::string GetText() const { return ErrorCodeText(code_); }

 private:
  int code_ = 0;
};

}  // namespace orvane
