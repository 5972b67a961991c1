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

void TOvPanel::BuildTagTable(TOvTagTable& table) {
  for (TOvMessage& message : messages) {
    if (message.HasMarker(kItem1Marker) || message.setPointValue) {
      message.item1.AddToTable(table);
      if (message.item1.variableDecimalPoint) {
        message.item1.decimalPointRegister.AddToTable(table);
      }
    }
    if (message.HasMarker(kItem2Marker)) {
      message.item2.AddToTable(table);
    }
    if (message.HasMarker(kItem3Marker)) {
      message.item3.AddToTable(table);
    }
  }
  if (panelModel == kModelOv200P) {
    annunciatorWord.AddToTable(table);
  }
  if (!IsSetPoint()) {
    keysLeds.ledWord.AddToTable(table);
    keysLeds.buttonWord.AddToTable(table);
  }
  const size_t linesInUse = LineRegistersInUse();
  for (size_t line = 0; line < linesInUse; ++line) {
    lineRegisters[line].AddToTable(table);
  }
  if (!passwordRegister.addressText.empty()) {
    passwordRegister.AddToTable(table);
  }
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
