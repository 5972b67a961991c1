// What Tandry tells the host about itself; the contract's exports are the
// shared scaffolding's.
#include "plugins/Tandry/Tandry.h"

namespace orvane::tandry {

const plugin::DriverIdentity& Identity() {
  static const plugin::DriverIdentity identity = [] {
    plugin::DriverIdentity id;
    id.manufacturerCode = 34;
    id.modelCode = 1;
    id.protocolCode = 0;
    id.maker = "Entivity (Think & Do)";
    id.model = "";
    id.protocol = "Modbus";
    id.revisionSuffix = " - Rev D";
    id.revision = "D";
    id.driverImage = "TandryPanel";
    id.helpFile = "Tandry.hlp";
    id.helpFileOtherTypes = "TandryX.hlp";
    id.mainHelpContext = 0x30005;
    id.dialogHelpContext = 0x30000;
    id.mapLength = 5;
    id.bitOffset = 4;
    id.wordOffset = 2;
    id.characteristicC = 1;
    id.typeOffset = 1;
    id.characteristicE = 1;
    id.characteristicF = 0;
    id.characteristicG = 0;
    return id;
  }();
  return identity;
}

}  // namespace orvane::tandry

namespace orvane::plugin {

const DriverDefinition& ThisDriver() {
  static const DriverDefinition definition{tandry::Identity(), tandry::Grammar(),
                                           &tandry::DefaultAttributeFile,
                                           &tandry::RunAttributeDialog};
  return definition;
}

}  // namespace orvane::plugin
