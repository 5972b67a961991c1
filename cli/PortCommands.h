// orvane-cli port: the serial ports of this machine.
#pragma once

#include "cli/Commands.h"

namespace orvane::cli {

CommandGroup PortCommandGroup();

}  // namespace orvane::cli
