// The tag data type codes a DF1 driver checks an address against when asked
// to (ValidatePlc's check-data-type flag).
#pragma once

#include <cstdint>

#include "plugins/common/df1/Df1Address.h"

namespace orvane::df1 {

enum DataTypeCode : int32_t {
  DISCRETE = 0,
  SIGNED_INT_8 = 1,
  SIGNED_INT_16 = 2,
  SIGNED_INT_32 = 3,
  UNSIGNED_INT_8 = 4,
  UNSIGNED_INT_16 = 5,
  UNSIGNED_INT_32 = 6,
  BCD_INT_8 = 7,
  BCD_INT_16 = 8,
  BCD_INT_32 = 9,
  FLOATING_PT_32 = 10,
  NOTHING = 11,
  ASCII_STRING = 12,
};

/// Whether a validated address can hold a tag of the data type code.
bool SuitsDataType(const Df1Address& address, int32_t dataType);

}  // namespace orvane::df1
