#include "plugins/common/df1/Df1DataTypes.h"

#include "plchost/PlcDataTypes.h"

namespace orvane::df1 {

bool SuitsDataType(const Df1Address& address, int32_t dataType) {
  // A bit, and the flags of timers, counters and controls, hold a discrete
  // tag; a floating point element a floating point tag; every other
  // element, the preset and accumulator included, is a word.
  if (address.isBit != 0) {
    return plc::SuitsBitAddress(dataType);
  }
  if (address.type == kFloat) {
    return plc::SuitsFloatAddress(dataType);
  }
  return plc::SuitsWordAddress(dataType);
}

}  // namespace orvane::df1
