#include "link/SystemMessages.h"

#include <array>

#include "link/MessageText.h"
#include "project/TOvPanel.h"

namespace orvane {
namespace {

constexpr std::array<const char*, 7> kSystemTexts = {
    "READ ONLY VALUE", "INVALID",     "PASSWORD=",    "ERROR MESSAGE",
    "SETUP MODE",      "NO DATA SET", "OUT OF RANGE",
};

// The password entry shows ten digit positions of data item 1.
constexpr size_t kPasswordDigits = 10;
constexpr uint32_t kSetPointPasswordMaximum = 99999999u;
constexpr uint32_t kTextPanelPasswordMaximum = 0xFFFFu;

}  // namespace

TOvMessage SystemMessage(TOvPanel& panel, int32_t number) {
  TOvMessage message(&panel);
  message.number = number;
  if (number < kFirstSystemMessage || number > kLastSystemMessage) {
    return message;
  }
  message.text = kSystemTexts[static_cast<size_t>(number - kFirstSystemMessage)];
  message.item1.maximum = 0;
  if (number == kPasswordEntryMessage) {
    message.text.append(kPasswordDigits, kItem1Marker);
    message.item1.maximum =
        panel.IsSetPoint() ? kSetPointPasswordMaximum : kTextPanelPasswordMaximum;
  }
  return message;
}

std::vector<TOvMessage> SystemMessages(TOvPanel& panel) {
  std::vector<TOvMessage> messages;
  for (int32_t number = kFirstSystemMessage; number <= kLastSystemMessage; ++number) {
    messages.push_back(SystemMessage(panel, number));
  }
  return messages;
}

}  // namespace orvane
