// Pellam's attribute file: the shared header, then 11 bytes.
//
//   34 always 0          40 link (default RS 422)
//   35 always 1          41 control RTS
//   36 baud rate         42 require CTS
//   37 parity            43 time-out, tenths of a second
//   38 stop bits         44 poll time, tenths of a second
//   39 data bits
#include "plugins/Pellam/Pellam.h"

namespace orvane::pellam {
namespace {

using plugin::AttributeCoding;

constexpr plugin::AttributeField kFields[] = {
    {"reserved34", 34, AttributeCoding::Fixed, 0},
    {"reserved35", 35, AttributeCoding::Fixed, 1},
    {"baudRate", 36, AttributeCoding::Baud, BAUD_9600},
    {"parity", 37, AttributeCoding::Parity, PARITY_EVEN},
    {"stopBits", 38, AttributeCoding::StopBits, STOP_ONE},
    {"dataBits", 39, AttributeCoding::DataBits, DATA_SEVEN},
    {"link", 40, AttributeCoding::Link, LINK_RS422},
    {"controlRts", 41, AttributeCoding::ControlRts, CONTROL_RTS_YES},
    {"requireCts", 42, AttributeCoding::RequireCts, REQUIRE_CTS_NO},
    {"timeOutTime", 43, AttributeCoding::Byte, 30},
    {"pollTime", 44, AttributeCoding::Byte, 0},
};

constexpr plugin::AttributeLayout kLayout{45, kFields};

}  // namespace

const plugin::AttributeLayout& Layout() {
  return kLayout;
}

}  // namespace orvane::pellam
