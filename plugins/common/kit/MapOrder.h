// The order of map strings, stated by each driver as data: the byte fields
// that decide it, most significant first, each compared as an unsigned
// number stored high byte first.
#pragma once

#include <cstddef>
#include <span>

namespace orvane::plugin {

struct MapField {
  size_t offset = 0;
  size_t width = 1;
};

/// -1 when a sorts first, 1 when b does, 0 when every field is equal.
int CompareMapFields(const unsigned char* a, const unsigned char* b,
                     std::span<const MapField> fields);

}  // namespace orvane::plugin
