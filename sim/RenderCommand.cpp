#include "sim/RenderCommand.h"

#include "sim/PanelAddressBook.h"
#include "sim/PanelViewOutput.h"

namespace orvane::sim {

bool ParseKeyStep(const std::string& text, KeyStep& step) {
  std::string name = text;
  step = KeyStep{};
  if (const size_t colon = text.find(':'); colon != std::string::npos) {
    name = text.substr(0, colon);
    const std::string how = text.substr(colon + 1);
    if (how == "down") {
      step.release = false;
    } else if (how == "up") {
      step.press = false;
    } else {
      return false;
    }
  }
  const std::optional<Key> key = ParseKey(name);
  if (!key) {
    return false;
  }
  step.key = *key;
  return true;
}

std::string ApplyRegister(VirtualPanel& panel, const PanelAddressBook& book,
                          const std::string& assignment) {
  std::string name;
  std::string valueText;
  RegisterValueText value;
  if (!SplitAssignment(assignment, name, valueText) || !ParseRegisterValue(valueText, value)) {
    return assignment + ": give ADDRESS=VALUE or #N=VALUE, VALUE a number or 0x and hex digits";
  }
  std::string error;
  const std::vector<uint16_t> tags = book.Resolve(name, panel.Tags(), error);
  if (tags.empty()) {
    return error;
  }
  for (const uint16_t tag : tags) {
    error = value.bits ? panel.SetRegisterBits(tag, value.number)
                       : panel.SetRegister(tag, value.number);
    if (!error.empty()) {
      return name + ": " + error;
    }
  }
  return {};
}

std::string ApplyKey(VirtualPanel& panel, const std::string& text) {
  KeyStep step;
  if (!ParseKeyStep(text, step)) {
    return text + ": not a key (F1..F5, UP, DOWN, LEFT, RIGHT, ENTER, ESC, CLEAR, 0..9, " +
           "with :down or :up to hold or let go)";
  }
  std::string error;
  if (step.press) {
    error = panel.Press(step.key);
  }
  if (error.empty() && step.release) {
    error = panel.Release(step.key);
  }
  return error;
}

bool RenderPanel(const SimulatedPanel& device, const RenderRequest& request, std::string& out,
                 std::string& error) {
  VirtualPanel panel(device.Model());
  panel.Load(device.Memory(), device.BehindMultiplexer());
  const PanelAddressBook book(device.Memory());
  for (const std::string& assignment : request.registers) {
    error = ApplyRegister(panel, book, assignment);
    if (!error.empty()) {
      return false;
    }
  }
  for (const std::string& key : request.keys) {
    error = ApplyKey(panel, key);
    if (!error.empty()) {
      return false;
    }
  }
  const AddressNamer name = [&book](const TagEntry& entry) { return book.AddressText(entry); };
  const PanelView view = panel.View();
  out = request.json ? ViewJson(panel, view, name) + "\n" : ViewText(panel, view, name);
  return true;
}

}  // namespace orvane::sim
