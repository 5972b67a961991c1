#include "plugins/common/df1/Df1DataTypes.h"

namespace orvane::df1 {
namespace {

bool IsKnown(int32_t dataType) {
  return dataType >= DISCRETE && dataType <= ASCII_STRING;
}

// A 16-bit word holds neither a bit, nor a byte-sized value, nor a float.
bool SuitsWord(int32_t dataType) {
  switch (dataType) {
    case DISCRETE:
    case SIGNED_INT_8:
    case UNSIGNED_INT_8:
    case BCD_INT_8:
    case FLOATING_PT_32:
      return false;
    default:
      return IsKnown(dataType);
  }
}

}  // namespace

bool SuitsDataType(const Df1Address& address, int32_t dataType) {
  if (HasSubElements(address.type)) {
    // Flags are bits; the preset and accumulator are words.
    return address.isBit != 0 ? dataType == DISCRETE : SuitsWord(dataType);
  }
  if (address.type == kFloat) {
    return address.isBit != 0 ? dataType == DISCRETE : dataType == FLOATING_PT_32;
  }
  return address.isBit != 0 ? dataType == DISCRETE : SuitsWord(dataType);
}

}  // namespace orvane::df1
