// A user interface that passes everything on to another one: the base of
// the interfaces that add to what is shown (a place in a file, a record of
// the texts) and leave the rest as it is.
#pragma once

#include <optional>
#include <string>

#include "base/UserInterface.h"

namespace orvane {

class ForwardingUserInterface : public UserInterface {
 public:
  /// inner must outlive this object.
  explicit ForwardingUserInterface(UserInterface& inner) : inner_(inner) {}

  void ShowMessage(const Message& message) override { inner_.ShowMessage(message); }
  Answer Ask(const Question& question) override { return inner_.Ask(question); }
  std::optional<std::string> ChooseOpenFile(const FileRequest& request) override {
    return inner_.ChooseOpenFile(request);
  }
  std::optional<std::string> ChooseSaveFile(const FileRequest& request) override {
    return inner_.ChooseSaveFile(request);
  }
  std::optional<int> Choose(const ChoiceRequest& request) override {
    return inner_.Choose(request);
  }

 protected:
  UserInterface& Inner() { return inner_; }

 private:
  UserInterface& inner_;
};

}  // namespace orvane
