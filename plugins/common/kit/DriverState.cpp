#include "plugins/common/kit/DriverState.h"

#include <mutex>

namespace orvane::plugin {
namespace {

std::mutex& StateMutex() {
  static std::mutex mutex;
  return mutex;
}

// Guarded by StateMutex().
DriverState& State() {
  static DriverState state;
  return state;
}

}  // namespace

DriverState CurrentState() {
  const std::lock_guard<std::mutex> lock(StateMutex());
  return State();
}

void SetMessageSwitch(bool on) {
  const std::lock_guard<std::mutex> lock(StateMutex());
  State().messageSwitch = on;
}

void ResetState(const DriverIdentity& identity) {
  SetMessageSwitch(true);
  ApplyApplicationType(identity, 0);
}

void ApplyApplicationType(const DriverIdentity& identity, int32_t type) {
  const std::lock_guard<std::mutex> lock(StateMutex());
  State().applicationType = type;
  State().helpFile = type == 0 ? identity.helpFile : identity.helpFileOtherTypes;
}

CCorvel OperationCorvel() {
  const DriverState state = CurrentState();
  CCorvel corvel;
  corvel.SetAppType(state.applicationType);
  corvel.SetDisplayMessages(state.messageSwitch);
  return corvel;
}

}  // namespace orvane::plugin
