// What Calden tells the host about itself; the contract's exports are the
// shared scaffolding's.
#include "plugins/Calden/Calden.h"

namespace orvane::calden {

const plugin::DriverIdentity& Identity() {
  static const plugin::DriverIdentity identity = [] {
    plugin::DriverIdentity id;
    id.manufacturerCode = 31;
    id.modelCode = 1;
    id.protocolCode = 0;
    id.maker = "DirectLogic";
    id.model = "(Except 330/340)";
    id.protocol = "DirectNet";
    id.revisionSuffix = " - Rev D";
    id.revision = "D";
    id.driverImage = "CaldenPanel";
    id.helpFile = "Ostrum.hlp";
    id.helpFileOtherTypes = "OstrumX.hlp";
    id.mainHelpContext = 0x30005;
    id.dialogHelpContext = 0x30000;
    id.mapLength = 5;
    id.bitOffset = 3;
    id.wordOffset = 1;
    id.characteristicC = 2;
    id.typeOffset = 4;
    id.characteristicE = 0;
    id.characteristicF = 0;
    id.characteristicG = 1;
    return id;
  }();
  return identity;
}

}  // namespace orvane::calden

namespace orvane::plugin {

const DriverDefinition& ThisDriver() {
  static const dlogic::DirectLogicGrammar grammar(calden::Dialect());
  static const DriverDefinition definition{
      calden::Identity(), grammar, &calden::DefaultAttributeFile, &calden::RunAttributeDialog};
  return definition;
}

}  // namespace orvane::plugin
