// The message reply: one message record read back from a panel.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "link/TOvXResp.h"

namespace orvane {

/// Reply code 0xB4. The record starts at offset 7 (bytes 5 and 6 are not
/// interpreted): the wire message number at 7 and 8, high byte first, then
/// the text and the data item fields of the text-panel or set point layout.
/// A reply whose byte 9 is 0xFF holds no message (an empty number); the
/// reading sequence skips it.
///
/// The reply keeps the record bytes as they came; turning them into a
/// message of the current panel is done from Record() with the panel's
/// layout.
class TOvMsgResp : public TOvXResp {
 public:
  explicit TOvMsgResp(std::span<const uint8_t> frame);

  /// False for an empty number (byte 9 is 0xFF).
  bool HasMessage() const { return hasMessage_; }
  /// The wire message number of a reply that holds a message, else 0.
  uint16_t WireNumber() const;
  /// The record: the frame bytes from offset 7 up to the CRC.
  const std::vector<uint8_t>& Record() const { return record_; }

  /// Whether a frame reaches byte 9; a shorter one is refused.
  static bool Fits(std::span<const uint8_t> frame);

  static constexpr size_t kRecordOffset = 7;

 private:
  std::vector<uint8_t> record_;
  bool hasMessage_ = false;
};

}  // namespace orvane
