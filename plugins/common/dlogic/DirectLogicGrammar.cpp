// DirectLOGIC addresses: an optional unit and "-", the memory type's
// letters, the octal address, and for registers that allow it a "/" and an
// octal bit: "V2000", "12-X20", "R0/17".
#include "plugins/common/dlogic/DirectLogicGrammar.h"

#include <cstring>

#include "plchost/PlcDataTypes.h"
#include "plugins/common/kit/AcceptedAddress.h"
#include "plugins/common/kit/AddressText.h"
#include "plugins/common/kit/MapString.h"
#include "plugins/common/kit/Refusal.h"

namespace orvane::dlogic {
namespace {

using plugin::Refuse;
using plugin::SharedError;

bool RefuseCode(CCorvel& corvel, int code) {
  return Refuse(corvel, SharedError(code));
}

bool Aligned(Alignment alignment, uint32_t address) {
  switch (alignment) {
    case Alignment::Even:
      return address % 2 == 0;
    case Alignment::Odd:
      return address % 2 == 1;
    case Alignment::Any:
      return true;
  }
  return true;
}

}  // namespace

plugin::StationRule DirectNetUnit(size_t longest) {
  return plugin::StationRule{
      .longest = longest,
      .notation = DT_SIGNED_DECIMAL,
      .minimum = 1,
      .maximum = 90,
      .none = 1,
      .badLength = SharedError(plugin::kUnitError),
      .notANumber = SharedError(plugin::kUnitError),
      .outOfRange = SharedError(plugin::kUnitError),
  };
}

const MemoryArea* DirectLogicGrammar::FindArea(const std::string& name, uint32_t address,
                                               int& code) const {
  code = plugin::kAddressError;
  for (const MemoryArea& area : dialect_.areas) {
    if (name != area.name || address < area.first || address > area.last) {
      continue;
    }
    if (Aligned(area.alignment, address)) {
      return &area;
    }
    // A later area may hold the same address without the alignment rule
    // (the odd single registers of the DL330/DL340); the first misaligned
    // area names the error when none does.
    if (code == plugin::kAddressError) {
      code =
          area.alignment == Alignment::Even ? plugin::kEvenAddressError : plugin::kOddAddressError;
    }
  }
  return nullptr;
}

std::vector<unsigned char> DirectLogicGrammar::Encode(const MemoryArea& area, unsigned char unit,
                                                      uint32_t address, unsigned char bit) const {
  const MapLayout& layout = dialect_.map;
  std::vector<unsigned char> map(static_cast<size_t>(layout.length), 0);
  const uint32_t offset = address - area.origin;
  uint32_t value = 0;
  unsigned char bitByte = bit;
  switch (area.kind) {
    case AreaKind::Discrete:
      value = area.base + offset / area.divisor;
      bitByte = area.divisor > 1 ? static_cast<unsigned char>(offset % area.divisor)
                                 : dialect_.discreteBit;
      break;
    case AreaKind::Words:
      value = area.base + offset / area.divisor;
      break;
    case AreaKind::BitsOfWords:
      value = area.base + offset * 16 + bit;
      break;
  }
  map[static_cast<size_t>(layout.unit)] = unit;
  if (layout.group >= 0) {
    map[static_cast<size_t>(layout.group)] = area.group;
  }
  plugin::PutWord(&map[static_cast<size_t>(layout.value)], static_cast<uint16_t>(value));
  map[static_cast<size_t>(layout.bit)] = bitByte;
  map[static_cast<size_t>(layout.type)] = area.typeCode;
  if (layout.size >= 0) {
    map[static_cast<size_t>(layout.size)] = static_cast<unsigned char>(area.size);
  }
  return map;
}

std::optional<uint32_t> DirectLogicGrammar::Decode(const MemoryArea& area,
                                                   const unsigned char* map) const {
  const MapLayout& layout = dialect_.map;
  if (map[layout.type] != area.typeCode || (layout.group >= 0 && map[layout.group] != area.group) ||
      (layout.size >= 0 && map[layout.size] != static_cast<unsigned char>(area.size))) {
    return std::nullopt;
  }
  const uint32_t value = plugin::GetWord(&map[layout.value]);
  const unsigned char bit = map[layout.bit];
  if (value < area.base) {
    return std::nullopt;
  }
  uint32_t offset = 0;
  switch (area.kind) {
    case AreaKind::Discrete:
      offset = (value - area.base) * area.divisor;
      if (area.divisor > 1) {
        if (bit >= area.divisor) {
          return std::nullopt;
        }
        offset += bit;
      }
      break;
    case AreaKind::Words:
      offset = (value - area.base) * area.divisor;
      break;
    case AreaKind::BitsOfWords:
      if (bit > 15 || value - area.base < bit || (value - area.base - bit) % 16 != 0) {
        return std::nullopt;
      }
      offset = (value - area.base - bit) / 16;
      break;
  }
  const uint32_t address = area.origin + offset;
  if (address < area.first || address > area.last) {
    return std::nullopt;
  }
  return address;
}

bool DirectLogicGrammar::Validate(CCorvel& corvel, const plugin::AddressRequest& request,
                                  PlcAddress& out) const {
  unsigned char unit = 0;
  std::string rest;
  if (!plugin::ReadStationPrefix(corvel, dialect_.unit, request.text, unit, rest)) {
    return false;
  }

  size_t at = 0;
  const std::string name = plugin::TakeName(rest, at);
  bool known = false;
  for (const MemoryArea& area : dialect_.areas) {
    known = known || name == area.name;
  }
  if (!known) {
    return RefuseCode(corvel, plugin::kAddressTypeError);
  }

  const size_t slash = rest.find('/', at);
  const std::string number = rest.substr(at, slash == std::string::npos ? slash : slash - at);
  uint32_t address = 0;
  if (!corvel.StringtoLongValue(number.c_str(), &address, DT_OCTAL, "error_string")) {
    return RefuseCode(corvel, plugin::kAddressError);
  }
  int code = 0;
  const MemoryArea* area = FindArea(name, address, code);
  if (area == nullptr) {
    return RefuseCode(corvel, code);
  }

  // Points hold discrete tags only, registers without bits never do.
  const bool discreteTag = request.dataType == plc::DISCRETE;
  if ((area->kind == AreaKind::Discrete && !discreteTag) ||
      (area->kind == AreaKind::Words && !area->slashBit && discreteTag)) {
    return RefuseCode(corvel, plugin::kDataTypeError);
  }

  unsigned char bit = kNoBit;
  if (slash == std::string::npos) {
    // A discrete tag on a register needs its bit; the bits of an image
    // register have no register of their own.
    if (area->slashBit && (discreteTag || area->kind == AreaKind::BitsOfWords)) {
      return RefuseCode(corvel, plugin::kAddressError);
    }
  } else {
    if (!area->slashBit) {
      return RefuseCode(corvel, plugin::kAddressError);
    }
    const std::string bitText = rest.substr(slash + 1);
    if (bitText.empty() || bitText.size() > 2) {
      return RefuseCode(corvel, plugin::kBitError);
    }
    uint16_t value = 0;
    if (!corvel.StringtoValue(bitText.c_str(), &value, DT_OCTAL, "error_string") || !discreteTag ||
        value > 15) {
      return RefuseCode(corvel, plugin::kBitError);
    }
    bit = static_cast<unsigned char>(value);
  }

  const std::vector<unsigned char> map = Encode(*area, unit, address, bit);
  const bool isBit = area->kind == AreaKind::Discrete || bit != kNoBit;
  plugin::FillAccepted(out, map, area->readOnly ? PLC_ACCESS_READ_ONLY : PLC_ACCESS_READ_WRITE,
                       isBit ? 1 : 0);
  return true;
}

bool DirectLogicGrammar::Rebuild(CCorvel& corvel, PlcAddress& address, std::string& text) const {
  const unsigned char* map = address.mapString;
  const MapLayout& layout = dialect_.map;
  std::string out;
  if (!plugin::WriteStationPrefix(corvel, dialect_.unit, map[layout.unit],
                                  SharedError(plugin::kUnitError), out)) {
    return false;
  }
  // The name is the first one listed with the type code: the DL330/DL340
  // timer and counter accumulators come back as the registers they are.
  const MemoryArea* named = nullptr;
  for (const MemoryArea& area : dialect_.areas) {
    if (area.typeCode == map[layout.type]) {
      named = &area;
      break;
    }
  }
  if (named == nullptr) {
    return RefuseCode(corvel, plugin::kAddressTypeError);
  }
  const unsigned char bit = map[layout.bit];
  for (const MemoryArea& area : dialect_.areas) {
    const std::optional<uint32_t> found = Decode(area, map);
    if (!found) {
      continue;
    }
    // The address must read back, through the name, to this very map
    // string: that settles overlapping areas and alignment.
    int code = 0;
    const MemoryArea* reading = FindArea(named->name, *found, code);
    if (reading == nullptr) {
      continue;
    }
    const bool slashBit = reading->slashBit && reading->kind != AreaKind::Discrete;
    if (slashBit && bit > 15 && bit != kNoBit) {
      continue;
    }
    const std::vector<unsigned char> again =
        Encode(*reading, map[layout.unit], *found, slashBit ? bit : kNoBit);
    if (std::memcmp(again.data(), map, again.size()) != 0) {
      continue;
    }
    out += named->name;
    out += plugin::OctalText(*found, named->digits);
    if (slashBit && bit != kNoBit) {
      out += '/';
      out += plugin::OctalText(bit);
    }
    text = out;
    return true;
  }
  return RefuseCode(corvel, plugin::kAddressError);
}

int DirectLogicGrammar::Compare(const unsigned char* a, const unsigned char* b) const {
  return plugin::CompareMapFields(a, b, dialect_.order);
}

}  // namespace orvane::dlogic
