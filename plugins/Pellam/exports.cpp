// What Pellam tells the host about itself; the contract's exports are the
// shared scaffolding's.
#include "plugins/Pellam/Pellam.h"

namespace orvane::pellam {

const plugin::DriverIdentity& Identity() {
  static const plugin::DriverIdentity identity = [] {
    plugin::DriverIdentity id;
    id.manufacturerCode = 9;
    id.modelCode = 1;
    id.protocolCode = 0;
    id.maker = "Mitsubishi";
    id.model = "";
    id.protocol = "Melsec FX";
    id.revisionSuffix = " - Rev C";
    id.revision = "C";
    id.driverImage = "PellamPanel";
    id.helpFile = "Vesper.hlp";
    id.helpFileOtherTypes = "VesperX.hlp";
    id.mainHelpContext = 0x30005;
    id.dialogHelpContext = 0x30000;
    id.mapLength = 7;
    id.bitOffset = 4;
    id.wordOffset = 2;
    id.characteristicC = 2;
    id.typeOffset = 1;
    id.characteristicE = 1;
    id.characteristicF = 0;
    id.characteristicG = 1;
    return id;
  }();
  return identity;
}

}  // namespace orvane::pellam

namespace orvane::plugin {

const DriverDefinition& ThisDriver() {
  static const DriverDefinition definition{pellam::Identity(), pellam::Grammar(),
                                           &pellam::DefaultAttributeFile,
                                           &pellam::RunAttributeDialog};
  return definition;
}

}  // namespace orvane::plugin
