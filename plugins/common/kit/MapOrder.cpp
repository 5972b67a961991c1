#include "plugins/common/kit/MapOrder.h"

#include <cstring>

namespace orvane::plugin {

int CompareMapFields(const unsigned char* a, const unsigned char* b,
                     std::span<const MapField> fields) {
  for (const MapField& field : fields) {
    // High byte first: the byte order of a field is its numeric order.
    const int order = std::memcmp(a + field.offset, b + field.offset, field.width);
    if (order != 0) {
      return order < 0 ? -1 : 1;
    }
  }
  return 0;
}

}  // namespace orvane::plugin
