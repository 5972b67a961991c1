// Runs an attribute dialog described as data (DialogSpec.h) over a layout
// (AttributeLayout.h): it shows the stored attributes, and on OK writes the
// edited ones back through the same layout.
#pragma once

#include <string>

#include "corvel/Corvel.h"
#include "plugins/common/kit/AttributeLayout.h"
#include "plugins/common/kit/DialogSpec.h"
#include "plugins/common/kit/DriverDefinition.h"

namespace orvane::plugin {

/// The modal dialog on an existing attribute file of this driver. Called
/// only on the thread of a running QApplication.
void RunLayoutDialog(CCorvel& corvel, const DriverIdentity& identity, const AttributeLayout& layout,
                     const DialogSpec& dialogSpec, const std::string& path);

}  // namespace orvane::plugin
