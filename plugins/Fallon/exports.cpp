// What Fallon tells the host about itself; the contract's exports are the
// shared scaffolding's.
#include "plugins/Fallon/Fallon.h"

namespace orvane::fallon {

const plugin::DriverIdentity& Identity() {
  static const plugin::DriverIdentity identity = [] {
    plugin::DriverIdentity id;
    id.manufacturerCode = 31;
    id.modelCode = 3;
    id.protocolCode = 0;
    id.maker = "DirectLogic";
    id.model = "";
    id.protocol = "Modbus (Koyo addressing)";
    id.revisionSuffix = " - Rev C";
    id.revision = "C";
    id.driverImage = "FallonPanel";
    id.helpFile = "Ostrum.hlp";
    id.helpFileOtherTypes = "OstrumX.hlp";
    id.mainHelpContext = 0x30025;
    id.dialogHelpContext = 0x30020;
    id.mapLength = 6;
    id.bitOffset = 4;
    id.wordOffset = 2;
    id.characteristicC = 1;
    id.typeOffset = 5;
    id.characteristicE = 1;
    id.characteristicF = 0;
    id.characteristicG = 1;
    return id;
  }();
  return identity;
}

}  // namespace orvane::fallon

namespace orvane::plugin {

const DriverDefinition& ThisDriver() {
  static const dlogic::DirectLogicGrammar grammar(fallon::Dialect());
  static const DriverDefinition definition{
      fallon::Identity(), grammar, &fallon::DefaultAttributeFile, &fallon::RunAttributeDialog};
  return definition;
}

}  // namespace orvane::plugin
