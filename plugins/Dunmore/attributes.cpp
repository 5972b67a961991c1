// Dunmore's attribute file: the DirectNET layout, 19200 baud, no parity,
// RS232 wiring (RS232, RS422 or RS485), data time-out 40 seconds.
#include "plugins/Dunmore/Dunmore.h"
#include "plugins/common/dlogic/DirectNetAttributes.h"

namespace orvane::dunmore {
namespace {

constexpr auto kFields = dlogic::DirectNetFields(BAUD_19200, PARITY_NONE, "wiring", 40);

constexpr plugin::AttributeLayout kLayout{dlogic::kDirectNetFileLength, kFields};

}  // namespace

const plugin::AttributeLayout& Layout() {
  return kLayout;
}

}  // namespace orvane::dunmore
