// Calden's attribute file: the DirectNET layout, 9600 baud, odd parity,
// RS 232 (a yes/no "Select RS485"), data time-out 20 seconds.
#include "plugins/Calden/Calden.h"
#include "plugins/common/dlogic/DirectNetAttributes.h"

namespace orvane::calden {
namespace {

constexpr auto kFields = dlogic::DirectNetFields(BAUD_9600, PARITY_ODD, "selectRs485", 20);

constexpr plugin::AttributeLayout kLayout{dlogic::kDirectNetFileLength, kFields};

}  // namespace

const plugin::AttributeLayout& Layout() {
  return kLayout;
}

}  // namespace orvane::calden
