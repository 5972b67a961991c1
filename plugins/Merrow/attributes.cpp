// Merrow's attribute file: the DF1 full duplex layout under codes 1 and 8.
#include "plugins/Merrow/Merrow.h"
#include "plugins/common/df1/FullDuplexAttributes.h"

namespace orvane::merrow {

const plugin::AttributeLayout& Layout() {
  return df1::FullDuplexLayout();
}

}  // namespace orvane::merrow
