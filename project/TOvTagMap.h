// A Think & Do tag map as read from its map file.
#pragma once

#include <map>
#include <string>

namespace orvane {

struct TOvTagMap {
  std::string header1;  // the map file's first line
  std::string header2;  // the map file's second line
  /// Tag name to the rest of the tag's map line, ordered bytewise by name.
  std::map<std::string, std::string> entries;

  bool operator==(const TOvTagMap& other) const = default;
};

}  // namespace orvane
