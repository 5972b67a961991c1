#include "view/MessagePreview.h"

#include "project/ModelLimits.h"
#include "project/TOvMessage.h"
#include "view/ParsedText.h"

namespace orvane {

uint32_t PreviewSample(uint32_t dataType) {
  switch (dataType) {
    case kDataTypeBinary16:
      return 1234;
    case kDataTypeBcd32:
      return 1234567;
    case kDataTypeBinary32:
      return 123456789;
    default:
      return 123;
  }
}

PreviewItems PreviewItemsOf(const TOvMessage& message) {
  PreviewItems items;
  items.dataType[0] = message.item1.dataType;
  items.dataType[1] = message.item2.dataType;
  items.dataType[2] = message.item3.dataType;
  for (size_t i = 0; i < 3; ++i) {
    items.leadingZeros[i] = message.leadingZeros[i];
  }
  return items;
}

std::string PreviewLine(const std::string& modelText, bool isFolder, const PreviewItems& items,
                        int width) {
  std::string line = isFolder ? "+" : "";
  for (size_t at = 0; at < modelText.size();) {
    int item = 0;
    for (int candidate = 1; candidate <= 3; ++candidate) {
      if (modelText[at] == ItemMarker(candidate)) {
        item = candidate;
      }
    }
    if (item == 0) {
      line += modelText[at] == kDecimalPointMarker ? '.' : modelText[at];
      ++at;
      continue;
    }
    // One run of the item's digit positions.
    size_t run = 0;
    while (at + run < modelText.size() && modelText[at + run] == ItemMarker(item)) {
      ++run;
    }
    const auto index = static_cast<size_t>(item - 1);
    std::string digits = std::to_string(PreviewSample(items.dataType[index]));
    if (digits.size() > run) {
      digits = digits.substr(digits.size() - run);
    }
    line.append(run - digits.size(), items.leadingZeros[index] ? '0' : ' ');
    line += digits;
    at += run;
  }
  const auto cells = static_cast<size_t>(width > 0 ? width : 0);
  line.resize(cells, ' ');
  return line;
}

}  // namespace orvane
