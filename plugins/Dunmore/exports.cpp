// What Dunmore tells the host about itself; the contract's exports are the
// shared scaffolding's.
#include "plugins/Dunmore/Dunmore.h"

namespace orvane::dunmore {

const plugin::DriverIdentity& Identity() {
  static const plugin::DriverIdentity identity = [] {
    plugin::DriverIdentity id;
    id.manufacturerCode = 31;
    id.modelCode = 4;
    id.protocolCode = 0;
    id.maker = "DirectLogic";
    id.model = "DirectNet 330/340";
    id.protocol = "";
    id.revisionSuffix = " - Rev C";
    id.revision = "C";
    id.driverImage = "DunmorePanel";
    id.helpFile = "Ostrum.hlp";
    id.helpFileOtherTypes = "OstrumX.hlp";
    id.mainHelpContext = 0x30035;
    id.dialogHelpContext = 0x30030;
    id.mapLength = 6;
    id.bitOffset = 3;
    id.wordOffset = 1;
    id.characteristicC = 1;
    id.typeOffset = 4;
    id.characteristicE = 0;
    id.characteristicF = 0;
    id.characteristicG = 1;
    return id;
  }();
  return identity;
}

}  // namespace orvane::dunmore

namespace orvane::plugin {

const DriverDefinition& ThisDriver() {
  static const dlogic::DirectLogicGrammar grammar(dunmore::Dialect());
  static const DriverDefinition definition{
      dunmore::Identity(), grammar, &dunmore::DefaultAttributeFile, &dunmore::RunAttributeDialog};
  return definition;
}

}  // namespace orvane::plugin
