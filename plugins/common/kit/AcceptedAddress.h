// The last steps of every driver's validation: the checks a caller may ask
// for with ValidatePlc's flags, and filling the caller's record.
#pragma once

#include <cstdint>
#include <span>

#include "corvel/Corvel.h"
#include "plchost/PlcContract.h"
#include "plugins/common/kit/DriverDefinition.h"

namespace orvane::plugin {

/// The checks a request's flags ask for, on a parsed address: with the
/// check-access flag its access must suit the requested access
/// (plchost/PlcDataTypes.h), with the check-data-type flag suitsDataType
/// must hold. Each failure shows its shared error text (2 and 5).
bool PassesRequestedChecks(CCorvel& corvel, const AddressRequest& request, int32_t access,
                           bool suitsDataType);

/// Fills the caller's record for an accepted address: a new map string,
/// the access, is bit and valid. Every other field keeps its value.
void FillAccepted(PlcAddress& out, std::span<const unsigned char> map, int32_t access,
                  int32_t isBit);

}  // namespace orvane::plugin
