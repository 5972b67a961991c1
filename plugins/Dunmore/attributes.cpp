// Dunmore's attribute file: the shared header, then 6 bytes.
//
//   34 baud rate                        37 control RTS
//   35 parity (0 none, 1 odd)           38 require CTS
//   36 wiring (0 RS232, 1 RS422, 2 RS485)  39 data time-out, seconds (1..40)
#include "plugins/Dunmore/Dunmore.h"

namespace orvane::dunmore {
namespace {

using plugin::AttributeCoding;

constexpr plugin::AttributeField kFields[] = {
    {"baudRate", 34, AttributeCoding::Baud, BAUD_19200},
    {"parity", 35, AttributeCoding::Parity, PARITY_NONE},
    {"wiring", 36, AttributeCoding::Link, LINK_RS232},
    {"controlRts", 37, AttributeCoding::ControlRts, CONTROL_RTS_NO},
    {"requireCts", 38, AttributeCoding::RequireCts, REQUIRE_CTS_NO},
    {"dataTimeout", 39, AttributeCoding::Byte, 40},
};

}  // namespace

const plugin::AttributeLayout& Layout() {
  static const plugin::AttributeLayout layout{40, kFields};
  return layout;
}

std::vector<unsigned char> DefaultAttributeFile(const CCorvel& corvel) {
  return plugin::DefaultAttributeBytes(corvel, Identity(), Layout());
}

}  // namespace orvane::dunmore
