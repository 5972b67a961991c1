// Calden's attribute file: the shared header, then 6 bytes.
//
//   34 baud rate           37 control RTS
//   35 parity              38 require CTS
//   36 RS 485 selected     39 data time-out, seconds (0..40)
#include "plugins/Calden/Calden.h"

namespace orvane::calden {
namespace {

using plugin::AttributeCoding;

constexpr plugin::AttributeField kFields[] = {
    {"baudRate", 34, AttributeCoding::Baud, BAUD_9600},
    {"parity", 35, AttributeCoding::Parity, PARITY_ODD},
    {"selectRs485", 36, AttributeCoding::Link, 0},
    {"controlRts", 37, AttributeCoding::ControlRts, CONTROL_RTS_NO},
    {"requireCts", 38, AttributeCoding::RequireCts, REQUIRE_CTS_NO},
    {"dataTimeout", 39, AttributeCoding::Byte, 20},
};

}  // namespace

const plugin::AttributeLayout& Layout() {
  static const plugin::AttributeLayout layout{40, kFields};
  return layout;
}

std::vector<unsigned char> DefaultAttributeFile(const CCorvel& corvel) {
  return plugin::DefaultAttributeBytes(corvel, Identity(), Layout());
}

}  // namespace orvane::calden
