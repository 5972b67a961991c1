#include "sim/Faults.h"

#include <charconv>
#include <cstdio>

namespace orvane::sim {
namespace {

// A whole number in decimal or with a 0x prefix in hexadecimal.
std::optional<long> ParseWhole(std::string_view text) {
  int base = 10;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    base = 16;
    text.remove_prefix(2);
  }
  long value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
    return std::nullopt;
  }
  return value;
}

std::string JoinNumbers(const std::set<int>& numbers) {
  std::string text;
  for (const int number : numbers) {
    text += (text.empty() ? "" : ",") + std::to_string(number);
  }
  return text;
}

}  // namespace

std::optional<std::set<int>> ParseNumberList(const std::string& text) {
  std::set<int> numbers;
  size_t from = 0;
  for (;;) {
    const size_t comma = text.find(',', from);
    const std::optional<long> number =
        ParseWhole(std::string_view(text).substr(from, comma - from));
    if (!number || *number < 1 || *number > 1'000'000'000) {
      return std::nullopt;
    }
    numbers.insert(static_cast<int>(*number));
    if (comma == std::string::npos) {
      return numbers;
    }
    from = comma + 1;
  }
}

std::optional<std::pair<int, int>> ParseStrayBytes(const std::string& text) {
  const size_t at = text.find('@');
  const std::optional<long> count = ParseWhole(std::string_view(text).substr(0, at));
  if (!count || *count < 1 || *count > 1000) {
    return std::nullopt;
  }
  if (at == std::string::npos) {
    return std::pair<int, int>(static_cast<int>(*count), 0);
  }
  const std::optional<long> reply = ParseWhole(std::string_view(text).substr(at + 1));
  if (!reply || *reply < 1 || *reply > 1'000'000'000) {
    return std::nullopt;
  }
  return std::pair<int, int>(static_cast<int>(*count), static_cast<int>(*reply));
}

std::optional<std::pair<uint8_t, uint8_t>> ParseRefusal(const std::string& text) {
  const size_t colon = text.find(':');
  if (colon == std::string::npos) {
    return std::nullopt;
  }
  const std::optional<long> code = ParseWhole(std::string_view(text).substr(0, colon));
  const std::optional<long> error = ParseWhole(std::string_view(text).substr(colon + 1));
  if (!code || !error || *code < 0 || *code > 255 || *error < 0 || *error > 255) {
    return std::nullopt;
  }
  return std::pair<uint8_t, uint8_t>(static_cast<uint8_t>(*code), static_cast<uint8_t>(*error));
}

std::string DescribeFaults(const FaultPlan& plan) {
  std::string text;
  char line[128] = {};
  if (!plan.dropReplyTo.empty()) {
    text += "drop the reply to command " + JoinNumbers(plan.dropReplyTo) + "\n";
  }
  if (!plan.corruptCrcOf.empty()) {
    text += "corrupt the CRC of reply " + JoinNumbers(plan.corruptCrcOf) + "\n";
  }
  if (plan.strayBytes > 0) {
    if (plan.strayReply > 0) {
      std::snprintf(line, sizeof line, "send %d stray bytes before reply %d\n", plan.strayBytes,
                    plan.strayReply);
    } else {
      std::snprintf(line, sizeof line, "send %d stray bytes before every reply\n", plan.strayBytes);
    }
    text += line;
  }
  for (const auto& [code, error] : plan.refuse) {
    std::snprintf(line, sizeof line, "refuse command 0x%02X with error code %d\n", code, error);
    text += line;
  }
  for (const auto& [command, error] : plan.refuseCommand) {
    std::snprintf(line, sizeof line, "refuse command %d with error code %d\n", command, error);
    text += line;
  }
  if (plan.stopAfter > 0) {
    text += "stop answering after " + std::to_string(plan.stopAfter) + " commands\n";
  }
  if (plan.delay_ms > 0) {
    text += "delay every reply by " + std::to_string(plan.delay_ms) + " ms\n";
  }
  if (!plan.unknownCodeOn.empty()) {
    text += "answer command " + JoinNumbers(plan.unknownCodeOn) + " with an unknown reply code\n";
  }
  if (plan.unplugAt > 0) {
    text += "unplug the line at command " + std::to_string(plan.unplugAt) + "\n";
  }
  return text;
}

}  // namespace orvane::sim
