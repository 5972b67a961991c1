// The five function keys and their LEDs, and the annunciator lamps: the
// bits the panel keeps in the button word and the states it reads from the
// LED and annunciator words.
//
// Button word (the panel writes it): bits 8..12 the keys F1..F5 (octal 10 to
// 14), bits 0..4 the acknowledgements of the PLC's releases. LED word (the
// panel reads it): bits 8..12 the LEDs, bits 0..4 the PLC's releases.
#pragma once

#include <array>
#include <cstdint>

#include "sim/SystemAttributes.h"

namespace orvane::sim {

enum class LampState : uint8_t { Off, On, Flash, FastFlash };
const char* LampStateName(LampState state);

inline constexpr int kKeyBitShift = 8;

class FunctionKeys {
 public:
  void Configure(const std::array<KeyAction, kFunctionKeyCount>& actions,
                 const std::array<LedMode, kFunctionKeyCount>& modes);

  /// A key goes down or up; the LED word as the PLC holds it now.
  void Press(int key, uint16_t led_word);
  void Release(int key, uint16_t led_word);
  /// The PLC's release bits: a key that stays set (alternate, panel set) is
  /// released when its bit comes on, and acknowledged until it goes off.
  void FollowLedWord(uint16_t led_word);

  uint16_t ButtonWord() const { return buttonWord_; }
  bool KeyDown(int key) const { return down_[key]; }
  /// Off, on or flashing by the LED's mode.
  LampState Led(int key, uint16_t led_word) const;

 private:
  std::array<KeyAction, kFunctionKeyCount> actions_{};
  std::array<LedMode, kFunctionKeyCount> modes_{};
  std::array<bool, kFunctionKeyCount> down_{};
  uint16_t buttonWord_ = 0;
};

/// Lamp 1..3 from its two bits 2(n-1) and 2(n-1)+1: none off, the lower on,
/// the upper flashing, both flashing fast.
LampState AnnunciatorLamp(uint16_t word, int lamp);

}  // namespace orvane::sim
