// Fallon: the DirectLOGIC driver on Modbus RTU with Koyo addressing. The
// pieces its four files give each other.
#pragma once

#include <string>
#include <vector>

#include "corvel/Corvel.h"
#include "plugins/common/dlogic/DirectLogicGrammar.h"
#include "plugins/common/kit/AttributeLayout.h"
#include "plugins/common/kit/DriverDefinition.h"

namespace orvane::fallon {

/// Manufacturer 31, model 3 (exports.cpp).
const plugin::DriverIdentity& Identity();

/// DirectLOGIC names on Modbus references (address.cpp).
const dlogic::DirectLogicDialect& Dialect();

/// The 46-byte Modbus attribute file (attributes.cpp).
const plugin::AttributeLayout& Layout();

/// The modal "Modbus (Koyo Addressing)" dialog (dialog.cpp).
void RunAttributeDialog(CCorvel& corvel, const std::string& path);

}  // namespace orvane::fallon
