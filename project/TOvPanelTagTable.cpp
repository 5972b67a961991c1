// The panel's tag table: the ordered list of PLC addresses the panel keeps,
// which messages and system attributes refer to by 1-based index.
#include <algorithm>

#include "base/StringTable.h"
#include "base/UserInterface.h"
#include "project/TOvPanel.h"

namespace orvane {
namespace {

// Entries a panel of the model always counts for its system addresses.
int FixedAddressCount(int32_t model) {
  switch (model) {
    case kModelOv200:
    case kModelOv200L:
      return 4;
    case kModelOv200P:
      return 5;
    case kModelOv400:
      return 6;
    case kModelOvSP:
      return 1;
    default:
      return 0;
  }
}

int MessageAddressCount(const TOvMessage& message, bool setPoint) {
  int count = 0;
  if (message.HasMarker(kItem1Marker) || (setPoint && message.setPointValue)) {
    count += message.item1.variableDecimalPoint ? 2 : 1;
  }
  if (message.HasMarker(kItem2Marker)) {
    ++count;
  }
  if (message.HasMarker(kItem3Marker)) {
    ++count;
  }
  return count;
}

bool UsesPlcPassword(const TOvMessage& message) {
  return message.item1.passwordProtected && !message.item1.passwordIsLocal;
}

}  // namespace

void TOvPanel::ForEachSentAddress(const std::function<void(TOvTag&, const AddressPlace&)>& fn) {
  for (TOvMessage& message : messages) {
    if (message.HasMarker(kItem1Marker) || message.setPointValue) {
      fn(message.item1, {&message, "data item 1 address"});
      if (message.item1.variableDecimalPoint) {
        fn(message.item1.decimalPointRegister, {&message, "data item 1 decimal point register"});
      }
    }
    if (message.HasMarker(kItem2Marker)) {
      fn(message.item2, {&message, "data item 2 address"});
    }
    if (message.HasMarker(kItem3Marker)) {
      fn(message.item3, {&message, "data item 3 address"});
    }
  }
  if (panelModel == kModelOv200P) {
    fn(annunciatorWord, {nullptr, "annunciator word"});
  }
  if (!IsSetPoint()) {
    fn(keysLeds.ledWord, {nullptr, "LED word"});
    fn(keysLeds.buttonWord, {nullptr, "button word"});
  }
  const size_t linesInUse = LineRegistersInUse();
  for (size_t line = 0; line < linesInUse; ++line) {
    fn(lineRegisters[line], {nullptr, "line register " + std::to_string(line + 1)});
  }
  fn(passwordRegister, {nullptr, "password register"});
}

void TOvPanel::BuildTagTable(TOvTagTable& table) {
  // Addresses the table leaves out go out as "no address", whatever index
  // an earlier write or read gave them.
  for (TOvMessage& message : messages) {
    for (TOvTag* tag : {static_cast<TOvTag*>(&message.item1), &message.item1.decimalPointRegister,
                        &message.item2, &message.item3}) {
      tag->tagIndex = kNoTagIndex;
    }
  }
  for (TOvTag* tag :
       {&annunciatorWord, &keysLeds.ledWord, &keysLeds.buttonWord, &passwordRegister}) {
    tag->tagIndex = kNoTagIndex;
  }
  for (TOvTag& line : lineRegisters) {
    line.tagIndex = kNoTagIndex;
  }
  // An address without text gets no entry (AddToTable).
  ForEachSentAddress([&table](TOvTag& tag, const AddressPlace&) { tag.AddToTable(table); });
}

void TOvPanel::ResolveTagTable(const TOvTagTable& table) {
  for (TOvMessage& message : messages) {
    message.item1.TakeFromTable(table);
    if (message.item1.variableDecimalPoint) {
      message.item1.decimalPointRegister.TakeFromTable(table);
    }
    message.item2.TakeFromTable(table);
    message.item3.TakeFromTable(table);
  }
  if (panelModel == kModelOv200P) {
    annunciatorWord.TakeFromTable(table);
  }
  if (!IsSetPoint()) {
    keysLeds.ledWord.TakeFromTable(table);
    keysLeds.buttonWord.TakeFromTable(table);
  }
  const size_t linesInUse = LineRegistersInUse();
  for (size_t line = 0; line < linesInUse; ++line) {
    lineRegisters[line].TakeFromTable(table);
  }
  passwordRegister.TakeFromTable(table);
}

int TOvPanel::AddressCountOver(const TOvMessage* replacement, std::optional<size_t> replacing,
                               const TOvMessage* appended) const {
  int count = FixedAddressCount(panelModel);
  bool plcPassword = false;
  auto add = [&](const TOvMessage& message) {
    count += MessageAddressCount(message, IsSetPoint());
    plcPassword = plcPassword || UsesPlcPassword(message);
  };
  for (size_t i = 0; i < messages.size(); ++i) {
    add(replacing && *replacing == i && replacement != nullptr ? *replacement : messages[i]);
  }
  if (appended != nullptr) {
    add(*appended);
  }
  // The PLC password register takes one entry once any item asks for it.
  if (panelModel == kModelOv200P && plcPassword) {
    ++count;
  }
  return count;
}

int TOvPanel::AddressCount() const {
  return AddressCountOver(nullptr, std::nullopt, nullptr);
}

int TOvPanel::AddressCountWith(const TOvMessage& candidate, std::optional<size_t> replacing) const {
  if (replacing && *replacing < messages.size()) {
    return AddressCountOver(&candidate, replacing, nullptr);
  }
  return AddressCountOver(nullptr, std::nullopt, &candidate);
}

bool TOvPanel::AllowsMessage(const TOvMessage& candidate, std::optional<size_t> replacing) const {
  return AddressCountWith(candidate, replacing) <= kMaxTagTableEntries;
}

void ReportAddressLimit(UserInterface& ui) {
  ui.ShowMessage(Message{LoadString(strings::kT001), {}, Icon::None, {}, 0});
}

}  // namespace orvane
