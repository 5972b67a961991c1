#include "sim/FunctionKeys.h"

namespace orvane::sim {
namespace {

uint16_t KeyBit(int key) {
  return static_cast<uint16_t>(1u << (kKeyBitShift + key));
}

uint16_t LowBit(int key) {
  return static_cast<uint16_t>(1u << key);
}

}  // namespace

const char* LampStateName(LampState state) {
  switch (state) {
    case LampState::Off:
      return "off";
    case LampState::On:
      return "on";
    case LampState::Flash:
      return "flash";
    case LampState::FastFlash:
      break;
  }
  return "fast flash";
}

void FunctionKeys::Configure(const std::array<KeyAction, kFunctionKeyCount>& actions,
                             const std::array<LedMode, kFunctionKeyCount>& modes) {
  actions_ = actions;
  modes_ = modes;
}

void FunctionKeys::Press(int key, uint16_t led_word) {
  if (down_[key]) {
    return;
  }
  down_[key] = true;
  switch (actions_[key]) {
    case KeyAction::Momentary:
    case KeyAction::PanelSetPlcRelease:
      buttonWord_ |= KeyBit(key);
      break;
    case KeyAction::Alternate:
      buttonWord_ ^= KeyBit(key);
      break;
  }
  FollowLedWord(led_word);
}

void FunctionKeys::Release(int key, uint16_t led_word) {
  if (!down_[key]) {
    return;
  }
  down_[key] = false;
  if (actions_[key] == KeyAction::Momentary) {
    buttonWord_ &= static_cast<uint16_t>(~KeyBit(key));
  }
  FollowLedWord(led_word);
}

void FunctionKeys::FollowLedWord(uint16_t led_word) {
  for (int key = 0; key < kFunctionKeyCount; ++key) {
    if (actions_[key] == KeyAction::Momentary) {
      continue;
    }
    const bool release = (led_word & LowBit(key)) != 0;
    if (release && (buttonWord_ & KeyBit(key)) != 0) {
      buttonWord_ &= static_cast<uint16_t>(~KeyBit(key));
      buttonWord_ |= LowBit(key);
    } else if (!release) {
      buttonWord_ &= static_cast<uint16_t>(~LowBit(key));
    }
  }
}

LampState FunctionKeys::Led(int key, uint16_t led_word) const {
  const bool set = (buttonWord_ & KeyBit(key)) != 0;
  switch (modes_[key]) {
    case LedMode::ByButton:
      return set ? LampState::On : LampState::Off;
    case LedMode::ByButtonFlash:
      return set ? LampState::Flash : LampState::Off;
    case LedMode::ByPlc:
      break;
  }
  return (led_word & KeyBit(key)) != 0 ? LampState::On : LampState::Off;
}

LampState AnnunciatorLamp(uint16_t word, int lamp) {
  const int shift = 2 * (lamp - 1);
  const bool lower = (word & (1u << shift)) != 0;
  const bool upper = (word & (1u << (shift + 1))) != 0;
  if (lower && upper) {
    return LampState::FastFlash;
  }
  if (upper) {
    return LampState::Flash;
  }
  return lower ? LampState::On : LampState::Off;
}

}  // namespace orvane::sim
