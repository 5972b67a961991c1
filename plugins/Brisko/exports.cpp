// What Brisko tells the host about itself. The contract's exports are the
// shared scaffolding's (plugins/common/kit/ContractExports.cpp); they serve
// the driver described here.
#include "plugins/Brisko/Brisko.h"
#include "plugins/common/df1/Df1Grammar.h"

namespace orvane::brisko {

const plugin::DriverIdentity& Identity() {
  static const plugin::DriverIdentity identity{
      .manufacturerCode = 1,
      .modelCode = 4,
      .protocolCode = 0,
      .maker = "Allen-Bradley",
      .model = "SLC 500/MicroLogix",
      .protocol = "DF1(Half Duplex)",
      .revisionSuffix = " - Rev C",
      .revision = "C",
      .driverImage = "BriskoPanel",
      .helpFile = "Quenby.hlp",
      .helpFileOtherTypes = "QuenbyX.hlp",
      .mainHelpContext = 0x30015,
      .dialogHelpContext = 0x30010,
      .map = df1::kMapDetails,
  };
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
