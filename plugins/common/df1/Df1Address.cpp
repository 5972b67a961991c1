#include "plugins/common/df1/Df1Address.h"

#include <cstring>

#include "plugins/common/kit/MapOrder.h"
#include "plugins/common/kit/MapString.h"

namespace orvane::df1 {
namespace {

constexpr SubElement kTimerElements[] = {
    {"EN", 15, true}, {"TT", 14, true}, {"DN", 13, true}, {"PRE", 0, false}, {"ACC", 1, false}};

constexpr SubElement kCounterElements[] = {{"CU", 15, true}, {"CD", 14, true}, {"DN", 13, true},
                                           {"OV", 12, true}, {"UN", 11, true}, {"PRE", 0, false},
                                           {"ACC", 1, false}};

constexpr SubElement kControlElements[] = {
    {"EN", 15, true}, {"EU", 14, true}, {"DN", 13, true}, {"EM", 12, true},  {"ER", 11, true},
    {"UL", 10, true}, {"IN", 9, true},  {"FD", 8, true},  {"LEN", 0, false}, {"POS", 1, false}};

struct ElementTable {
  const SubElement* begin;
  const SubElement* end;
};

template <size_t N>
ElementTable Table(const SubElement (&elements)[N]) {
  return ElementTable{elements, elements + N};
}

ElementTable ElementsOf(unsigned char type) {
  switch (type) {
    case kTimer:
      return Table(kTimerElements);
    case kCounter:
      return Table(kCounterElements);
    case kControl:
      return Table(kControlElements);
    default:
      return ElementTable{nullptr, nullptr};
  }
}

using plugin::GetWord;
using plugin::PutWord;

// Station, type, file, word, bit.
constexpr plugin::MapField kOrder[] = {{0, 1}, {1, 1}, {2, 2}, {4, 2}, {6, 1}};

}  // namespace

std::array<unsigned char, kMapLength> EncodeMapString(const Df1Address& address) {
  std::array<unsigned char, kMapLength> bytes{};
  bytes[0] = address.station;
  bytes[1] = address.type;
  PutWord(&bytes[2], address.fileNumber);
  PutWord(&bytes[4], address.wordNumber);
  bytes[6] = address.bit;
  return bytes;
}

Df1Address DecodeMapString(const unsigned char* mapString) {
  Df1Address address;
  address.station = mapString[0];
  address.type = mapString[1];
  address.fileNumber = GetWord(&mapString[2]);
  address.wordNumber = GetWord(&mapString[4]);
  address.bit = mapString[6];
  return address;
}

int CompareMapStrings(const unsigned char* a, const unsigned char* b) {
  return plugin::CompareMapFields(a, b, kOrder);
}

std::optional<SubElement> FindSubElement(unsigned char type, const char* mnemonic) {
  const ElementTable table = ElementsOf(type);
  // Flags come first in every table, so a name is matched as a flag before
  // it is tried as a word.
  for (const SubElement* element = table.begin; element != table.end; ++element) {
    if (std::strcmp(element->mnemonic, mnemonic) == 0) {
      return *element;
    }
  }
  return std::nullopt;
}

std::optional<SubElement> SubElementOf(unsigned char type, unsigned char value) {
  const ElementTable table = ElementsOf(type);
  for (const SubElement* element = table.begin; element != table.end; ++element) {
    if (element->value == value) {
      return *element;
    }
  }
  return std::nullopt;
}

}  // namespace orvane::df1
