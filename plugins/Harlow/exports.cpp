// What Harlow tells the host about itself; the contract's exports are the
// shared scaffolding's.
#include "plugins/Harlow/Harlow.h"
#include "plugins/common/df1/Df1Grammar.h"

namespace orvane::harlow {

const plugin::DriverIdentity& Identity() {
  static const plugin::DriverIdentity identity{
      .manufacturerCode = 1,
      .modelCode = 9,
      .protocolCode = 0,
      .maker = "Allen-Bradley",
      .model = "SLC 500",
      .protocol = "DF1(Full Duplex)",
      .revisionSuffix = " - Rev C",
      .revision = "C",
      .driverImage = "HarlowPanel",
      .helpFile = "Quenby.hlp",
      .helpFileOtherTypes = "QuenbyX.hlp",
      .mainHelpContext = 0x30045,
      .dialogHelpContext = 0x30040,
      .map = df1::kMapDetails,
  };
  return identity;
}

}  // namespace orvane::harlow

namespace orvane::plugin {

const DriverDefinition& ThisDriver() {
  static const df1::Df1Grammar grammar(harlow::Dialect());
  static const DriverDefinition definition{harlow::Identity(), grammar,
                                           &DefaultFileOf<&harlow::Identity, &harlow::Layout>,
                                           &harlow::RunAttributeDialog};
  return definition;
}

}  // namespace orvane::plugin
