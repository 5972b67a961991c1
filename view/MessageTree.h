// A panel's messages as the message editor holds them: the PLC messages in
// ascending number and the local message tree in tree order, with the
// tree's levels, the numbering of local messages, the limits every addition
// keeps and the store back into the panel. The editor and the message
// table import share it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "project/TOvMessage.h"

namespace orvane {

class TOvPanel;
class UserInterface;

/// Tree levels: the root is level 0, an entry at depth d is at level d + 1.
inline constexpr int kRootLevel = 0;
/// The deepest level of the tree; a folder stands at most one above it.
inline constexpr int kDeepestLevel = 4;
inline constexpr int kDeepestFolderLevel = kDeepestLevel - 1;

/// The level of a local message in the tree.
inline int LevelOf(const TOvMessage& local) {
  return local.depth + 1;
}

/// The end of the sub-tree of the local message at index: the first entry
/// after it at its level or above (the list's size when there is none).
size_t SubtreeEnd(const std::vector<TOvMessage>& locals, size_t index);
/// Whether the entry at index has children.
bool HasChildren(const std::vector<TOvMessage>& locals, size_t index);

/// Local messages are numbered from 256 downwards in tree order.
void NumberLocalMessages(std::vector<TOvMessage>& locals);
/// One past the highest PLC message number; 1 without PLC messages.
int32_t FirstMessageNumberOf(const std::vector<TOvMessage>& plc);
/// The highest PLC message number; 0 without PLC messages.
int32_t HighestPlcNumber(const std::vector<TOvMessage>& plc);

/// The first fault of a local list's shape: "" when every entry's depth
/// follows from the entry above it (at most one deeper, and only below a
/// folder), folders stand at levels 1 to 3, messages at 1 to 4, and no
/// folder holds data items.
std::string TreeShapeFault(const std::vector<TOvMessage>& locals);

/// The panel's messages split: PLC messages sorted by number, local ones in
/// their order.
struct MessageLists {
  std::vector<TOvMessage> plc;
  std::vector<TOvMessage> locals;

  bool operator==(const MessageLists& other) const;
  size_t Count() const { return plc.size() + locals.size(); }
};

MessageLists SplitMessages(const TOvPanel& panel);
/// Puts the lists into the panel: PLC messages, then the local ones
/// numbered in tree order, each attached; the first message number follows.
void StoreMessages(MessageLists lists, TOvPanel& panel);

/// "Error M001: ..." with 256: no room for one more message.
std::string NoRoomText();
/// "Error M003: ...": a PLC message number above what the locals leave.
std::string NumberBeyondLimitText();

/// Whether one more local message fits: 256 messages in all, and the local
/// numbers, counting down from 256, stay above the highest PLC number.
bool RoomForLocal(const MessageLists& lists);
/// The highest number a PLC message may have beside the local messages.
int32_t HighestAllowedPlcNumber(const MessageLists& lists);

}  // namespace orvane
