#include "plugins/common/kit/MapString.h"

#include <cstring>

namespace orvane::plugin {

unsigned char* AllocateMapString(const unsigned char* bytes, size_t length) {
  auto* buffer = new unsigned char[length];
  std::memcpy(buffer, bytes, length);
  return buffer;
}

void FreeMapString(unsigned char* mapString) {
  delete[] mapString;
}

}  // namespace orvane::plugin
