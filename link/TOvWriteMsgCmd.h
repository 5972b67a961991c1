// The message write command: one message record, in the layout of a text
// panel or of the set point panel, or a blank record that fills an unused
// message number.
#pragma once

#include <cstdint>

#include "link/TOvXCmd.h"

namespace orvane {

class TOvMessage;

/// Code 0xB5, answered with TOvStdResp.
///
/// Standard record (text panels, L = 49): offset 5 the wire message number
/// (WireMessageNumber with the first message number), 7 the 20 text bytes
/// (EncodeMessageText), 27 isFolder, 28 depth, 29/31/33 the tag indices of
/// items 1 to 3, 35 item 1's password (0 none, 1 local, 2 the PLC password
/// register), 36 limits enabled, 37 maximum, 41 minimum, 45 the tag index of
/// the decimal point register (0xFFFF unless the decimal point is
/// PLC-controlled), 47 the flags (MessageFlags).
///
/// Set point record (set point flag, L = 41): 5 the number as it is, 7 the
/// text (16 bytes, not encoded), 23 0xFF, 24 0x00, 25 item 1's tag index,
/// 27 the fixed decimal point (0 for none), 28 limits enabled, 29 maximum,
/// 33 minimum, 37 the decimal point register's tag index (as above), 39 the
/// flags.
///
/// Blank record (blank flag, L = 49, or 41 with the set point flag): the
/// number as it is at 5, then 0xFF up to the CRC.
///
/// Tag indices and item 1's options go out as the message holds them,
/// whether or not the item's marker is in the text. Numbers are high byte
/// first. A standard record whose text cannot be encoded (OverfullDataItem)
/// is not framed: Transact sends nothing.
class TOvWriteMsgCmd : public TOvXCmd {
 public:
  static constexpr uint8_t kStandardLength = 49;
  static constexpr uint8_t kSetPointLength = 41;

  /// The message belongs to the caller and must outlive the command.
  /// firstMessageNumber is the panel's, or kNoFirstMessageNumber to send
  /// the number unchanged (the system messages).
  TOvWriteMsgCmd(const TOvMessage& message, int32_t firstMessageNumber, bool setPoint, bool blank);

 protected:
  bool FillPayload(FrameBuffer frame) override;

 private:
  bool FillStandard(FrameBuffer frame) const;
  void FillSetPoint(FrameBuffer frame) const;
  void FillBlank(FrameBuffer frame) const;

  const TOvMessage& message_;
  int32_t firstMessageNumber_ = -1;
  bool setPoint_ = false;
  bool blank_ = false;
};

/// The flags byte of both record layouts: bit 1 item 1's PLC-controlled
/// decimal point, bit 2 item 1 read only, bit 3 item 1 write only, bits 4
/// to 6 leading zeros of items 1 to 3; bits 0 and 7 stay 0.
uint8_t MessageFlags(const TOvMessage& message);

}  // namespace orvane
