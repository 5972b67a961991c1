// What Calden tells the host about itself; the contract's exports are the
// shared scaffolding's.
#include "plugins/Calden/Calden.h"

namespace orvane::calden {

const plugin::DriverIdentity& Identity() {
  static const plugin::DriverIdentity identity{
      .manufacturerCode = 31,
      .modelCode = 1,
      .protocolCode = 0,
      .maker = "DirectLogic",
      .model = "(Except 330/340)",
      .protocol = "DirectNet",
      .revisionSuffix = " - Rev D",
      .revision = "D",
      .driverImage = "CaldenPanel",
      .helpFile = "Ostrum.hlp",
      .helpFileOtherTypes = "OstrumX.hlp",
      .mainHelpContext = 0x30005,
      .dialogHelpContext = 0x30000,
      // Map length, bit, word, C, type, E, F, G.
      .map = {5, 3, 1, 2, 4, 0, 0, 1},
  };
  return identity;
}

}  // namespace orvane::calden

namespace orvane::plugin {

const DriverDefinition& ThisDriver() {
  static const dlogic::DirectLogicGrammar grammar(calden::Dialect());
  static const DriverDefinition definition{calden::Identity(), grammar,
                                           &DefaultFileOf<&calden::Identity, &calden::Layout>,
                                           &calden::RunAttributeDialog};
  return definition;
}

}  // namespace orvane::plugin
