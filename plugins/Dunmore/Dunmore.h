// Dunmore: the DirectLOGIC DL330/DL340 driver on
// DirectNET. The pieces its four files give each other.
#pragma once

#include <string>
#include <vector>

#include "corvel/Corvel.h"
#include "plugins/common/dlogic/DirectLogicGrammar.h"
#include "plugins/common/kit/AttributeLayout.h"
#include "plugins/common/kit/DriverDefinition.h"

namespace orvane::dunmore {

/// Manufacturer 31, model 4 (exports.cpp).
const plugin::DriverIdentity& Identity();

/// The DL330/DL340 memory map (address.cpp).
const dlogic::DirectLogicDialect& Dialect();

/// The 40-byte attribute file (attributes.cpp).
const plugin::AttributeLayout& Layout();

/// The modal "DirectLogic DirectNet 330/340" dialog (dialog.cpp).
void RunAttributeDialog(CCorvel& corvel, const std::string& path);

}  // namespace orvane::dunmore
