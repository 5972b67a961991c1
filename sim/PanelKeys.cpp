#include "sim/PanelKeys.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace orvane::sim {
namespace {

constexpr std::array<const char*, 22> kNames = {
    "F1",    "F2", "F3", "F4", "F5", "UP", "DOWN", "LEFT", "RIGHT", "ENTER", "ESC",
    "CLEAR", "0",  "1",  "2",  "3",  "4",  "5",    "6",    "7",     "8",     "9",
};

}  // namespace

std::optional<Key> ParseKey(std::string_view name) {
  std::string upper(name);
  std::transform(upper.begin(), upper.end(), upper.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  for (size_t i = 0; i < kNames.size(); ++i) {
    if (upper == kNames[i]) {
      return static_cast<Key>(i);
    }
  }
  return std::nullopt;
}

std::string KeyName(Key key) {
  return kNames[static_cast<size_t>(key)];
}

bool ModelHasKey(int model, Key key) {
  if (IsFunctionKey(key)) {
    return model != 5;
  }
  if (IsDigitKey(key) || key == Key::Clear) {
    return model == 3;
  }
  return true;
}

}  // namespace orvane::sim
