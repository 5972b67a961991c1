// The attribute file of the two Modbus RTU drivers (DirectLOGIC with Koyo
// addressing, Think & Do): 46 bytes, the shared header, then
//
//   34 default slave number    41 registers per message code (4/16/32/64)
//   35 baud rate               42 coils per message code (8/16/32/64)
//   36 parity                  43 time-out, tenths of a second
//   37 stop bits               44 poll time, tenths of a second
//   38 RS 485 selected         45 protocol (0 RTU)
//   39 control RTS
//   40 require CTS
#pragma once

#include <vector>

#include "plugins/common/kit/AttributeLayout.h"
#include "plugins/common/kit/DialogSpec.h"

namespace orvane::modbus {

const plugin::AttributeLayout& ModbusLayout();

/// The message size lists: entry index = stored code.
extern const std::vector<plugin::Choice> kRegistersPerMessage;  // "4", "16", "32", "64"
extern const std::vector<plugin::Choice> kCoilsPerMessage;      // "8", "16", "32", "64"
extern const std::vector<plugin::Choice> kProtocols;            // "RTU"

}  // namespace orvane::modbus
