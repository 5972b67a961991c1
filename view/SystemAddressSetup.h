// "Panel System PLC Address Setup" as plain C++: the line registers, the
// local password and the PLC password register of the current panel, and
// its three flags. The dialog shows Fields() and hands what the user made
// of them to Accept().
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "project/TOvPanel.h"
#include "view/AddressEntry.h"

namespace orvane {

class TOvProject;
class UserInterface;

/// The fields of the dialog, as texts where the user types.
struct SystemAddressFields {
  std::array<std::string, kLineRegisterCount> lines;  // the field texts of lines 1 to 4
  std::array<uint32_t, kLineRegisterCount> lineTypes{};
  std::string localPassword;
  std::string passwordRegister;
  uint32_t passwordType = kDataTypeBcd16;
  bool beeper = true;
  bool messageDelay = true;
  bool cursor = true;

  bool operator==(const SystemAddressFields&) const = default;
};

/// The fields a refusal puts the focus on.
enum class SystemAddressField { None, Line1, Line2, Line3, Line4, LocalPassword, PasswordRegister };

class SystemAddressSetup {
 public:
  /// project, panel (one of the project's) and ui must outlive this object.
  SystemAddressSetup(TOvProject& project, TOvPanel& panel, UserInterface& ui);

  AddressFieldKind Kind() const { return kind_; }
  /// What the dialog shows on opening.
  SystemAddressFields Fields() const;
  /// Lines 1 to the model's line count take an address; the others are
  /// shown disabled.
  bool LineInUse(int line) const;
  /// The password fields are enabled on the model with passwords only.
  bool PasswordsInUse() const { return panel_.HasPasswords(); }

  /// OK. The local password must be a number of 0 to 4294967295; then lines
  /// 1 to 4 and the password register, in this order, are checked as read
  /// only with their data types (an empty text clears an address). The
  /// first refusal ends it with the panel unchanged and FailedField() naming
  /// the field; otherwise everything is stored, the project is marked
  /// changed and true is returned. Fields the model does not use are left as
  /// they are.
  bool Accept(const SystemAddressFields& fields);
  SystemAddressField FailedField() const { return failed_; }

 private:
  TOvProject& project_;
  TOvPanel& panel_;
  UserInterface& ui_;
  AddressFieldKind kind_;
  SystemAddressField failed_ = SystemAddressField::None;
};

}  // namespace orvane
