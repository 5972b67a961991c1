// What Fallon tells the host about itself; the contract's exports are the
// shared scaffolding's.
#include "plugins/Fallon/Fallon.h"

namespace orvane::fallon {

const plugin::DriverIdentity& Identity() {
  static const plugin::DriverIdentity identity{
      .manufacturerCode = 31,
      .modelCode = 3,
      .protocolCode = 0,
      .maker = "DirectLogic",
      .model = "",
      .protocol = "Modbus (Koyo addressing)",
      .revisionSuffix = " - Rev C",
      .revision = "C",
      .driverImage = "FallonPanel",
      .helpFile = "Ostrum.hlp",
      .helpFileOtherTypes = "OstrumX.hlp",
      .mainHelpContext = 0x30025,
      .dialogHelpContext = 0x30020,
      // Map length, bit, word, C, type, E, F, G.
      .map = {6, 4, 2, 1, 5, 1, 0, 1},
  };
  return identity;
}

}  // namespace orvane::fallon

namespace orvane::plugin {

const DriverDefinition& ThisDriver() {
  static const dlogic::DirectLogicGrammar grammar(fallon::Dialect());
  static const DriverDefinition definition{fallon::Identity(), grammar,
                                           &DefaultFileOf<&fallon::Identity, &fallon::Layout>,
                                           &fallon::RunAttributeDialog};
  return definition;
}

}  // namespace orvane::plugin
