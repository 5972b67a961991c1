#include "view/PanelStatusView.h"

#include "base/StringTable.h"
#include "project/PanelModels.h"
#include "view/PanelCommands.h"

namespace orvane {

PanelStatusView StatusViewOf(const DeviceStatus& status) {
  PanelStatusView view;
  const char* device = status.multiplexer ? "Multiplexer" : "Panel";
  view.caption = status.port != 0 ? FormatText("%s Status - Port %d", device, status.port)
                                  : FormatText("%s Status", device);
  view.pictureModel = status.model;
  const PanelModelInfo& model = PanelModel(status.model);
  if (model.descriptionId != 0) {
    view.description = LoadString(model.descriptionId);
  }
  const std::string name = status.modelName.empty() ? model.name : status.modelName;
  view.fields.push_back({status.multiplexer ? "Device:" : "Panel Type:", name});
  if (status.port != 0) {
    view.fields.push_back({"Port:", FormatText("Port %d", status.port)});
  }
  view.fields.push_back({"Firmware Revision:", status.firmware});
  view.fields.push_back({"Memory:", status.memory});
  if (!status.hasDriver) {
    view.fields.push_back({"PLC Driver:", "None"});
    return view;
  }
  view.fields.push_back(
      {"PLC Driver:", status.driverName.empty() ? "Not installed on this PC" : status.driverName});
  view.fields.push_back({"Manufacturer / Model Code:",
                         FormatText("%d / %d", status.driverManufacturer, status.driverModel)});
  view.fields.push_back({"Driver Revision:", status.driverRevision});
  return view;
}

}  // namespace orvane
