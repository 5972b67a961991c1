// Turns a reply frame into a reply object.
#pragma once

#include <cstdint>
#include <memory>
#include <span>

#include "link/TOvXResp.h"

namespace orvane {

class TOvPanel;
class TOvProject;

/// What the factory needs to know about the project a link talks for.
struct ResponseContext {
  /// The system mode of a link without project: 0 single panel system, 1
  /// multi-panel system. It decides the layout of the PLC attribute reply.
  int systemMode = 0;
  /// The project, or nullptr. When set, its system mode counts instead of
  /// the field above, and message replies are decoded into messages of its
  /// current panel (the panel on the selected port). Not owned; it must
  /// outlive the link.
  TOvProject* project = nullptr;

  /// The system mode that decides the PLC attribute reply's layout.
  int SystemMode() const;
  /// The panel message replies are decoded for, or nullptr.
  TOvPanel* CurrentPanel() const;
};

/// The reply object of a received frame, chosen by its message code (offset
/// 4) and, for status replies, its length byte:
///   0x00 TOvStdResp; 0x12 TOvMuxStatusIdResp when the length byte is 24,
///   else TOvStatusIdResp; 0x2A TOvMuxPlcAttrResp; 0xB4 TOvMsgResp;
///   0xB6 TOvTagResp; 0xB8 TOvSysAttrResp; 0xBB TOvPlcAttrResp.
/// An empty frame (the receive failed) gives a TOvErrorResp with link_error.
/// Message replies are decoded for the context's current panel.
/// A frame too short for the fields of its class, or whose own count or
/// length field reaches past its end, gives a TOvErrorResp with code 25
/// (invalid length): no decoder ever reads past the frame. Any other message
/// code gives nothing.
std::unique_ptr<TOvXResp> MakeResponse(std::span<const uint8_t> frame, int link_error,
                                       const ResponseContext& context);

}  // namespace orvane
