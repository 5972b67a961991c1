// Tandry: the Think & Do (WinPLC) driver on Modbus RTU. The pieces its four
// files give each other.
#pragma once

#include <string>
#include <vector>

#include "corvel/Corvel.h"
#include "plugins/common/kit/AttributeLayout.h"
#include "plugins/common/kit/DriverDefinition.h"

namespace orvane::tandry {

/// Manufacturer 34, model 1 (exports.cpp).
const plugin::DriverIdentity& Identity();

/// Think & Do addresses converted to Modbus references (address.cpp).
const plugin::AddressGrammar& Grammar();

/// The 46-byte Modbus attribute file (attributes.cpp).
const plugin::AttributeLayout& Layout();

/// The modal "Think & Do Attributes" dialog (dialog.cpp).
void RunAttributeDialog(CCorvel& corvel, const std::string& path);

}  // namespace orvane::tandry
