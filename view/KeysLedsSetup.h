// "Buttons / LEDs" as plain C++: the action of each of the five function
// keys, the mode of each LED, and the two PLC words the keys and LEDs talk
// through. The combos write into the panel as soon as they change; Cancel
// puts back what the panel held when the dialog opened.
#pragma once

#include <array>
#include <string>

#include "project/TOvKeyLedConfig.h"
#include "view/AddressEntry.h"

namespace orvane {

class TOvPanel;
class TOvProject;
class UserInterface;

/// The combo texts by value.
inline constexpr std::array<const char*, 3> kButtonActionTexts = {"Momentary", "Alternate",
                                                                  "Panel Set & PLC Release"};
inline constexpr std::array<const char*, 3> kLedModeTexts = {"By Button", "By Button & Flash",
                                                             "By PLC"};

/// Control ids of the dialog.
namespace keys_leds {
inline constexpr int kFirstButtonAction = 1038;  // F1; F2 to F5 follow
inline constexpr int kFirstLedMode = 1043;       // LED 1; LEDs 2 to 5 follow
inline constexpr int kLedWord = 1048;
inline constexpr int kButtonWord = 1050;
}  // namespace keys_leds

enum class KeysLedsField { None, LedWord, ButtonWord };

/// The label of a bit of the LED and button words. The words' bits 8 to
/// 12 carry the keys and LEDs, bits 0 to 4 the release and acknowledge
/// bits; a PLC that numbers bits in octal calls bits 8 to 12 "B10" to "B14".
std::string WordBitLabel(int bit, bool octal);
/// Whether the project's PLC numbers the bits of a word in octal
/// (DirectLOGIC).
bool NumbersBitsInOctal(const TOvProject& project);

class KeysLedsSetup {
 public:
  /// Takes the copies Cancel restores. project, panel (one of the
  /// project's) and ui must outlive this object.
  KeysLedsSetup(TOvProject& project, TOvPanel& panel, UserInterface& ui);

  AddressFieldKind Kind() const { return kind_; }
  /// key: 1 to 5.
  int ButtonAction(int key) const;
  int LedMode(int key) const;
  /// A combo's new choice, into the panel at once. Values outside 0 to 2
  /// and keys outside 1 to 5 are ignored.
  void SetButtonAction(int key, int action);
  void SetLedMode(int key, int mode);
  /// What the word fields show on opening.
  std::string LedWordText() const;
  std::string ButtonWordText() const;

  /// OK: the LED word is checked as a read only Binary 16 word and stored;
  /// then the button word, as a read/write Binary 16 word. A refusal ends
  /// it there (an invalid LED word before the button word is looked at),
  /// with FailedField() naming the field; true when both were taken (the
  /// project is marked changed).
  bool Accept(const std::string& ledWordText, const std::string& buttonWordText);
  KeysLedsField FailedField() const { return failed_; }
  /// Cancel: the panel's words, actions and modes as they were on opening.
  void Cancel();

 private:
  TOvProject& project_;
  TOvPanel& panel_;
  UserInterface& ui_;
  AddressFieldKind kind_;
  TOvKeyLedConfig original_;
  KeysLedsField failed_ = KeysLedsField::None;
};

}  // namespace orvane
