#include "project/PanelModels.h"

#include "base/StringTable.h"
#include "project/ModelLimits.h"

namespace orvane {
namespace {

constexpr PanelModelInfo kModels[] = {
    {kModelNotConfigured, "NOT CONFIGURED...", 0, 0, 0},
    {kModelOv200, "Ov200/Ov200V", 2, 20, strings::kModelDescription1},
    {kModelOv200L, "Ov200L", 2, 20, strings::kModelDescription2},
    {kModelOv200P, "Ov200P/Ov200PV", 2, 20, strings::kModelDescription3},
    {kModelOv400, "Ov400", 4, 20, strings::kModelDescription4},
    {kModelOvSP, "OvSP", 1, 16, strings::kModelDescription5},
    {kModelMultiplexer, "Multiplexer", 0, 0, strings::kModelDescription6},
};

constexpr PanelModelInfo kUnknownModel = {-1, "NULL", 0, 0, 0};

}  // namespace

const PanelModelInfo& PanelModel(int32_t code) {
  for (const PanelModelInfo& model : kModels) {
    if (model.code == code) {
      return model;
    }
  }
  return kUnknownModel;
}

uint32_t KindMaximum(int32_t model, uint32_t dataType) {
  switch (dataType) {
    case kDataTypeBcd16:
      return 9999u;
    case kDataTypeBinary16:
      return 65535u;
    case kDataTypeBcd32:
      return 99999999u;
    case kDataTypeBinary32:
      // The set point panel shows eight digits at most.
      return model == kModelOvSP ? 99999999u : 4294967295u;
    default:
      return 0u;
  }
}

}  // namespace orvane
