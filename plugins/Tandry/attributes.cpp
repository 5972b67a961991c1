// Tandry's attribute file: the Modbus RTU layout under codes 34 and 1.
#include "plugins/Tandry/Tandry.h"
#include "plugins/common/modbus/ModbusAttributes.h"

namespace orvane::tandry {

const plugin::AttributeLayout& Layout() {
  return modbus::ModbusLayout();
}

}  // namespace orvane::tandry
