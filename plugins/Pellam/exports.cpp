// What Pellam tells the host about itself; the contract's exports are the
// shared scaffolding's.
#include "plugins/Pellam/Pellam.h"

namespace orvane::pellam {

const plugin::DriverIdentity& Identity() {
  static const plugin::DriverIdentity identity{
      .manufacturerCode = 9,
      .modelCode = 1,
      .protocolCode = 0,
      .maker = "Mitsubishi",
      .model = "",
      .protocol = "Melsec FX",
      .revisionSuffix = " - Rev C",
      .revision = "C",
      .driverImage = "PellamPanel",
      .helpFile = "Vesper.hlp",
      .helpFileOtherTypes = "VesperX.hlp",
      .mainHelpContext = 0x30005,
      .dialogHelpContext = 0x30000,
      // Map length, bit, word, C, type, E, F, G.
      .map = {7, 4, 2, 2, 1, 1, 0, 1},
  };
  return identity;
}

}  // namespace orvane::pellam

namespace orvane::plugin {

const DriverDefinition& ThisDriver() {
  static const DriverDefinition definition{pellam::Identity(), pellam::Grammar(),
                                           &DefaultFileOf<&pellam::Identity, &pellam::Layout>,
                                           &pellam::RunAttributeDialog};
  return definition;
}

}  // namespace orvane::plugin
