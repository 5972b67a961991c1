// The message reply: one message record read back from a panel.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "link/TOvXResp.h"
#include "project/TOvMessage.h"

namespace orvane {

class TOvPanel;

/// Reply code 0xB4. The record starts at offset 7 (bytes 5 and 6 are not
/// interpreted): the wire message number at 7 and 8, high byte first, then
/// the text and the data item fields. A reply whose byte 9 is 0xFF holds no
/// message (an empty number); the reading sequence skips it.
///
/// Made for a panel (the project's current panel), the reply decodes its
/// record into a new message of that panel:
///
/// Text panels: 9 the 20 text bytes (DecodeMessageText), 29 isFolder, 30
/// depth, 31/33/35 the tag indices of items 1 to 3, 37 the password (0
/// none; 1 local; anything else the PLC password register), 38 limits
/// enabled (when 1), 39 maximum, 43 minimum, 47 the decimal point
/// register's tag index (taken only with flag bit 1), 49 the flags: bit 1
/// PLC-controlled decimal point, bits 2-3 the access type, bits 4-6 leading
/// zeros. No fixed decimal point.
///
/// Set point panel: 9 the 16 text bytes (trailing white space removed), 27
/// item 1's tag index, 29 the fixed decimal point (0 for none), 30 limits
/// enabled (when 1), 31 maximum, 35 minimum, 39 the decimal point
/// register's tag index, 41 the flags (bit 1 and the access type; leading
/// zeros are not read). The entry is a PLC message with setPointValue set.
///
/// The number is the wire number as it came: the reading sequence sets
/// isPlcMessage on a text panel and maps local numbers back
/// (WireMessageNumber). Access bits 2-3 that read 3 name no access type and
/// leave it at read/write.
class TOvMsgResp : public TOvXResp {
 public:
  /// panel: the panel the message belongs to, or nullptr when the link has
  /// no project; then only the raw record is kept.
  explicit TOvMsgResp(std::span<const uint8_t> frame, TOvPanel* panel = nullptr);

  /// False for an empty number (byte 9 is 0xFF).
  bool HasMessage() const { return hasMessage_; }
  /// The wire message number of a reply that holds a message, else 0.
  uint16_t WireNumber() const;
  /// The record: the frame bytes from offset 7 up to the CRC.
  const std::vector<uint8_t>& Record() const { return record_; }
  /// Whether the record was decoded into Message(): a message was sent and
  /// the reply was made for a panel.
  bool IsDecoded() const { return decoded_; }
  /// The decoded message, attached to the panel but not in its list; number
  /// 0 and default contents when nothing was decoded.
  const TOvMessage& Message() const { return message_; }
  TOvMessage& Message() { return message_; }

  /// Whether a frame reaches byte 9 and, when it holds a message and is
  /// decoded for a panel, the whole record of that panel's layout. A
  /// shorter frame is refused.
  static bool Fits(std::span<const uint8_t> frame, const TOvPanel* panel = nullptr);

  static constexpr size_t kRecordOffset = 7;

 private:
  void DecodeTextRecord(std::span<const uint8_t> frame);
  void DecodeSetPointRecord(std::span<const uint8_t> frame);

  std::vector<uint8_t> record_;
  TOvMessage message_;
  bool hasMessage_ = false;
  bool decoded_ = false;
};

}  // namespace orvane
