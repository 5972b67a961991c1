// orvane-cli image: reading image files the way a download reads them.
#pragma once

#include "cli/Commands.h"

namespace orvane::cli {

CommandGroup ImageCommandGroup();

}  // namespace orvane::cli
