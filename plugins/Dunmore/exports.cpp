// What Dunmore tells the host about itself; the contract's exports are the
// shared scaffolding's.
#include "plugins/Dunmore/Dunmore.h"

namespace orvane::dunmore {

const plugin::DriverIdentity& Identity() {
  static const plugin::DriverIdentity identity{
      .manufacturerCode = 31,
      .modelCode = 4,
      .protocolCode = 0,
      .maker = "DirectLogic",
      .model = "DirectNet 330/340",
      .protocol = "",
      .revisionSuffix = " - Rev C",
      .revision = "C",
      .driverImage = "DunmorePanel",
      .helpFile = "Ostrum.hlp",
      .helpFileOtherTypes = "OstrumX.hlp",
      .mainHelpContext = 0x30035,
      .dialogHelpContext = 0x30030,
      // Map length, bit, word, C, type, E, F, G.
      .map = {6, 3, 1, 1, 4, 0, 0, 1},
  };
  return identity;
}

}  // namespace orvane::dunmore

namespace orvane::plugin {

const DriverDefinition& ThisDriver() {
  static const dlogic::DirectLogicGrammar grammar(dunmore::Dialect());
  static const DriverDefinition definition{dunmore::Identity(), grammar,
                                           &DefaultFileOf<&dunmore::Identity, &dunmore::Layout>,
                                           &dunmore::RunAttributeDialog};
  return definition;
}

}  // namespace orvane::plugin
