// Which tag data types a DF1 address can hold, for ValidatePlc's
// check-data-type flag. The codes and the general rules are the contract's
// (plchost/PlcDataTypes.h).
#pragma once

#include <cstdint>

#include "plugins/common/df1/Df1Address.h"

namespace orvane::df1 {

/// Whether a validated address can hold a tag of the data type code.
bool SuitsDataType(const Df1Address& address, int32_t dataType);

}  // namespace orvane::df1
