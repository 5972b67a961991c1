#include "link/ResponseFactory.h"

#include "link/AttributeReplies.h"
#include "link/BlockReplies.h"
#include "link/Protocol.h"
#include "link/StandardReplies.h"
#include "link/StatusReplies.h"
#include "link/TOvMsgResp.h"
#include "project/TOvProject.h"

namespace orvane {
namespace {

namespace p = protocol;

std::unique_ptr<TOvXResp> InvalidLength() {
  return std::make_unique<TOvErrorResp>(p::kLinkInvalidLength);
}

template <typename Reply>
std::unique_ptr<TOvXResp> Checked(std::span<const uint8_t> frame) {
  if (!Reply::Fits(frame)) {
    return InvalidLength();
  }
  return std::make_unique<Reply>(frame);
}

}  // namespace

int ResponseContext::SystemMode() const {
  return project != nullptr ? project->systemMode : systemMode;
}

TOvPanel* ResponseContext::CurrentPanel() const {
  return project != nullptr ? project->SelectedPanel() : nullptr;
}

std::unique_ptr<TOvXResp> MakeResponse(std::span<const uint8_t> frame, int link_error,
                                       const ResponseContext& context) {
  if (frame.empty()) {
    return std::make_unique<TOvErrorResp>(link_error);
  }
  if (frame.size() <= p::kCodeOffset) {
    return InvalidLength();
  }
  switch (frame[p::kCodeOffset]) {
    case p::kStandardReply:
      return Checked<TOvStdResp>(frame);
    case p::kStatusReply:
      // The multiplexer's status is told apart by its length byte alone; its
      // length always covers its record.
      if (frame[p::kLengthOffset] == p::kMuxStatusLength) {
        return std::make_unique<TOvMuxStatusIdResp>(frame);
      }
      return Checked<TOvStatusIdResp>(frame);
    case p::kMuxPlcAttributesReply:
      return Checked<TOvMuxPlcAttrResp>(frame);
    case p::kMessageReply: {
      TOvPanel* const panel = context.CurrentPanel();
      if (!TOvMsgResp::Fits(frame, panel)) {
        return InvalidLength();
      }
      return std::make_unique<TOvMsgResp>(frame, panel);
    }
    case p::kTagsReply:
      return Checked<TOvTagResp>(frame);
    case p::kSystemAttributesReply:
      return Checked<TOvSysAttrResp>(frame);
    case p::kPlcAttributesReply:
      if (!TOvPlcAttrResp::Fits(frame, context.SystemMode())) {
        return InvalidLength();
      }
      return std::make_unique<TOvPlcAttrResp>(frame, context.SystemMode());
    default:
      return nullptr;
  }
}

}  // namespace orvane
