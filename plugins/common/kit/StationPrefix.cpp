#include "plugins/common/kit/StationPrefix.h"

namespace orvane::plugin {

bool ReadStationPrefix(CCorvel& corvel, const StationRule& rule, const std::string& text,
                       unsigned char& station, std::string& rest) {
  const size_t dash = text.find('-');
  if (dash == std::string::npos) {
    station = rule.none;
    rest = text;
    return true;
  }
  const std::string prefix = text.substr(0, dash);
  if (prefix.empty() || prefix.size() > rule.longest) {
    return Refuse(corvel, rule.badLength);
  }
  uint16_t read = 0;
  if (!corvel.StringtoValue(prefix.c_str(), &read, rule.notation, "error_string")) {
    return Refuse(corvel, rule.notANumber);
  }
  const int value = rule.notation == DT_SIGNED_DECIMAL ? static_cast<int16_t>(read) : read;
  if (value < rule.minimum || value > rule.maximum) {
    return Refuse(corvel, rule.outOfRange);
  }
  station = static_cast<unsigned char>(value);
  rest = text.substr(dash + 1);
  return true;
}

bool WriteStationPrefix(CCorvel& corvel, const StationRule& rule, unsigned char station,
                        const Refusal& refusal, std::string& out) {
  if (station == rule.none) {
    return true;
  }
  if (station < rule.minimum || station > rule.maximum) {
    return Refuse(corvel, refusal);
  }
  out += std::to_string(station);
  out += '-';
  return true;
}

}  // namespace orvane::plugin
