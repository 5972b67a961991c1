#include "view/MessageTree.h"

#include <algorithm>

#include "base/StringTable.h"
#include "project/ModelLimits.h"
#include "project/TOvPanel.h"

namespace orvane {

size_t SubtreeEnd(const std::vector<TOvMessage>& locals, size_t index) {
  if (index >= locals.size()) {
    return locals.size();
  }
  size_t end = index + 1;
  while (end < locals.size() && locals[end].depth > locals[index].depth) {
    ++end;
  }
  return end;
}

bool HasChildren(const std::vector<TOvMessage>& locals, size_t index) {
  return SubtreeEnd(locals, index) > index + 1;
}

void NumberLocalMessages(std::vector<TOvMessage>& locals) {
  int32_t number = kMaxMessageNumber;
  for (TOvMessage& local : locals) {
    local.number = number--;
    local.isPlcMessage = 0;
  }
}

int32_t HighestPlcNumber(const std::vector<TOvMessage>& plc) {
  int32_t highest = 0;
  for (const TOvMessage& message : plc) {
    highest = std::max(highest, message.number);
  }
  return highest;
}

int32_t FirstMessageNumberOf(const std::vector<TOvMessage>& plc) {
  return HighestPlcNumber(plc) + 1;
}

std::string TreeShapeFault(const std::vector<TOvMessage>& locals) {
  const TOvMessage* above = nullptr;
  for (const TOvMessage& local : locals) {
    const int level = LevelOf(local);
    const int deepest = local.isFolder != 0 ? kDeepestFolderLevel : kDeepestLevel;
    if (level < 1 || level > deepest) {
      return local.isFolder != 0 ? "a folder stands at level 1 to 3 (depth 0 to 2)"
                                 : "a message stands at level 1 to 4 (depth 0 to 3)";
    }
    const int levelAbove = above == nullptr ? kRootLevel : LevelOf(*above);
    const bool aboveHolds = above == nullptr || above->isFolder != 0;
    if (level > levelAbove + 1 || (level == levelAbove + 1 && !aboveHolds)) {
      return "the entry above it is no folder of the level above";
    }
    if (local.isFolder != 0 &&
        (local.HasMarker(kItem1Marker) || local.Item2InUse() || local.Item3InUse())) {
      return "a folder holds no data items";
    }
    above = &local;
  }
  return {};
}

bool MessageLists::operator==(const MessageLists& other) const {
  const auto same = [](const std::vector<TOvMessage>& a, const std::vector<TOvMessage>& b) {
    return std::equal(
        a.begin(), a.end(), b.begin(), b.end(),
        [](const TOvMessage& x, const TOvMessage& y) { return x.Equals(y) && x.text == y.text; });
  };
  return same(plc, other.plc) && same(locals, other.locals);
}

MessageLists SplitMessages(const TOvPanel& panel) {
  MessageLists lists;
  for (const TOvMessage& message : panel.messages) {
    (message.isPlcMessage != 0 ? lists.plc : lists.locals).push_back(message);
  }
  std::stable_sort(lists.plc.begin(), lists.plc.end(),
                   [](const TOvMessage& a, const TOvMessage& b) { return a.number < b.number; });
  return lists;
}

void StoreMessages(MessageLists lists, TOvPanel& panel) {
  NumberLocalMessages(lists.locals);
  std::stable_sort(lists.plc.begin(), lists.plc.end(),
                   [](const TOvMessage& a, const TOvMessage& b) { return a.number < b.number; });
  panel.firstMessageNumber = FirstMessageNumberOf(lists.plc);
  panel.messages = std::move(lists.plc);
  for (TOvMessage& local : lists.locals) {
    panel.messages.push_back(std::move(local));
  }
  panel.AttachTo(panel.project);
}

std::string NoRoomText() {
  return FormatText(
      "Error M001: Unable to add a new Message/Folder.\n\nPossible cause: All the available %d "
      "messages have been programmed ",
      kMaxMessagesPerPanel);
}

std::string NumberBeyondLimitText() {
  return "Error M003: Cannot add a message with message number greater than 256.";
}

bool RoomForLocal(const MessageLists& lists) {
  const auto locals = static_cast<int32_t>(lists.locals.size());
  return static_cast<int>(lists.Count()) < kMaxMessagesPerPanel &&
         HighestPlcNumber(lists.plc) + locals + 1 <= kMaxMessageNumber;
}

int32_t HighestAllowedPlcNumber(const MessageLists& lists) {
  return kMaxMessageNumber - static_cast<int32_t>(lists.locals.size());
}

}  // namespace orvane
