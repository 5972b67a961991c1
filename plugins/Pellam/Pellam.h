// Pellam: the Mitsubishi Melsec FX driver. The pieces its four files give
// each other.
#pragma once

#include <string>
#include <vector>

#include "corvel/Corvel.h"
#include "plugins/common/kit/AttributeLayout.h"
#include "plugins/common/kit/DriverDefinition.h"

namespace orvane::pellam {

/// Manufacturer 9, model 1 (exports.cpp).
const plugin::DriverIdentity& Identity();

/// The FX device grammar (address.cpp).
const plugin::AddressGrammar& Grammar();

/// The 45-byte attribute file (attributes.cpp).
const plugin::AttributeLayout& Layout();

/// The modal "Mitsubishi Melsec FX Series" dialog (dialog.cpp).
void RunAttributeDialog(CCorvel& corvel, const std::string& path);

}  // namespace orvane::pellam
