#include "project/TOvPlcInfo.h"

#include <utility>

namespace orvane {

unsigned char TOvPlcInfo::ManufacturerCode() const {
  return attributeBytes.empty() ? 0 : attributeBytes[0];
}

unsigned char TOvPlcInfo::ModelCode() const {
  return attributeBytes.size() < 2 ? 0 : attributeBytes[1];
}

std::span<const unsigned char> TOvPlcInfo::AttributeBlock() const {
  if (attributeBytes.size() <= kAttributeHeaderSize) {
    return {};
  }
  return std::span<const unsigned char>(attributeBytes).subspan(kAttributeHeaderSize);
}

void TOvPlcInfo::SetIdentity(unsigned char manufacturerCode, unsigned char modelCode,
                             std::string driverName, std::string driverPath) {
  attributeBytes.assign(kAttributeHeaderSize, 0);
  attributeBytes[0] = manufacturerCode;
  attributeBytes[1] = modelCode;
  name = std::move(driverName);
  pluginPath = std::move(driverPath);
}

bool TOvPlcInfo::Equals(const TOvPlcInfo& other) const {
  return mapLength == other.mapLength && attributeBytes == other.attributeBytes &&
         name == other.name;
}

}  // namespace orvane
