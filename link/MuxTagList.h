// The multiplexer's merged tag list: every PLC address any panel of a
// multi-panel system uses, sorted and without duplicates. The panels behind
// the multiplexer refer to it by position (the index form of the tag map).
#pragma once

#include <cstdint>
#include <functional>

#include "project/TOvTag.h"

namespace orvane {

class TOvProject;

/// Orders two map strings: negative when a goes before b. The transfer
/// layer passes the PLC driver's CompareMapStrings.
using MapStringCompare = std::function<int32_t(const unsigned char* a, const unsigned char* b)>;

/// Sorts a union of tag tables by map string and removes every tag equal
/// to one kept before it (same data type and map string, or both without
/// address text), keeping the first of each run in the union's order.
/// Tags whose map strings compare equal are ordered by data type, so that
/// duplicates always end up side by side.
TOvTagTable MergeMuxTagList(TOvTagTable tags, const MapStringCompare& compare);

/// The merged list of a project: the addresses of all panels in list order
/// (BuildTagTable into one table; the tag indices it gives the panels'
/// addresses mean nothing here and are given anew when each panel is
/// written), then MergeMuxTagList.
TOvTagTable BuildMuxTagList(TOvProject& project, const MapStringCompare& compare);

}  // namespace orvane
