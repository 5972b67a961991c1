#include "project/TOvKeyLedConfig.h"

namespace orvane {

void ResetBitWord(TOvTag& word) {
  word.Reset();
  word.dataType = kDataTypeBinary16;
}

TOvKeyLedConfig::TOvKeyLedConfig() {
  ledWord.dataType = kDataTypeBinary16;
  buttonWord.dataType = kDataTypeBinary16;
}

void TOvKeyLedConfig::ClearActions() {
  ledMode.fill(kLedByButton);
  buttonAction.fill(kButtonMomentary);
}

void TOvKeyLedConfig::ResetWords() {
  ResetBitWord(ledWord);
  ResetBitWord(buttonWord);
}

bool TOvKeyLedConfig::Equals(const TOvKeyLedConfig& other) const {
  return ledWord.Equals(other.ledWord) && buttonWord.Equals(other.buttonWord) &&
         ledMode == other.ledMode && buttonAction == other.buttonAction;
}

void TOvKeyLedConfig::AttachTo(TOvProject* owner) {
  ledWord.project = owner;
  buttonWord.project = owner;
}

}  // namespace orvane
