// The PLC communication attribute block as the panel and the multiplexer
// receive it, and the two commands that carry it to a panel.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "link/EncodedStream.h"
#include "link/TOvXCmd.h"

namespace orvane {

class TOvPlcInfo;

/// The three ways the block B (S bytes, beginning with its own length,
/// little-endian) travels. Each raises the length field to S + 2 and adds a
/// checksum (CalcCrc16 over the S bytes of B with the raised length):
///   SinglePanel: B, then the checksum high byte first (TOvWritePlcAttrCmd);
///   MultiPanel:  the raised length, the checksum low byte first, then B
///                from its byte 2 on (TOvWrtMltPnlPlcAttrCmd);
///   MuxStream:   B, then the checksum low byte first (the stream
///                TOvWriteMuxPlcAttrCmd carries in blocks).
/// All three are S + 2 bytes.
enum class PlcAttributeForm { SinglePanel, MultiPanel, MuxStream };

/// The largest block one 0xBC frame carries: L = S + 8 must fit its byte.
inline constexpr size_t kMaxFramedPlcAttributeBlock = 255 - 8;

/// The bytes of a block in one form. Refused, with the reason, when B is
/// shorter than its own length field (S < 2), when a framed form would not
/// fit one frame, or when the raised length would not fit 16 bits.
EncodedStream EncodePlcAttributes(std::span<const unsigned char> block, PlcAttributeForm form);
/// The same for the project's block: the attribute bytes after their
/// 32-byte identity header.
EncodedStream EncodePlcAttributes(const TOvPlcInfo& plc, PlcAttributeForm form);

/// Code 0xBC: the block framed whole, L = S + 8, answered with TOvStdResp.
/// A block that cannot be encoded is not framed: Transact sends nothing;
/// check EncodePlcAttributes first to tell the user why. The PLC identity
/// belongs to the caller and must outlive the command.
class TOvPlcAttrBlockCmd : public TOvXCmd {
 protected:
  TOvPlcAttrBlockCmd(const TOvPlcInfo& plc, PlcAttributeForm form);
  bool FillPayload(FrameBuffer frame) override;

 private:
  const TOvPlcInfo& plc_;
  PlcAttributeForm form_ = PlcAttributeForm::SinglePanel;
};

/// The block for a single panel system (the SinglePanel form).
class TOvWritePlcAttrCmd : public TOvPlcAttrBlockCmd {
 public:
  explicit TOvWritePlcAttrCmd(const TOvPlcInfo& plc)
      : TOvPlcAttrBlockCmd(plc, PlcAttributeForm::SinglePanel) {}
};

/// The block for a panel behind a multiplexer (the MultiPanel form).
class TOvWrtMltPnlPlcAttrCmd : public TOvPlcAttrBlockCmd {
 public:
  explicit TOvWrtMltPnlPlcAttrCmd(const TOvPlcInfo& plc)
      : TOvPlcAttrBlockCmd(plc, PlcAttributeForm::MultiPanel) {}
};

}  // namespace orvane
