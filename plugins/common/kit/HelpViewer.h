// Opening a driver's help file.
#pragma once

#include <string>

#include "corvel/Corvel.h"

namespace orvane::plugin {

/// Opens helpFile from the folder this plug-in was loaded from with the
/// desktop's viewer. When it is not there, a message says where it was
/// looked for. The viewer opens the file at its start: a help context
/// belongs to the original help system and has no portable meaning.
void OpenHelpFile(CCorvel& corvel, const std::string& helpFile);

}  // namespace orvane::plugin
