#include "view/SystemAddressSetup.h"

#include <limits>
#include <optional>

#include "project/TOvProject.h"
#include "view/FieldNumbers.h"

namespace orvane {

SystemAddressSetup::SystemAddressSetup(TOvProject& project, TOvPanel& panel, UserInterface& ui)
    : project_(project), panel_(panel), ui_(ui), kind_(FieldKindFor(project)) {}

SystemAddressFields SystemAddressSetup::Fields() const {
  SystemAddressFields fields;
  for (size_t line = 0; line < fields.lines.size(); ++line) {
    fields.lines[line] = FieldTextOf(panel_.lineRegisters[line], kind_);
    fields.lineTypes[line] = panel_.lineRegisters[line].dataType;
  }
  fields.localPassword = std::to_string(panel_.localPassword);
  fields.passwordRegister = FieldTextOf(panel_.passwordRegister, kind_);
  fields.passwordType = panel_.passwordRegister.dataType;
  fields.beeper = panel_.beeperEnabled;
  fields.messageDelay = panel_.plcMessageDelay;
  fields.cursor = panel_.cursorOnPlcMessage;
  return fields;
}

bool SystemAddressSetup::LineInUse(int line) const {
  return line >= 1 && static_cast<size_t>(line) <= panel_.LineRegistersInUse();
}

bool SystemAddressSetup::Accept(const SystemAddressFields& fields) {
  failed_ = SystemAddressField::None;
  // Everything is checked on copies first: a refusal leaves the panel as
  // it was, so Cancel after a refused OK changes nothing.
  uint32_t localPassword = panel_.localPassword;
  if (PasswordsInUse()) {
    const std::optional<int64_t> value =
        ReadFieldNumberIn(fields.localPassword, 0, std::numeric_limits<uint32_t>::max(), ui_);
    if (!value) {
      failed_ = SystemAddressField::LocalPassword;
      return false;
    }
    localPassword = static_cast<uint32_t>(*value);
  }
  AddressEntry entry(project_, ui_);
  std::array<TOvTag, kLineRegisterCount> lines = panel_.lineRegisters;
  for (size_t line = 0; line < lines.size(); ++line) {
    if (!LineInUse(static_cast<int>(line) + 1)) {
      continue;
    }
    const AddressRule rule{kAccessReadOnly, fields.lineTypes[line], false};
    if (!entry.Enter(fields.lines[line], rule, lines[line])) {
      failed_ = static_cast<SystemAddressField>(static_cast<int>(SystemAddressField::Line1) +
                                                static_cast<int>(line));
      return false;
    }
  }
  TOvTag passwordRegister = panel_.passwordRegister;
  if (PasswordsInUse() &&
      !entry.Enter(fields.passwordRegister,
                   AddressRule{kAccessReadOnly, fields.passwordType, false}, passwordRegister)) {
    failed_ = SystemAddressField::PasswordRegister;
    return false;
  }

  panel_.lineRegisters = lines;
  panel_.passwordRegister = passwordRegister;
  panel_.localPassword = localPassword;
  panel_.beeperEnabled = fields.beeper;
  panel_.plcMessageDelay = fields.messageDelay;
  panel_.cursorOnPlcMessage = fields.cursor;
  project_.changed = true;
  return true;
}

}  // namespace orvane
