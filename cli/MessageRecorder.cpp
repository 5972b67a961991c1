#include "cli/MessageRecorder.h"

namespace orvane::cli {

void MessageRecorder::ShowMessage(const Message& message) {
  texts_.push_back(message.text);
  ForwardingUserInterface::ShowMessage(message);
}

std::string MessageRecorder::TakeMessages() {
  std::string joined;
  for (const std::string& text : texts_) {
    if (!joined.empty()) {
      joined += '\n';
    }
    joined += text;
  }
  texts_.clear();
  return joined;
}

}  // namespace orvane::cli
