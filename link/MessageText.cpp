#include "link/MessageText.h"

#include <algorithm>

#include "project/TOvMessage.h"

namespace orvane {
namespace {

constexpr std::array<char, 3> kItemMarkers = {kItem1Marker, kItem2Marker, kItem3Marker};
constexpr char kFolderMark = '+';

// The data items as the message editor names them to the user.
constexpr std::array<const char*, 3> kItemNames = {"\"DATA SET 1\"", "\"DATA SET 2\"",
                                                   "\"DATA SET 3\""};

bool IsWideDataType(uint32_t dataType) {
  return dataType == 2 || dataType == 3;
}

bool ItemUsesWideCodes(const TOvMessage& message, int item) {
  switch (item) {
    case 1:
      return Item1UsesWideCodes(message);
    case 2:
      return IsWideDataType(message.item2.dataType);
    default:
      return IsWideDataType(message.item3.dataType);
  }
}

uint32_t ItemDataType(const TOvMessage& message, int item) {
  switch (item) {
    case 1:
      return message.item1.dataType;
    case 2:
      return message.item2.dataType;
    default:
      return message.item3.dataType;
  }
}

// Digit positions of an item: its markers in the text.
size_t MarkerCount(const TOvMessage& message, int item) {
  return static_cast<size_t>(
      std::count(message.text.begin(), message.text.end(), kItemMarkers[item - 1]));
}

// The message editor's refusal of too many digits.
std::string MaximumDigitsText(int item, size_t maximum) {
  return "Maximum " + std::to_string(maximum) + "  " + kItemNames[item - 1] +
         " can be defined with selected data type";
}

std::string WithFolderMark(const TOvMessage& message) {
  std::string text = message.text;
  if (message.isFolder != 0) {
    text.insert(text.begin(), kFolderMark);
  }
  return text;
}

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Replaces every occurrence of code by to; returns how many there were.
size_t ReplaceAll(std::string& text, uint8_t code, char to) {
  size_t count = 0;
  for (char& c : text) {
    if (static_cast<uint8_t>(c) == code) {
      c = to;
      ++count;
    }
  }
  return count;
}

// Item 1's codes back to markers. The encoder gives the decimal point the
// top code, so the top code (and only a code that occurs twice) stands for
// a digit and the decimal point: the last item 1 position becomes 0xFC.
void DecodeItem1(std::string& text, DataItemCodes codes) {
  for (int code = codes.bottom; code <= codes.top; ++code) {
    if (ReplaceAll(text, static_cast<uint8_t>(code), kItem1Marker) > 1) {
      text[text.rfind(kItem1Marker)] = kDecimalPointMarker;
    }
  }
}

void DecodeItem(std::string& text, DataItemCodes codes, char marker) {
  for (int code = codes.bottom; code <= codes.top; ++code) {
    ReplaceAll(text, static_cast<uint8_t>(code), marker);
  }
}

}  // namespace

int32_t WireMessageNumber(int32_t number, int32_t firstMessageNumber) {
  if (firstMessageNumber == kNoFirstMessageNumber || number < firstMessageNumber) {
    return number;
  }
  return firstMessageNumber - number + 256;
}

DataItemCodes CodesOfDataItem(int item, bool wide) {
  const int index = std::clamp(item, 1, 3) - 1;
  if (wide) {
    const auto bottom = static_cast<uint8_t>(144 + 10 * index);
    return {bottom, static_cast<uint8_t>(bottom + 9)};
  }
  const auto bottom = static_cast<uint8_t>(128 + 5 * index);
  return {bottom, static_cast<uint8_t>(bottom + 4)};
}

bool Item1UsesWideCodes(const TOvMessage& message) {
  return IsWideDataType(message.item1.dataType) || message.number == kPasswordEntryMessage;
}

int OverfullDataItem(const TOvMessage& message) {
  for (int item = 1; item <= 3; ++item) {
    if (MarkerCount(message, item) >
        CodesOfDataItem(item, ItemUsesWideCodes(message, item)).Capacity()) {
      return item;
    }
  }
  return 0;
}

std::string OverfullDataItemText(const TOvMessage& message) {
  const int item = OverfullDataItem(message);
  if (item == 0) {
    return {};
  }
  return MaximumDigitsText(item,
                           CodesOfDataItem(item, ItemUsesWideCodes(message, item)).Capacity());
}

size_t DataItemDigitLimit(uint32_t dataType) {
  switch (dataType) {
    case 2:
      return 8;
    case 3:
      return 10;
    default:
      return 5;
  }
}

int DataItemOverDigitLimit(const TOvMessage& message) {
  for (int item = 1; item <= 3; ++item) {
    if (MarkerCount(message, item) > DataItemDigitLimit(ItemDataType(message, item))) {
      return item;
    }
  }
  return 0;
}

std::string DataItemDigitLimitText(const TOvMessage& message) {
  const int item = DataItemOverDigitLimit(message);
  return item == 0 ? std::string()
                   : MaximumDigitsText(item, DataItemDigitLimit(ItemDataType(message, item)));
}

std::optional<std::array<uint8_t, kMessageTextLength>> EncodeMessageText(
    const TOvMessage& message) {
  if (OverfullDataItem(message) != 0) {
    return std::nullopt;
  }
  std::string text = WithFolderMark(message);
  for (int item = 1; item <= 3; ++item) {
    const char marker = kItemMarkers[item - 1];
    const DataItemCodes codes = CodesOfDataItem(item, ItemUsesWideCodes(message, item));
    // The last digit position gets the top code, the ones before it count
    // down; OverfullDataItem keeps the count inside the item's range.
    uint8_t code = codes.top;
    for (size_t at = text.rfind(marker); at != std::string::npos; at = text.rfind(marker)) {
      text[at] = static_cast<char>(code--);
    }
    if (item == 1 && message.item1.variableDecimalPoint) {
      const size_t at = text.find(kDecimalPointMarker);
      if (at != std::string::npos) {
        text[at] = static_cast<char>(codes.top);
      }
    }
  }
  std::array<uint8_t, kMessageTextLength> bytes{};
  bytes.fill(' ');
  std::copy_n(text.begin(), std::min(text.size(), bytes.size()), bytes.begin());
  return bytes;
}

std::string DecodeMessageText(std::span<const uint8_t> bytes, bool isFolder) {
  const std::span<const uint8_t> textBytes =
      bytes.first(std::min(bytes.size(), kMessageTextLength));
  std::string text(textBytes.begin(), textBytes.end());
  for (const bool wide : {false, true}) {
    DecodeItem1(text, CodesOfDataItem(1, wide));
    DecodeItem(text, CodesOfDataItem(2, wide), kItem2Marker);
    DecodeItem(text, CodesOfDataItem(3, wide), kItem3Marker);
  }
  if (isFolder && !text.empty()) {
    text.erase(text.begin());
  }
  while (!text.empty() && IsBlank(text.back())) {
    text.pop_back();
  }
  return text;
}

}  // namespace orvane
