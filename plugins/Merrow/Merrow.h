// Merrow: the Allen-Bradley MicroLogix driver on DF1 full duplex. The
// pieces its four files give each other.
#pragma once

#include <string>
#include <vector>

#include "corvel/Corvel.h"
#include "plugins/common/df1/Df1Dialect.h"
#include "plugins/common/kit/AttributeLayout.h"
#include "plugins/common/kit/DriverDefinition.h"

namespace orvane::merrow {

/// Manufacturer 1, model 8 (exports.cpp).
const plugin::DriverIdentity& Identity();

/// The MicroLogix address syntax (address.cpp).
const df1::Df1Dialect& Dialect();

/// The 41-byte full duplex attribute file (attributes.cpp).
const plugin::AttributeLayout& Layout();

/// The modal "Allen Bradley MicroLogix DF1 (Full Duplex)" dialog (dialog.cpp).
void RunAttributeDialog(CCorvel& corvel, const std::string& path);

}  // namespace orvane::merrow
