#include "cli/Arguments.h"

#include <cerrno>
#include <cstdlib>

namespace orvane::cli {
namespace {

const OptionSpec* FindSpec(const std::vector<OptionSpec>& optionSpecs, const std::string& name) {
  for (const OptionSpec& option : optionSpecs) {
    if (option.name == name || (!option.alias.empty() && option.alias == name)) {
      return &option;
    }
  }
  return nullptr;
}

}  // namespace

std::optional<long> ParseNumber(const std::string& text) {
  if (text.empty()) {
    return std::nullopt;
  }
  const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
  const char* begin = text.c_str() + (hex ? 2 : 0);
  if (*begin == '\0' || *begin == '+' || *begin == ' ') {
    return std::nullopt;
  }
  char* end = nullptr;
  errno = 0;
  const long value = std::strtol(begin, &end, hex ? 16 : 10);
  if (errno != 0 || end == begin || *end != '\0') {
    return std::nullopt;
  }
  return value;
}

Arguments::Arguments(const std::vector<std::string>& args,
                     const std::vector<OptionSpec>& optionSpecs) {
  bool optionsEnded = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
      positional_.push_back(arg);
      continue;
    }
    if (arg == "--") {
      optionsEnded = true;
      continue;
    }
    std::string name = arg;
    std::optional<std::string> inlineValue;
    if (const auto equals = arg.find('='); arg.rfind("--", 0) == 0 && equals != std::string::npos) {
      name = arg.substr(0, equals);
      inlineValue = arg.substr(equals + 1);
    }
    const OptionSpec* option = FindSpec(optionSpecs, name);
    if (option == nullptr) {
      throw UsageError("unknown option " + name);
    }
    std::vector<std::string>& slot = values_[option->name];
    if (!slot.empty() && !option->repeatable) {
      throw UsageError("option " + option->name + " given twice");
    }
    if (option->takesValue) {
      if (inlineValue) {
        slot.push_back(*inlineValue);
      } else if (i + 1 < args.size()) {
        slot.push_back(args[++i]);
      } else {
        throw UsageError("option " + option->name + " needs a value");
      }
    } else {
      if (inlineValue) {
        throw UsageError("option " + option->name + " takes no value");
      }
      slot.push_back("");
    }
  }
}

bool Arguments::Has(const std::string& name) const {
  return values_.count(name) != 0;
}

std::optional<std::string> Arguments::Value(const std::string& name) const {
  const auto found = values_.find(name);
  if (found == values_.end() || found->second.empty()) {
    return std::nullopt;
  }
  return found->second.back();
}

std::vector<std::string> Arguments::Values(const std::string& name) const {
  const auto found = values_.find(name);
  return found == values_.end() ? std::vector<std::string>{} : found->second;
}

std::string Arguments::Required(const std::string& name) const {
  auto value = Value(name);
  if (!value) {
    throw UsageError("missing " + name);
  }
  return *value;
}

std::optional<long> Arguments::Integer(const std::string& name, long low, long high) const {
  const auto text = Value(name);
  if (!text) {
    return std::nullopt;
  }
  const auto number = ParseNumber(*text);
  if (!number || *number < low || *number > high) {
    throw UsageError(name + " must be a number from " + std::to_string(low) + " to " +
                     std::to_string(high));
  }
  return number;
}

}  // namespace orvane::cli
