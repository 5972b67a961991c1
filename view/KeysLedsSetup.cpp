#include "view/KeysLedsSetup.h"

#include "base/StringTable.h"
#include "project/TOvProject.h"

namespace orvane {
namespace {

// DirectLOGIC controllers (Koyo) number bits in octal.
constexpr unsigned char kDirectLogicManufacturer = 31;

bool ValidKey(int key) {
  return key >= 1 && key <= kKeyCount;
}

bool ValidChoice(int value) {
  return value >= 0 && value < 3;
}

}  // namespace

std::string WordBitLabel(int bit, bool octal) {
  return FormatText(octal ? "B%02o" : "B%02d", bit);
}

bool NumbersBitsInOctal(const TOvProject& project) {
  return project.plc.ManufacturerCode() == kDirectLogicManufacturer;
}

KeysLedsSetup::KeysLedsSetup(TOvProject& project, TOvPanel& panel, UserInterface& ui)
    : project_(project),
      panel_(panel),
      ui_(ui),
      kind_(FieldKindFor(project)),
      original_(panel.keysLeds) {}

int KeysLedsSetup::ButtonAction(int key) const {
  return ValidKey(key) ? panel_.keysLeds.buttonAction[static_cast<size_t>(key - 1)] : 0;
}

int KeysLedsSetup::LedMode(int key) const {
  return ValidKey(key) ? panel_.keysLeds.ledMode[static_cast<size_t>(key - 1)] : 0;
}

void KeysLedsSetup::SetButtonAction(int key, int action) {
  if (ValidKey(key) && ValidChoice(action)) {
    panel_.keysLeds.buttonAction[static_cast<size_t>(key - 1)] = action;
  }
}

void KeysLedsSetup::SetLedMode(int key, int mode) {
  if (ValidKey(key) && ValidChoice(mode)) {
    panel_.keysLeds.ledMode[static_cast<size_t>(key - 1)] = mode;
  }
}

std::string KeysLedsSetup::LedWordText() const {
  return FieldTextOf(panel_.keysLeds.ledWord, kind_);
}

std::string KeysLedsSetup::ButtonWordText() const {
  return FieldTextOf(panel_.keysLeds.buttonWord, kind_);
}

bool KeysLedsSetup::Accept(const std::string& ledWordText, const std::string& buttonWordText) {
  failed_ = KeysLedsField::None;
  AddressEntry entry(project_, ui_);
  // The panel reads the LED word and writes the button word.
  if (!entry.Enter(ledWordText, AddressRule{kAccessReadOnly, kDataTypeBinary16, true},
                   panel_.keysLeds.ledWord)) {
    failed_ = KeysLedsField::LedWord;
    return false;
  }
  if (!entry.Enter(buttonWordText, AddressRule{kAccessReadWrite, kDataTypeBinary16, true},
                   panel_.keysLeds.buttonWord)) {
    failed_ = KeysLedsField::ButtonWord;
    return false;
  }
  project_.changed = true;
  return true;
}

void KeysLedsSetup::Cancel() {
  panel_.keysLeds = original_;
}

}  // namespace orvane
