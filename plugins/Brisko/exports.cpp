// What Brisko tells the host about itself. The contract's exports are the
// shared scaffolding's (plugins/common/kit/ContractExports.cpp); they serve
// the driver described here.
#include "plugins/Brisko/Brisko.h"
#include "plugins/common/df1/Df1Grammar.h"

namespace orvane::brisko {

const plugin::DriverIdentity& Identity() {
  static const plugin::DriverIdentity identity = [] {
    plugin::DriverIdentity id;
    id.manufacturerCode = 1;
    id.modelCode = 4;
    id.protocolCode = 0;
    id.maker = "Allen-Bradley";
    id.model = "SLC 500/MicroLogix";
    id.protocol = "DF1(Half Duplex)";
    id.revisionSuffix = " - Rev C";
    id.revision = "C";
    id.driverImage = "BriskoPanel";
    id.helpFile = "Quenby.hlp";
    id.helpFileOtherTypes = "QuenbyX.hlp";
    id.mainHelpContext = 0x30015;
    id.dialogHelpContext = 0x30010;
    id.mapLength = 7;
    id.bitOffset = 6;
    id.wordOffset = 4;
    id.characteristicC = 2;
    id.typeOffset = 1;
    id.characteristicE = 1;
    id.characteristicF = 1;
    id.characteristicG = 1;
    return id;
  }();
  return identity;
}

}  // namespace orvane::brisko

namespace orvane::plugin {

const DriverDefinition& ThisDriver() {
  static const df1::Df1Grammar grammar(brisko::Dialect());
  static const DriverDefinition definition{
      brisko::Identity(), grammar, &brisko::DefaultAttributeFile, &brisko::RunAttributeDialog};
  return definition;
}

}  // namespace orvane::plugin
