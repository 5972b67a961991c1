// The station (or unit, or slave) number some drivers take before the first
// "-" of an address: "3-N7:0", "12-V2000". Each driver states its rule as
// data: how long the prefix may be, its notation and range, the station an
// address without prefix has, and what each failure shows.
#pragma once

#include <string>

#include "corvel/Corvel.h"
#include "plugins/common/kit/Refusal.h"

namespace orvane::plugin {

struct StationRule {
  /// The most characters before the "-"; an empty prefix is refused too.
  size_t longest = 2;
  /// DT_SIGNED_DECIMAL or DT_UNSIGNED_DECIMAL.
  DATA_TYPE notation = DT_UNSIGNED_DECIMAL;
  int minimum = 0;
  int maximum = 255;
  /// The station of an address without prefix. The rebuild writes no
  /// prefix for it.
  unsigned char none = 255;
  Refusal badLength;
  /// Shown after the number parser's own message.
  Refusal notANumber;
  Refusal outOfRange;
};

/// Splits text at its first "-": the station before it, the address proper
/// after it. Without "-" the station is rule.none and the rest is the whole
/// text. false after the rule's refusal.
bool ReadStationPrefix(CCorvel& corvel, const StationRule& rule, const std::string& text,
                       unsigned char& station, std::string& rest);

/// The prefix the rebuild writes: nothing for rule.none, else the station
/// in decimal and "-". A station outside the rule's range shows refusal and
/// gives false.
bool WriteStationPrefix(CCorvel& corvel, const StationRule& rule, unsigned char station,
                        const Refusal& refusal, std::string& out);

}  // namespace orvane::plugin
