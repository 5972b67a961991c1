// The base of every command sent to a panel or a multiplexer.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "link/Protocol.h"

namespace orvane {

/// A command builds its frame in its own 256-byte buffer. The constructor
/// writes the start byte, the two address bytes and the command code; the
/// command's FillPayload writes the length byte L and the payload; MakeFrame
/// adds the CRC. A command is made for one Transact and does not own the data
/// it points to (a block command's stream, a record's model object).
class TOvXCmd {
 public:
  explicit TOvXCmd(uint8_t code);
  virtual ~TOvXCmd() = default;
  TOvXCmd(const TOvXCmd&) = delete;
  TOvXCmd& operator=(const TOvXCmd&) = delete;

  /// The complete frame (L + 1 bytes), or an empty span when the command
  /// cannot be framed (FillPayload refused it, or L is below 6). The span
  /// stays valid until the next MakeFrame or the command's end.
  std::span<const uint8_t> MakeFrame();

  uint8_t Code() const { return frame_[protocol::kCodeOffset]; }

 protected:
  using FrameBuffer = std::span<uint8_t, protocol::kCommandBufferSize>;

  /// Writes L at offset 1 and the payload from offset 5 on; false refuses to
  /// frame the command (nothing is sent).
  virtual bool FillPayload(FrameBuffer frame) = 0;

 private:
  std::array<uint8_t, protocol::kCommandBufferSize> frame_{};
};

/// A command without payload (L = 6).
class TOvNoPayloadCmd : public TOvXCmd {
 public:
  using TOvXCmd::TOvXCmd;

 protected:
  bool FillPayload(FrameBuffer frame) override;
};

}  // namespace orvane
