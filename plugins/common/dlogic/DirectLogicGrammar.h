// The validator, rebuild and order of the three DirectLOGIC drivers, driven
// by each driver's memory area table. Every refusal is one of the error
// texts the drivers share (DisplayDLLErrorStrings), after the number
// parser's own message where a number does not read.
#pragma once

#include <optional>
#include <span>
#include <string>

#include "plugins/common/dlogic/MemoryArea.h"
#include "plugins/common/kit/DriverDefinition.h"
#include "plugins/common/kit/MapOrder.h"
#include "plugins/common/kit/StationPrefix.h"

namespace orvane::dlogic {

struct DirectLogicDialect {
  std::span<const MemoryArea> areas;
  /// The unit prefix; its refusals are the unit error (code 1).
  plugin::StationRule unit;
  MapLayout map;
  /// CompareMapStrings: these fields, most significant first.
  std::span<const plugin::MapField> order;
  /// The bit byte of a discrete point that has no point number within its
  /// value (divisor 1).
  unsigned char discreteBit = kNoBit;
};

/// The unit of a DirectNET address: at most longest characters of signed
/// decimal, 1..90 (the stations a DirectNET master can address), unit 1
/// without prefix; every failure shows the unit error.
plugin::StationRule DirectNetUnit(size_t longest);

/// The text both DirectNET dialogs and the Koyo Modbus dialog show.
inline constexpr const char* kModeSwitchNote =
    "If the DirectLogic PLC  you are using has a mode switch it\nmust remain in the TERM position.";

class DirectLogicGrammar final : public plugin::AddressGrammar {
 public:
  /// dialect must outlive the grammar.
  explicit DirectLogicGrammar(const DirectLogicDialect& dialect) : dialect_(dialect) {}

  /// Uses the data type code in every call; the access and the check flags
  /// take no part.
  bool Validate(CCorvel& corvel, const plugin::AddressRequest& request,
                PlcAddress& out) const override;
  bool Rebuild(CCorvel& corvel, PlcAddress& address, std::string& text) const override;
  int Compare(const unsigned char* a, const unsigned char* b) const override;

 private:
  /// The first area named name that holds address and meets its alignment;
  /// code is set to the error of a miss (3, or 6 / 7 for an address only
  /// misaligned areas hold).
  const MemoryArea* FindArea(const std::string& name, uint32_t address, int& code) const;
  /// The map string of an address in an area ("/" bit or kNoBit).
  std::vector<unsigned char> Encode(const MemoryArea& area, unsigned char unit, uint32_t address,
                                    unsigned char bit) const;
  /// The address of a map string within an area, when the area can hold it.
  std::optional<uint32_t> Decode(const MemoryArea& area, const unsigned char* map) const;

  const DirectLogicDialect& dialect_;
};

}  // namespace orvane::dlogic
