// The panel status dialog: what a panel or the multiplexer reported of
// itself (Information, the port menu's Information), with the picture and
// description of its model. Its content is PanelStatusView's.
#pragma once

#include <QDialog>

namespace orvane {

struct DeviceStatus;

/// Shows the status modally until the user closes it with OK (or Escape).
/// Call it on the user-interface thread.
void ShowPanelStatus(QWidget* parent, const DeviceStatus& status);

class PanelStatusDialog final : public QDialog {
  Q_OBJECT

 public:
  PanelStatusDialog(const DeviceStatus& status, QWidget* parent = nullptr);
};

}  // namespace orvane
