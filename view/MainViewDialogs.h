// The main view's own dialogs, beyond the message boxes and choosers of
// the user interface seam: the desktop program shows them with Qt, the tests
// answer them from a script.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace orvane {

class MainViewDialogs {
 public:
  virtual ~MainViewDialogs() = default;

  /// "Select Panel": the five models (codes 1 to 5) with their pictures and
  /// descriptions, preselected selected. The chosen code, or nothing when
  /// the user cancelled.
  virtual std::optional<int32_t> SelectPanelModel(int32_t preselected) = 0;

  /// "Address conversion log": the log of a PLC change, one row per line
  /// ("%s\t%s\t%s\t": old address, new address, remark), which the user may
  /// save as a text file.
  virtual void ShowAddressConversionLog(const std::vector<std::string>& lines) = 0;
};

}  // namespace orvane
