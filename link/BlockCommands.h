// Block commands: reads that fetch a record stream block by block, and
// writes that carry one slice of a byte stream.
//
// Both use offset 5 for the sequence number and offset 6 for the phase
// (1 start, 0 continuation, 2 last). Senders cut a stream into a start block,
// continuation blocks of 50 bytes with sequence numbers 1, 2, ... and a last
// block with the rest.
#pragma once

#include <cstdint>
#include <vector>

#include "link/TOvXCmd.h"

namespace orvane {

/// A block read: L = 8, offset 5 the sequence number, offset 6 the phase.
class TOvBlockReadCmd : public TOvXCmd {
 public:
  TOvBlockReadCmd(uint8_t code, uint8_t phase, uint8_t sequence)
      : TOvXCmd(code), phase_(phase), sequence_(sequence) {}

 protected:
  bool FillPayload(FrameBuffer frame) override;

 private:
  uint8_t phase_ = 0;
  uint8_t sequence_ = 0;
};

/// Reads message records; answered with TOvMsgResp.
class TOvReadMsgCmd : public TOvBlockReadCmd {
 public:
  TOvReadMsgCmd(uint8_t phase, uint8_t sequence)
      : TOvBlockReadCmd(protocol::kReadMessage, phase, sequence) {}
};

/// Reads the tag map stream; answered with TOvTagResp.
class TOvReadTagCmd : public TOvBlockReadCmd {
 public:
  TOvReadTagCmd(uint8_t phase, uint8_t sequence)
      : TOvBlockReadCmd(protocol::kReadTags, phase, sequence) {}
};

/// Reads the multiplexer's PLC attribute stream; answered with
/// TOvMuxPlcAttrResp.
class TOvReadMuxPlcAttrCmd : public TOvBlockReadCmd {
 public:
  TOvReadMuxPlcAttrCmd(uint8_t phase, uint8_t sequence)
      : TOvBlockReadCmd(protocol::kReadMuxPlcAttributes, phase, sequence) {}
};

/// A block write: the stream bytes from index start to end - 1.
/// Offset 5 the sequence number, 6 the phase, 7 the count (end - start), then
/// the bytes; L = count + 9. Answered with TOvStdResp.
///
/// A slice that does not lie inside the stream (end before start, end past
/// the stream) or holds more than 50 bytes is refused: the command is not
/// framed and Transact sends nothing.
class TOvBlockWriteCmd : public TOvXCmd {
 public:
  /// The stream belongs to the caller and must outlive the command.
  TOvBlockWriteCmd(uint8_t code, uint8_t phase, const std::vector<uint8_t>& stream,
                   uint8_t sequence, uint32_t start, uint32_t end)
      : TOvXCmd(code),
        phase_(phase),
        stream_(stream),
        sequence_(sequence),
        start_(start),
        end_(end) {}

  /// Whether the slice can be framed.
  bool IsValidSlice() const;

 protected:
  bool FillPayload(FrameBuffer frame) override;

 private:
  uint8_t phase_ = 0;
  const std::vector<uint8_t>& stream_;
  uint8_t sequence_ = 0;
  uint32_t start_ = 0;
  uint32_t end_ = 0;
};

/// Writes the tag map stream.
class TOvWriteTagCmd : public TOvBlockWriteCmd {
 public:
  TOvWriteTagCmd(uint8_t phase, const std::vector<uint8_t>& stream, uint8_t sequence,
                 uint32_t start, uint32_t end)
      : TOvBlockWriteCmd(protocol::kWriteTags, phase, stream, sequence, start, end) {}
};

/// Loads the panel-side PLC driver image.
class TOvLoadPlcCmd : public TOvBlockWriteCmd {
 public:
  TOvLoadPlcCmd(uint8_t phase, const std::vector<uint8_t>& stream, uint8_t sequence, uint32_t start,
                uint32_t end)
      : TOvBlockWriteCmd(protocol::kLoadPlcDriver, phase, stream, sequence, start, end) {}
};

/// Loads a firmware image (panel or multiplexer).
class TOvLoadExecCmd : public TOvBlockWriteCmd {
 public:
  TOvLoadExecCmd(uint8_t phase, const std::vector<uint8_t>& stream, uint8_t sequence,
                 uint32_t start, uint32_t end)
      : TOvBlockWriteCmd(protocol::kLoadExec, phase, stream, sequence, start, end) {}
};

/// Writes the multiplexer's PLC attribute stream.
class TOvWriteMuxPlcAttrCmd : public TOvBlockWriteCmd {
 public:
  TOvWriteMuxPlcAttrCmd(uint8_t phase, const std::vector<uint8_t>& stream, uint8_t sequence,
                        uint32_t start, uint32_t end)
      : TOvBlockWriteCmd(protocol::kWriteMuxPlcAttributes, phase, stream, sequence, start, end) {}
};

}  // namespace orvane
