#include "transfer/BlockSender.h"

#include <algorithm>

#include "link/BlockCommands.h"
#include "link/Protocol.h"
#include "link/TOvXComm.h"

namespace orvane {
namespace {

namespace p = protocol;

}  // namespace

BlockResult SendBlocks(TOvXComm& link, const BlockPlan& plan, const std::vector<uint8_t>& image,
                       const BlockHooks& hooks) {
  const auto send = [&](BlockKind kind, uint8_t phase, uint8_t sequence, size_t start, size_t end) {
    if (hooks.proceed && !hooks.proceed(kind)) {
      return BlockResult::Stopped;
    }
    TOvBlockWriteCmd command(plan.code, phase, image, sequence, static_cast<uint32_t>(start),
                             static_cast<uint32_t>(end));
    if (!hooks.accept(link.Transact(command))) {
      return BlockResult::Refused;
    }
    if (hooks.accepted) {
      hooks.accepted(kind, end - start, end);
    }
    return BlockResult::Sent;
  };

  size_t offset = plan.startCarriesData ? std::min(p::kMaxBlockData, image.size()) : 0;
  uint8_t sequence = 0;
  if (const BlockResult result = send(BlockKind::Start, p::kPhaseStart, sequence, 0, offset);
      result != BlockResult::Sent) {
    return result;
  }
  for (; image.size() - offset >= p::kMaxBlockData; offset += p::kMaxBlockData) {
    ++sequence;
    if (const BlockResult result =
            send(BlockKind::Data, p::kPhaseContinue, sequence, offset, offset + p::kMaxBlockData);
        result != BlockResult::Sent) {
      return result;
    }
  }
  ++sequence;
  return send(BlockKind::End, p::kPhaseLast, sequence, offset, image.size());
}

}  // namespace orvane
