// The attribute replies: the panel's system attribute record
// (TOvSysAttrResp) and its PLC attribute block (TOvPlcAttrResp).
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "link/TOvXResp.h"

namespace orvane {

/// Reply code 0xB8: the system attribute record, offsets 6 to 35, with the
/// same layout as the write command's record. Tag indices are 1-based
/// positions in the panel's tag table, 0xFFFF for none; numbers are high byte
/// first. The reply keeps its own copy of the frame.
class TOvSysAttrResp : public TOvXResp {
 public:
  static constexpr int kLineRegisterCount = 4;
  static constexpr int kButtonCount = 5;

  explicit TOvSysAttrResp(std::span<const uint8_t> frame);

  uint16_t ButtonWordTag() const { return BigEndian16(frame_, 6); }
  uint16_t LedWordTag() const { return BigEndian16(frame_, 8); }
  uint16_t AnnunciatorWordTag() const { return BigEndian16(frame_, 10); }
  /// Bit k (LED k+1 by button), bit k+5 (and flashing), bit 15 the beeper.
  uint16_t KeyLedWord() const { return BigEndian16(frame_, 12); }
  uint16_t PasswordRegisterTag() const { return BigEndian16(frame_, 14); }
  uint32_t LocalPassword() const { return BigEndian32(frame_, 16); }
  /// index 0..3 for line registers 1..4.
  uint16_t LineRegisterTag(int index) const;
  /// index 0..4 for keys 1..5: 0 momentary, 1 alternate, 2 panel set and PLC
  /// release.
  uint8_t ButtonAction(int index) const;
  uint16_t FirstMessageNumber() const { return BigEndian16(frame_, 33); }
  uint8_t OptionFlags() const { return ByteAt(frame_, 35); }
  bool PlcMessageDelay() const { return (OptionFlags() & 0x01) != 0; }
  bool CursorOnPlcMessage() const { return (OptionFlags() & 0x02) != 0; }

  std::span<const uint8_t> Frame() const { return frame_; }

  /// Whether a frame holds the whole record; a shorter one is refused.
  static bool Fits(std::span<const uint8_t> frame);

 private:
  std::vector<uint8_t> frame_;
};

/// Reply code 0xBB: the PLC communication attribute block. Bytes 5 and 6 hold
/// V, low byte first; the block is rebuilt as V - 2 bytes: its own length
/// field V - 2 (low byte first), then V - 4 bytes copied from offset 7 in a
/// single panel system or from offset 9 in a multi-panel system (where
/// offsets 7 and 8 hold the checksum).
class TOvPlcAttrResp : public TOvXResp {
 public:
  /// system_mode: 0 single panel system, 1 multi-panel system.
  TOvPlcAttrResp(std::span<const uint8_t> frame, int system_mode);

  uint16_t WireLength() const { return wireLength_; }  // V
  const std::vector<uint8_t>& Block() const { return block_; }

  /// Whether V is at least 4 and the frame carries the V - 4 bytes; a frame
  /// that does not is refused by the factory.
  static bool Fits(std::span<const uint8_t> frame, int system_mode);

 private:
  static size_t SourceOffset(int system_mode) { return system_mode == 1 ? 9 : 7; }

  uint16_t wireLength_ = 0;
  std::vector<uint8_t> block_;
};

}  // namespace orvane
