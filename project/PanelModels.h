// The panel models: names, display size and the largest value a data item
// of each data type can show.
#pragma once

#include <cstdint>

namespace orvane {

/// Model codes as they travel in the project file, the port table and panel
/// records. kModelMultiplexer only occurs in status answers.
inline constexpr int32_t kModelNotConfigured = 0;
inline constexpr int32_t kModelOv200 = 1;
inline constexpr int32_t kModelOv200L = 2;
inline constexpr int32_t kModelOv200P = 3;  // passwords and annunciator
inline constexpr int32_t kModelOv400 = 4;   // four lines
inline constexpr int32_t kModelOvSP = 5;    // set point panel
inline constexpr int32_t kModelMultiplexer = 6;

struct PanelModelInfo {
  int32_t code = 0;
  const char* name = "";
  int lines = 0;              // 0 where the model has no display of its own
  int charactersPerLine = 0;  // 0 where the model has no display of its own
  int descriptionId = 0;      // string-table id of the description, 0 when none
};

/// The entry of a model code; any code outside 0 to 6 gets the entry named
/// "NULL" without lines.
const PanelModelInfo& PanelModel(int32_t code);

/// The largest value a data item of the data type can show on the model
/// (the kind maximum); 0 for a data type outside 0 to 3.
uint32_t KindMaximum(int32_t model, uint32_t dataType);

}  // namespace orvane
