#include "plugins/common/kit/DriverState.h"

namespace orvane::plugin {

DriverState& State() {
  static DriverState state;
  return state;
}

void ResetState(const DriverIdentity& identity) {
  State().messageSwitch = true;
  ApplyApplicationType(identity, 0);
}

void ApplyApplicationType(const DriverIdentity& identity, int32_t type) {
  State().applicationType = type;
  State().helpFile = type == 0 ? identity.helpFile : identity.helpFileOtherTypes;
}

CCorvel OperationCorvel() {
  CCorvel corvel;
  corvel.SetAppType(State().applicationType);
  corvel.SetDisplayMessages(State().messageSwitch);
  return corvel;
}

}  // namespace orvane::plugin
