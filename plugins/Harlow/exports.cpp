// What Harlow tells the host about itself; the contract's exports are the
// shared scaffolding's.
#include "plugins/Harlow/Harlow.h"
#include "plugins/common/df1/Df1Grammar.h"

namespace orvane::harlow {

const plugin::DriverIdentity& Identity() {
  static const plugin::DriverIdentity identity = [] {
    plugin::DriverIdentity id;
    id.manufacturerCode = 1;
    id.modelCode = 9;
    id.protocolCode = 0;
    id.maker = "Allen-Bradley";
    id.model = "SLC 500";
    id.protocol = "DF1(Full Duplex)";
    id.revisionSuffix = " - Rev C";
    id.revision = "C";
    id.driverImage = "HarlowPanel";
    id.helpFile = "Quenby.hlp";
    id.helpFileOtherTypes = "QuenbyX.hlp";
    id.mainHelpContext = 0x30045;
    id.dialogHelpContext = 0x30040;
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

}  // namespace orvane::harlow

namespace orvane::plugin {

const DriverDefinition& ThisDriver() {
  static const df1::Df1Grammar grammar(harlow::Dialect());
  static const DriverDefinition definition{
      harlow::Identity(), grammar, &harlow::DefaultAttributeFile, &harlow::RunAttributeDialog};
  return definition;
}

}  // namespace orvane::plugin
