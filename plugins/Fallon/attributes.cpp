// Fallon's attribute file: the Modbus RTU layout under codes 31 and 3.
#include "plugins/Fallon/Fallon.h"
#include "plugins/common/modbus/ModbusAttributes.h"

namespace orvane::fallon {

const plugin::AttributeLayout& Layout() {
  return modbus::ModbusLayout();
}

}  // namespace orvane::fallon
