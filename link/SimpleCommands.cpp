#include "link/SimpleCommands.h"

namespace orvane {

bool TOvSwitchPrtCmd::FillPayload(FrameBuffer frame) {
  frame[protocol::kLengthOffset] = 7;
  frame[5] = port_;
  return true;
}

}  // namespace orvane
