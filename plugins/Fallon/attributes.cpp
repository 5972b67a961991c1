// Fallon's attribute file: the Modbus RTU layout under codes 31 and 3.
#include "plugins/Fallon/Fallon.h"
#include "plugins/common/modbus/ModbusAttributes.h"

namespace orvane::fallon {

std::vector<unsigned char> DefaultAttributeFile(const CCorvel& corvel) {
  return plugin::DefaultAttributeBytes(corvel, Identity(), modbus::ModbusLayout());
}

}  // namespace orvane::fallon
