// Harlow's attribute file: the DF1 full duplex layout under codes 1 and 9.
#include "plugins/Harlow/Harlow.h"
#include "plugins/common/df1/FullDuplexAttributes.h"

namespace orvane::harlow {

const plugin::AttributeLayout& Layout() {
  return df1::FullDuplexLayout();
}

}  // namespace orvane::harlow
