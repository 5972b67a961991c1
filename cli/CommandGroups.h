// The command groups, one file each, for the table in Commands.cpp.
#pragma once

#include "cli/Commands.h"

namespace orvane::cli {

CommandGroup PlcCommandGroup();
CommandGroup AddressCommandGroup();
CommandGroup ImageCommandGroup();
CommandGroup PortCommandGroup();
CommandGroup ProjectCommandGroup();
CommandGroup PanelCommandGroup();
CommandGroup ConfigCommandGroup();

}  // namespace orvane::cli
