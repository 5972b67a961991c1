#include "plugins/common/kit/AcceptedAddress.h"

#include "plchost/PlcDataTypes.h"
#include "plugins/common/kit/MapString.h"
#include "plugins/common/kit/Refusal.h"

namespace orvane::plugin {

bool PassesRequestedChecks(CCorvel& corvel, const AddressRequest& request, int32_t access,
                           bool suitsDataType) {
  if (request.checkAccess && !plc::AccessSuits(access, request.access)) {
    return Refuse(corvel, SharedError(kAddressTypeError));
  }
  if (request.checkDataType && !suitsDataType) {
    return Refuse(corvel, SharedError(kDataTypeError));
  }
  return true;
}

void FillAccepted(PlcAddress& out, std::span<const unsigned char> map, int32_t access,
                  int32_t isBit) {
  out.mapString = AllocateMapString(map.data(), map.size());
  out.access = access;
  out.isBit = isBit;
  out.valid = 1;
}

}  // namespace orvane::plugin
