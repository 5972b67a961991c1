// Tandry's attribute file: the Modbus RTU layout under codes 34 and 1.
#include "plugins/Tandry/Tandry.h"
#include "plugins/common/modbus/ModbusAttributes.h"

namespace orvane::tandry {

std::vector<unsigned char> DefaultAttributeFile(const CCorvel& corvel) {
  return plugin::DefaultAttributeBytes(corvel, Identity(), modbus::ModbusLayout());
}

}  // namespace orvane::tandry
