// "Annunciator Setup" as plain C++: the PLC word whose bit pairs drive the
// three annunciator lamps of the model with passwords.
#pragma once

#include <array>
#include <string>

#include "view/AddressEntry.h"

namespace orvane {

class TOvPanel;
class TOvProject;
class UserInterface;

inline constexpr int kLampCount = 3;
/// The control id of the word's field.
inline constexpr int kAnnunciatorWordControl = 1028;

/// The names of the two bits of lamp 1 to 3: bits 2(n-1) and 2(n-1)+1,
/// "BIT%01d".
std::array<std::string, 2> LampBitNames(int lamp);
/// The labels of the four states of a lamp's bit pair, in the order
/// (0,0), (1,0), (0,1), (1,1) of its first and second bit.
std::array<std::string, 4> LampStateLabels(int lamp);

class AnnunciatorSetup {
 public:
  /// project, panel (one of the project's) and ui must outlive this object.
  AnnunciatorSetup(TOvProject& project, TOvPanel& panel, UserInterface& ui);

  AddressFieldKind Kind() const { return kind_; }
  /// What the word's field shows on opening.
  std::string WordText() const;
  /// OK: the word is checked as a read only Binary 16 word and stored
  /// (the project is marked changed); false after a refusal, with the
  /// panel unchanged.
  bool Accept(const std::string& wordText);

 private:
  TOvProject& project_;
  TOvPanel& panel_;
  UserInterface& ui_;
  AddressFieldKind kind_;
};

}  // namespace orvane
