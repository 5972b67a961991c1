#include "project/ModelNames.h"

#include <vector>

#include "project/ModelLimits.h"
#include "project/TOvMessage.h"
#include "project/TOvProject.h"

namespace orvane {
namespace {

std::string NameOr(const std::vector<const char*>& names, int32_t code) {
  if (code >= 0 && static_cast<size_t>(code) < names.size()) {
    return names[static_cast<size_t>(code)];
  }
  return std::to_string(code);
}

}  // namespace

std::string DataTypeName(uint32_t dataType) {
  switch (dataType) {
    case kDataTypeBcd16:
      return "BCD 16";
    case kDataTypeBinary16:
      return "Binary 16";
    case kDataTypeBcd32:
      return "BCD 32";
    case kDataTypeBinary32:
      return "Binary 32";
    default:
      return "data type " + std::to_string(dataType);
  }
}

std::string AccessName(int32_t access) {
  return NameOr({"Read/Write", "Read Only", "Write Only"}, access);
}

std::string LedModeName(int32_t mode) {
  return NameOr({"By Button", "By Button & Flash", "By PLC"}, mode);
}

std::string ButtonActionName(int32_t action) {
  return NameOr({"Momentary", "Alternate", "Panel Set & PLC Release"}, action);
}

std::string SystemName(int32_t systemMode) {
  return systemMode == kMultiPanelSystem ? "multi-panel system" : "single panel system";
}

std::string DigitPositionText(std::string_view text) {
  std::string shown;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == kItem1Marker) {
      shown += '1';
    } else if (c == kItem2Marker) {
      shown += '2';
    } else if (c == kItem3Marker) {
      shown += '3';
    } else if (c == kDecimalPointMarker) {
      shown += '.';
    } else {
      shown += byte >= 0x20 && byte < 0x7F ? c : '?';
    }
  }
  return shown;
}

}  // namespace orvane
