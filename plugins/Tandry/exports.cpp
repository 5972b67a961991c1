// What Tandry tells the host about itself; the contract's exports are the
// shared scaffolding's.
#include "plugins/Tandry/Tandry.h"

namespace orvane::tandry {

const plugin::DriverIdentity& Identity() {
  static const plugin::DriverIdentity identity{
      .manufacturerCode = 34,
      .modelCode = 1,
      .protocolCode = 0,
      .maker = "Entivity (Think & Do)",
      .model = "",
      .protocol = "Modbus",
      .revisionSuffix = " - Rev D",
      .revision = "D",
      .driverImage = "TandryPanel",
      .helpFile = "Tandry.hlp",
      .helpFileOtherTypes = "TandryX.hlp",
      .mainHelpContext = 0x30005,
      .dialogHelpContext = 0x30000,
      // Map length, bit, word, C, type, E, F, G.
      .map = {5, 4, 2, 1, 1, 1, 0, 0},
  };
  return identity;
}

}  // namespace orvane::tandry

namespace orvane::plugin {

const DriverDefinition& ThisDriver() {
  static const DriverDefinition definition{tandry::Identity(), tandry::Grammar(),
                                           &DefaultFileOf<&tandry::Identity, &tandry::Layout>,
                                           &tandry::RunAttributeDialog};
  return definition;
}

}  // namespace orvane::plugin
