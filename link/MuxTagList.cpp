#include "link/MuxTagList.h"

#include <algorithm>

#include "project/TOvProject.h"

namespace orvane {

TOvTagTable MergeMuxTagList(TOvTagTable tags, const MapStringCompare& compare) {
  // A stable sort keeps equal addresses in the order the panels listed
  // them, so the one kept is always the first a panel used.
  std::stable_sort(tags.begin(), tags.end(), [&compare](const TOvTag& a, const TOvTag& b) {
    const int32_t order = compare(a.MapString(), b.MapString());
    if (order != 0) {
      return order < 0;
    }
    return a.dataType < b.dataType;
  });
  const auto end =
      std::unique(tags.begin(), tags.end(),
                  [](const TOvTag& kept, const TOvTag& next) { return kept.Equals(next); });
  tags.erase(end, tags.end());
  return tags;
}

TOvTagTable BuildMuxTagList(TOvProject& project, const MapStringCompare& compare) {
  TOvTagTable all;
  for (TOvPanel& panel : project.panels) {
    panel.BuildTagTable(all);
  }
  return MergeMuxTagList(std::move(all), compare);
}

}  // namespace orvane
