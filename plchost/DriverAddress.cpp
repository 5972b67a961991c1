#include "plchost/DriverAddress.h"

#include <cstdio>

namespace orvane {

PlcAddress DriverAddress::Record() {
  PlcAddress record{};
  record.mapString = map.data();
  record.access = access;
  record.isBit = isBit;
  record.valid = valid;
  record.type = type;
  record.fileNumber = fileNumber;
  record.wordNumber = wordNumber;
  record.bit = bit;
  return record;
}

void DriverAddress::TakeFields(const PlcAddress& record) {
  access = record.access;
  isBit = record.isBit;
  valid = record.valid;
  type = record.type;
  fileNumber = record.fileNumber;
  wordNumber = record.wordNumber;
  bit = record.bit;
}

std::string DriverAddress::MapText() const {
  std::string text;
  for (int i = 0; i < mapLength && i < static_cast<int>(map.size()); ++i) {
    char byte[4] = {};
    std::snprintf(byte, sizeof byte, "%02X", map[static_cast<size_t>(i)]);
    if (!text.empty()) {
      text += ' ';
    }
    text += byte;
  }
  return text;
}

}  // namespace orvane
