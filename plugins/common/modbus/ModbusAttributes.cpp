#include "plugins/common/modbus/ModbusAttributes.h"

namespace orvane::modbus {
namespace {

using plugin::AttributeCoding;

constexpr int kSixtyFourPerMessage = 3;

constexpr plugin::AttributeField kFields[] = {
    {"defaultPlcSlaveNo", 34, AttributeCoding::Byte, 1},
    {"baudRate", 35, AttributeCoding::Baud, BAUD_9600},
    {"parity", 36, AttributeCoding::Parity, PARITY_EVEN},
    {"stopBits", 37, AttributeCoding::StopBits, STOP_ONE},
    {"selectRs485", 38, AttributeCoding::Link, 0},
    {"controlRts", 39, AttributeCoding::ControlRts, CONTROL_RTS_NO},
    {"requireCts", 40, AttributeCoding::RequireCts, REQUIRE_CTS_NO},
    {"registersPerMessage", 41, AttributeCoding::Byte, kSixtyFourPerMessage},
    {"coilsPerMessage", 42, AttributeCoding::Byte, kSixtyFourPerMessage},
    {"timeOutTime", 43, AttributeCoding::Byte, 30},
    {"pollTime", 44, AttributeCoding::Byte, 0},
    {"protocol", 45, AttributeCoding::Byte, 0},
};

}  // namespace

const plugin::AttributeLayout& ModbusLayout() {
  static const plugin::AttributeLayout layout{46, kFields};
  return layout;
}

const std::vector<plugin::Choice> kRegistersPerMessage = {
    {"4", 0}, {"16", 1}, {"32", 2}, {"64", 3}};
const std::vector<plugin::Choice> kCoilsPerMessage = {{"8", 0}, {"16", 1}, {"32", 2}, {"64", 3}};
const std::vector<plugin::Choice> kProtocols = {{"RTU", 0}};

}  // namespace orvane::modbus
