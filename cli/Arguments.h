// A small command-line parser shared by every orvane-cli command.
#pragma once

#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace orvane::cli {

/// Thrown for a bad command line; main() prints it with the usage hint and
/// exits with kExitUsage.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct OptionSpec {
  std::string name;  // "--port" or "-o"
  bool takesValue = false;
  bool repeatable = false;  // may be given more than once (values are kept in order)
  std::string alias;        // another spelling, for example "--output" for "-o"
};

/// Parses "--name value", "--name=value", "-o value", flags and positional
/// arguments. "--" ends the options. Unknown options are usage errors.
class Arguments {
 public:
  Arguments(const std::vector<std::string>& args, const std::vector<OptionSpec>& optionSpecs);

  bool Has(const std::string& name) const;
  /// The last value given for the option, if any.
  std::optional<std::string> Value(const std::string& name) const;
  /// Every value given for a repeatable option, in order.
  std::vector<std::string> Values(const std::string& name) const;
  /// The value, or a usage error naming the option when it is missing.
  std::string Required(const std::string& name) const;
  /// An integer value within [low, high], or a usage error.
  std::optional<long> Integer(const std::string& name, long low, long high) const;

  const std::vector<std::string>& Positional() const { return positional_; }

 private:
  std::map<std::string, std::vector<std::string>> values_;
  std::vector<std::string> positional_;
};

/// Parses a whole decimal (or 0x-prefixed hexadecimal) number; nothing on
/// anything else.
std::optional<long> ParseNumber(const std::string& text);

}  // namespace orvane::cli
