#include "project/TOvMessage.h"

#include <string_view>

#include "project/PanelModels.h"
#include "project/TOvPanel.h"

namespace orvane {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) {
    text.remove_prefix(1);
  }
  while (!text.empty() && IsBlank(text.back())) {
    text.remove_suffix(1);
  }
  return text;
}

}  // namespace

TOvMessage::TOvMessage(TOvPanel* owner) {
  AttachTo(owner);
}

bool TOvMessage::Item1InUse() const {
  return HasMarker(kItem1Marker) || setPointValue ||
         (panel != nullptr && panel->panelModel == kModelOvSP);
}

std::string_view TOvMessage::ComparedText() const {
  return Trimmed(text);
}

bool TOvMessage::Equals(const TOvMessage& other) const {
  if (number != other.number || isFolder != other.isFolder || depth != other.depth ||
      setPointValue != other.setPointValue || isPlcMessage != other.isPlcMessage ||
      leadingZeros != other.leadingZeros) {
    return false;
  }
  if (ComparedText() != other.ComparedText()) {
    return false;
  }
  if (Item1InUse() && !item1.Equals(other.item1)) {
    return false;
  }
  if (Item2InUse() && !item2.Equals(other.item2)) {
    return false;
  }
  return !Item3InUse() || item3.Equals(other.item3);
}

void TOvMessage::ResetAddresses() {
  item1.Reset();
  item2.Reset();
  item3.Reset();
}

void TOvMessage::AttachTo(TOvPanel* owner) {
  panel = owner;
  TOvProject* const project = owner != nullptr ? owner->project : nullptr;
  item1.AttachTo(project);
  item2.project = project;
  item3.project = project;
}

}  // namespace orvane
