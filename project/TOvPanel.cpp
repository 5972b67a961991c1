#include "project/TOvPanel.h"

#include <algorithm>
#include <utility>

#include "project/TOvProject.h"

namespace orvane {

TOvPanel::TOvPanel(TOvProject* owner, int32_t model) : panelModel(model), project(owner) {
  annunciatorWord.dataType = kDataTypeBinary16;
  AttachTo(owner);
}

// Every field, copied or moved as Source says; back-pointers are fixed by
// the caller.
template <typename Source>
void TOvPanel::AssignFields(Source&& other) {
  portNumber = other.portNumber;
  panelModel = other.panelModel;
  messages = std::forward<Source>(other).messages;
  keysLeds = std::forward<Source>(other).keysLeds;
  annunciatorWord = std::forward<Source>(other).annunciatorWord;
  firstMessageNumber = other.firstMessageNumber;
  lineRegisters = std::forward<Source>(other).lineRegisters;
  localPassword = other.localPassword;
  passwordRegister = std::forward<Source>(other).passwordRegister;
  project = other.project;
  beeperEnabled = other.beeperEnabled;
  plcMessageDelay = other.plcMessageDelay;
  cursorOnPlcMessage = other.cursorOnPlcMessage;
}

TOvPanel::TOvPanel(const TOvPanel& other) {
  AssignFields(other);
  AttachTo(project);
}

TOvPanel& TOvPanel::operator=(const TOvPanel& other) {
  if (this != &other) {
    AssignFields(other);
    AttachTo(project);
  }
  return *this;
}

TOvPanel::TOvPanel(TOvPanel&& other) noexcept {
  AssignFields(std::move(other));
  AttachTo(project);
}

TOvPanel& TOvPanel::operator=(TOvPanel&& other) noexcept {
  if (this != &other) {
    AssignFields(std::move(other));
    AttachTo(project);
  }
  return *this;
}

void TOvPanel::AttachTo(TOvProject* owner) {
  project = owner;
  for (TOvMessage& message : messages) {
    message.AttachTo(this);
  }
  keysLeds.AttachTo(owner);
  annunciatorWord.project = owner;
  for (TOvTag& line : lineRegisters) {
    line.project = owner;
  }
  passwordRegister.project = owner;
}

TOvMessage& TOvPanel::AddMessage(TOvMessage message) {
  messages.push_back(std::move(message));
  messages.back().AttachTo(this);
  return messages.back();
}

void TOvPanel::ConvertFrom(const TOvPanel& oldPanel) {
  if (oldPanel.IsSetPoint() == IsSetPoint()) {
    keysLeds = oldPanel.keysLeds;
    lineRegisters = oldPanel.lineRegisters;
    firstMessageNumber = oldPanel.firstMessageNumber;
    localPassword = oldPanel.localPassword;
    passwordRegister = oldPanel.passwordRegister;
    messages = oldPanel.messages;
    beeperEnabled = oldPanel.beeperEnabled;
    plcMessageDelay = oldPanel.plcMessageDelay;
    cursorOnPlcMessage = oldPanel.cursorOnPlcMessage;
    if (panelModel == kModelOv200P) {
      annunciatorWord = oldPanel.annunciatorWord;
    } else {
      ResetBitWord(annunciatorWord);
    }
    for (size_t line = LineRegistersInUse(); line < lineRegisters.size(); ++line) {
      lineRegisters[line].Reset();
    }
  } else {
    // Set point entries and text messages do not translate into each other.
    ResetBitWord(annunciatorWord);
    keysLeds.ClearActions();
    localPassword = 0;
    messages.clear();
    passwordRegister.Reset();
    firstMessageNumber = 0;
    for (TOvTag& line : lineRegisters) {
      line.Reset();
    }
  }
  portNumber = oldPanel.portNumber;
  if (!HasPasswords()) {
    for (TOvMessage& message : messages) {
      message.item1.passwordProtected = false;
    }
    localPassword = 0;
    passwordRegister.Reset();
  }
  AttachTo(project);
}

void TOvPanel::Reset() {
  messages.clear();
  keysLeds.ClearActions();
  ResetBitWord(annunciatorWord);
  beeperEnabled = true;
  plcMessageDelay = true;
  cursorOnPlcMessage = true;
}

uint32_t TOvPanel::KindMaximum(uint32_t dataType) const {
  return orvane::KindMaximum(panelModel, dataType);
}

size_t TOvPanel::LineRegistersInUse() const {
  return std::min(static_cast<size_t>(std::max(LineCount(), 0)), lineRegisters.size());
}

bool TOvPanel::HasLocalMessage() const {
  return std::any_of(messages.begin(), messages.end(),
                     [](const TOvMessage& message) { return message.isPlcMessage == 0; });
}

bool TOvPanel::Equals(const TOvPanel& other) const {
  if (panelModel != other.panelModel || firstMessageNumber != other.firstMessageNumber ||
      messages.size() != other.messages.size()) {
    return false;
  }
  for (size_t i = 0; i < messages.size(); ++i) {
    if (!messages[i].Equals(other.messages[i])) {
      return false;
    }
  }
  if (!keysLeds.Equals(other.keysLeds) || localPassword != other.localPassword ||
      !passwordRegister.Equals(other.passwordRegister) || beeperEnabled != other.beeperEnabled ||
      plcMessageDelay != other.plcMessageDelay || cursorOnPlcMessage != other.cursorOnPlcMessage) {
    return false;
  }
  const size_t linesInUse = LineRegistersInUse();
  for (size_t line = 0; line < linesInUse; ++line) {
    if (!lineRegisters[line].Equals(other.lineRegisters[line])) {
      return false;
    }
  }
  return panelModel != kModelOv200P || annunciatorWord.Equals(other.annunciatorWord);
}

void TOvPanel::ClearAllAddresses() {
  for (TOvMessage& message : messages) {
    message.ResetAddresses();
  }
  if (!IsSetPoint()) {
    keysLeds.ResetWords();
    if (panelModel == kModelOv200P) {
      ResetBitWord(annunciatorWord);
    }
  }
  for (TOvTag& line : lineRegisters) {
    line.Reset();
  }
  passwordRegister.Reset();
}

void TOvPanel::ForEachAddress(const std::function<void(TOvTag&)>& fn) {
  if (!IsSetPoint()) {
    fn(keysLeds.ledWord);
    fn(keysLeds.buttonWord);
    fn(annunciatorWord);
  }
  fn(lineRegisters[0]);
  fn(lineRegisters[1]);
  if (panelModel == kModelOv400) {
    fn(lineRegisters[2]);
    fn(lineRegisters[3]);
  }
  fn(passwordRegister);
  for (TOvMessage& message : messages) {
    if (message.Item1InUse()) {
      fn(message.item1);
      if (message.item1.variableDecimalPoint) {
        fn(message.item1.decimalPointRegister);
      }
    }
    if (message.Item2InUse()) {
      fn(message.item2);
    }
    if (message.Item3InUse()) {
      fn(message.item3);
    }
  }
}

}  // namespace orvane
