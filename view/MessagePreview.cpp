#include "view/MessagePreview.h"

#include <algorithm>

#include "project/ModelLimits.h"
#include "project/TOvMessage.h"
#include "view/ParsedText.h"

namespace orvane {

std::string PreviewSample(uint32_t dataType, size_t positions) {
  // The digits of the data type's largest value: 9999, 65535, 99999999,
  // 4294967295.
  size_t digits = 4;
  switch (dataType) {
    case kDataTypeBinary16:
      digits = 5;
      break;
    case kDataTypeBcd32:
      digits = 8;
      break;
    case kDataTypeBinary32:
      digits = 10;
      break;
    default:
      break;
  }
  const size_t shown = std::max<size_t>(1, std::min(digits - 1, positions - 1));
  return std::string("123456789").substr(0, shown);
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
    const std::string digits = PreviewSample(items.dataType[index], run);
    line.append(run - digits.size(), items.leadingZeros[index] ? '0' : ' ');
    line += digits;
    at += run;
  }
  const auto cells = static_cast<size_t>(width > 0 ? width : 0);
  line.resize(cells, ' ');
  return line;
}

}  // namespace orvane
