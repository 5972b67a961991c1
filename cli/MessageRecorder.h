// Passes everything on to another user interface and keeps the texts of the
// messages shown, so a command can report them with its results.
#pragma once

#include <string>
#include <vector>

#include "base/ForwardingUserInterface.h"

namespace orvane::cli {

class MessageRecorder : public ForwardingUserInterface {
 public:
  /// inner must outlive the recorder.
  explicit MessageRecorder(UserInterface& inner) : ForwardingUserInterface(inner) {}

  void ShowMessage(const Message& message) override;

  /// The texts shown since the last call, joined by line breaks.
  std::string TakeMessages();

 private:
  std::vector<std::string> texts_;
};

}  // namespace orvane::cli
