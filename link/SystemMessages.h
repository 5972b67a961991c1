// The seven system messages every panel receives after the project's own
// messages: the texts the panel shows for its own states.
#pragma once

#include <cstdint>
#include <vector>

#include "project/TOvMessage.h"

namespace orvane {

class TOvPanel;

inline constexpr int32_t kFirstSystemMessage = 257;
inline constexpr int32_t kLastSystemMessage = 263;

/// A default message of the panel with a system message number (257 to
/// 263) and its text: "READ ONLY VALUE", "INVALID", "PASSWORD=" with ten
/// item 1 digit positions, "ERROR MESSAGE", "SETUP MODE", "NO DATA SET",
/// "OUT OF RANGE". The record's value field is data item 1's maximum: for
/// the password entry (259) the largest password the panel accepts,
/// 99999999 on the set point model and 65535 on a text panel; 0 in the
/// other six. Any other number gives a plain default message with that
/// number.
///
/// Send each with TOvWriteMsgCmd(message, kNoFirstMessageNumber,
/// panel.IsSetPoint(), false): system messages keep their numbers.
TOvMessage SystemMessage(TOvPanel& panel, int32_t number);

/// The seven system messages in ascending number.
std::vector<TOvMessage> SystemMessages(TOvPanel& panel);

}  // namespace orvane
