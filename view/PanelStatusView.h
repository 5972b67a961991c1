// What the panel status dialog shows of a panel's or the multiplexer's
// status identification: its caption, the model's picture and description,
// and the labelled fields in order.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace orvane {

struct DeviceStatus;

struct StatusField {
  std::string label;
  std::string value;

  bool operator==(const StatusField&) const = default;
};

struct PanelStatusView {
  std::string caption;
  /// The model code whose picture shows (6 for the multiplexer; the code
  /// the device reported, which may name no model).
  int32_t pictureModel = 0;
  std::string description;
  std::vector<StatusField> fields;
};

/// The dialog's content for a status: the device and its port (behind a
/// multiplexer), the firmware revision ("%c.%d"), the memory ("%4d KB" or
/// "%4d Bytes") and, when the device holds a PLC driver, its name (or that
/// this PC has none with its codes), codes and revision.
PanelStatusView StatusViewOf(const DeviceStatus& status);

}  // namespace orvane
