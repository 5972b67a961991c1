#include "project/TOvTandry.h"

#include <iterator>

#include "base/StringTable.h"
#include "project/TOvProject.h"

namespace orvane {

TOvTandry::TOvTandry(TOvProject& project) : project_(&project) {
  const TOvPanel* selected = project.SelectedPanel();
  const bool setPoint = selected != nullptr && selected->IsSetPoint();
  table_ = &project.tagMaps[setPoint ? kSetPointTagMap : kTextModelTagMap];
  for (const auto& [name, remainder] : table_->entries) {
    reverseIndex_.emplace(remainder, name);
  }
}

void TOvTandry::Reconcile() {
  for (TOvPanel& panel : project_->panels) {
    if (!panel.IsSetPoint()) {
      Visit(panel.keysLeds.ledWord, true);
      Visit(panel.keysLeds.buttonWord, true);
    }
    if (panel.HasPasswords()) {
      Visit(panel.annunciatorWord, true);
      Visit(panel.passwordRegister);
    }
    Visit(panel.lineRegisters[0]);
    if (panel.LineCount() > 1) {
      Visit(panel.lineRegisters[1]);
    }
    if (panel.LineCount() > 2) {
      Visit(panel.lineRegisters[2]);
      Visit(panel.lineRegisters[3]);
    }
    for (TOvMessage& message : panel.messages) {
      // Data item 1 wherever it is in use: a set point entry carries it
      // without a marker.
      if (message.Item1InUse()) {
        Visit(message.item1);
        if (message.item1.variableDecimalPoint) {
          Visit(message.item1.decimalPointRegister);
        }
      }
      if (message.Item2InUse()) {
        Visit(message.item2);
      }
      if (message.Item3InUse()) {
        Visit(message.item3);
      }
    }
  }
}

void TOvTandry::Visit(TOvTag& tag, bool bitWord) {
  if (tag.addressText.empty() || table_->entries.contains(tag.tagName)) {
    return;
  }
  const auto [first, last] = reverseIndex_.equal_range(tag.addressText);
  const auto matches = std::distance(first, last);
  if (matches == 1) {
    if (mode_ == kCheck) {
      log_.push_back(FormatText(LoadString(strings::kTagNameChanged), tag.tagName.c_str(),
                                first->second.c_str(), tag.addressText.c_str()));
    } else {
      tag.tagName = first->second;
    }
    return;
  }
  if (mode_ == kCheck) {
    if (matches == 0) {
      log_.push_back(FormatText(LoadString(strings::kTagMapEntryNotFound), tag.tagName.c_str(),
                                tag.addressText.c_str()));
    } else {
      log_.push_back(FormatText(LoadString(strings::kMultipleTagNames), tag.addressText.c_str()));
      for (auto it = first; it != last; ++it) {
        log_.push_back(FormatText("\t%s\n", it->second.c_str()));
      }
    }
    return;
  }
  // The LED, button and annunciator words stay Binary 16 words.
  if (bitWord) {
    ResetBitWord(tag);
  } else {
    tag.Reset();
  }
}

}  // namespace orvane
