#include "project/TOvException.h"

#include <utility>

#include "base/StringTable.h"

namespace orvane {

TOvException::TOvException(int32_t stringId, std::string text)
    : stringId_(stringId), text_(std::move(text)), what_(DisplayText()) {}

std::string TOvException::DisplayText() const {
  if (!text_.empty() || stringId_ == 0) {
    return text_;
  }
  return LoadString(stringId_);
}

const char* TOvException::what() const noexcept {
  return what_.c_str();
}

TOvException UnknownValueType(int32_t value) {
  std::string text = LoadString(strings::kZ006);
  const std::string placeholder = "%1";
  const std::string::size_type at = text.find(placeholder);
  if (at != std::string::npos) {
    text.replace(at, placeholder.size(), std::to_string(value));
  }
  return TOvException(strings::kZ006, std::move(text));
}

}  // namespace orvane
