// The function keys and LEDs of a text panel.
#pragma once

#include <array>
#include <cstdint>

#include "project/TOvTag.h"

namespace orvane {

/// LED modes.
inline constexpr int32_t kLedByButton = 0;
inline constexpr int32_t kLedByButtonAndFlash = 1;
inline constexpr int32_t kLedByPlc = 2;
/// Button actions.
inline constexpr int32_t kButtonMomentary = 0;
inline constexpr int32_t kButtonAlternate = 1;
inline constexpr int32_t kButtonPanelSetPlcRelease = 2;

inline constexpr int kKeyCount = 5;

class TOvKeyLedConfig {
 public:
  TOvKeyLedConfig();

  /// Both words are Binary 16 words whose bits stand for the five keys:
  /// their data type is 1 after creation, every load and every reset.
  TOvTag ledWord;                                 // read by the panel
  TOvTag buttonWord;                              // written by the panel
  std::array<int32_t, kKeyCount> ledMode{};       // key k at [k - 1]
  std::array<int32_t, kKeyCount> buttonAction{};  // key k at [k - 1]

  /// All LED modes and button actions back to 0.
  void ClearActions();
  /// Both words reset, with data type 1.
  void ResetWords();
  /// Both words equal as addresses and the same modes and actions.
  bool Equals(const TOvKeyLedConfig& other) const;
  void AttachTo(TOvProject* owner);
};

/// Resets a word whose bits the panel reads or writes (the LED, button and
/// annunciator words): a reset address that stays a Binary 16 word.
void ResetBitWord(TOvTag& word);

}  // namespace orvane
