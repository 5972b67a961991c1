// What Merrow tells the host about itself; the contract's exports are the
// shared scaffolding's.
#include "plugins/Merrow/Merrow.h"
#include "plugins/common/df1/Df1Grammar.h"

namespace orvane::merrow {

const plugin::DriverIdentity& Identity() {
  static const plugin::DriverIdentity identity{
      .manufacturerCode = 1,
      .modelCode = 8,
      .protocolCode = 0,
      .maker = "Allen-Bradley",
      .model = "MicroLogix",
      .protocol = "DF1(Full Duplex)",
      .revisionSuffix = " - Rev C",
      .revision = "C",
      .driverImage = "MerrowPanel",
      .helpFile = "Quenby.hlp",
      .helpFileOtherTypes = "QuenbyX.hlp",
      .mainHelpContext = 0x30035,
      .dialogHelpContext = 0x30030,
      .map = df1::kMapDetails,
  };
  return identity;
}

}  // namespace orvane::merrow

namespace orvane::plugin {

const DriverDefinition& ThisDriver() {
  static const df1::Df1Grammar grammar(merrow::Dialect());
  static const DriverDefinition definition{merrow::Identity(), grammar,
                                           &DefaultFileOf<&merrow::Identity, &merrow::Layout>,
                                           &merrow::RunAttributeDialog};
  return definition;
}

}  // namespace orvane::plugin
