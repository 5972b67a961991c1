// The exception the project file reader throws while it reads and catches
// itself at the end of a load.
#pragma once

#include <cstdint>
#include <exception>
#include <string>

namespace orvane {

class TOvException : public std::exception {
 public:
  /// stringId 0 means "no string-table text"; text may be empty when the
  /// string-table text says it all.
  TOvException(int32_t stringId, std::string text);

  int32_t StringId() const { return stringId_; }
  const std::string& Text() const { return text_; }

  /// What the user sees: the exception's own text when it has one (it then
  /// already carries any value filled into the string-table text), else the
  /// string-table text of its id.
  std::string DisplayText() const;

  const char* what() const noexcept override;

 private:
  int32_t stringId_ = 0;
  std::string text_;
  std::string what_;
};

/// The Z006 error for an unknown data type value, with the value filled in
/// for "%1".
TOvException UnknownValueType(int32_t value);

}  // namespace orvane
