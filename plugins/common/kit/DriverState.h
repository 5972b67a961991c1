// The process-wide state of a loaded driver: application type, current help
// file and message switch. Each plug-in module has its own copy (the kit is
// linked into every plug-in with hidden visibility). Two threads may hold
// the same module at once (the driver scan and a project's driver both load
// it, and the loader hands both the one copy), so the state is kept under a
// lock and read as a copy.
#pragma once

#include <cstdint>
#include <string>

#include "corvel/Corvel.h"
#include "plugins/common/kit/DriverDefinition.h"

namespace orvane::plugin {

struct DriverState {
  int32_t applicationType = 0;
  std::string helpFile;
  /// Whether the next validation or rebuild may show message boxes.
  bool messageSwitch = true;
};

/// The state at one moment.
DriverState CurrentState();
/// Whether the next validation or rebuild may show message boxes.
void SetMessageSwitch(bool on);

/// The state a freshly loaded driver starts with: type 0, its type-0 help
/// file, messages on.
void ResetState(const DriverIdentity& identity);

/// Stores the type and picks the help file: the plain one for type 0, the
/// other one for every other type.
void ApplyApplicationType(const DriverIdentity& identity, int32_t type);

/// A CCorvel for one operation, carrying the driver's application type and
/// message switch.
CCorvel OperationCorvel();

/// Switches the driver's messages off for its lifetime and back on after.
class MessagesOff {
 public:
  MessagesOff() { SetMessageSwitch(false); }
  ~MessagesOff() { SetMessageSwitch(true); }
  MessagesOff(const MessagesOff&) = delete;
  MessagesOff& operator=(const MessagesOff&) = delete;
};

}  // namespace orvane::plugin
