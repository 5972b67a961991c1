#include "sim/ControlChannel.h"

#include "sim/PanelViewOutput.h"

namespace orvane::sim {

ControlChannel::ControlChannel(const SimulatedPanel& panel,
                               std::function<void(const std::string&)> write)
    : write_(std::move(write)), panel_(panel) {
  lastState_ = StateJson();
}

ControlChannel::~ControlChannel() = default;

void ControlChannel::Reply(const std::string& command, const std::string& error) {
  std::string line = "{\"reply\":" + JsonString(command);
  if (error.empty()) {
    lastState_ = StateJson();
    line += ",\"ok\":true,\"state\":" + lastState_;
  } else {
    line += ",\"ok\":false,\"error\":" + JsonString(error);
  }
  write_(line + "}\n");
}

bool ControlChannel::Handle(const std::string& line) {
  const size_t space = line.find(' ');
  const std::string command = line.substr(0, space);
  const std::string argument = space == std::string::npos ? "" : line.substr(space + 1);
  if (command.empty()) {
    return true;
  }
  if (command == "quit") {
    write_("{\"reply\":\"quit\",\"ok\":true}\n");
    return false;
  }
  if (command == "state") {
    Reply(command, {});
  } else if (command == "set") {
    Reply(command, panel_.SetRegister(argument));
  } else if (command == "press" || command == "release" || command == "click") {
    const std::string suffix = command == "press" ? ":down" : command == "release" ? ":up" : "";
    Reply(command, argument.find(':') != std::string::npos ? argument + ": not a key"
                                                           : panel_.Key(argument + suffix));
  } else {
    Reply(command, command + ": not a command (set, press, release, click, state, quit)");
  }
  return true;
}

bool ControlChannel::Take(const std::string& bytes) {
  pending_ += bytes;
  for (size_t end = pending_.find('\n'); end != std::string::npos; end = pending_.find('\n')) {
    std::string line = pending_.substr(0, end);
    pending_.erase(0, end + 1);
    if (!line.empty() && line.back() == '\r') {
      line.pop_back();
    }
    if (!Handle(line)) {
      return false;
    }
  }
  return true;
}

void ControlChannel::Refresh() {
  panel_.Follow();
  const std::string state = StateJson();
  if (state != lastState_) {
    lastState_ = state;
    write_("{\"event\":\"state\",\"state\":" + state + "}\n");
  }
}

}  // namespace orvane::sim
