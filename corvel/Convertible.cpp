// Which PLC families share an address syntax, so that a project's addresses
// can be carried over when the user changes the PLC.
#include "corvel/Corvel.h"

namespace {

bool IsAllenBradleyDf1Model(unsigned char model) {
  return model == 1 || model == 4 || model == 8 || model == 9;
}

}  // namespace

bool CCorvel::IsPLCConvertible(unsigned char firstManufacturer, unsigned char firstModel,
                               unsigned char /*secondManufacturer*/,
                               unsigned char secondModel) const {
  // Only the first PLC's family decides; the second is known by its model
  // alone.
  switch (firstManufacturer) {
    case 1:  // Allen-Bradley
      if (IsAllenBradleyDf1Model(firstModel)) {
        return IsAllenBradleyDf1Model(secondModel);
      }
      if (firstModel == 6) {
        return secondModel == 6;
      }
      return false;
    case 31:  // DirectLOGIC
      if (firstModel == 1) {
        return secondModel == 1 || secondModel == 2;
      }
      if (firstModel == 2) {
        return secondModel == 1;
      }
      return false;
    case 33:
      return secondModel == 1 || secondModel == 2;
    default:
      return false;
  }
}

extern "C" CORVEL_API unsigned char IsConvertiblePLC(int firstManufacturer, int firstModel,
                                                     int secondManufacturer, int secondModel) {
  // Codes are bytes; a value outside 0..255 names no PLC.
  for (const int code : {firstManufacturer, firstModel, secondManufacturer, secondModel}) {
    if (code < 0 || code > 255) {
      return 0;
    }
  }
  const CCorvel corvel;
  return corvel.IsPLCConvertible(static_cast<unsigned char>(firstManufacturer),
                                 static_cast<unsigned char>(firstModel),
                                 static_cast<unsigned char>(secondManufacturer),
                                 static_cast<unsigned char>(secondModel))
             ? 1
             : 0;
}
