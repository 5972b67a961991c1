// "Upgrade firmware": the user picks the panel's or the multiplexer's
// firmware file. Browse starts in the folder of the last firmware file
// ("FirmwarePath") and stores the folder of the one chosen; OK takes the
// path only when the file is a firmware image for that device, and says
// why not in the dialog otherwise. The decisions are FirmwareChoice's.
#pragma once

#include <QDialog>
#include <optional>
#include <string>

#include "view/FirmwareChoice.h"

class QLabel;
class QLineEdit;

namespace orvane {

class Settings;

/// Runs "Upgrade firmware" for the target (a panel or the multiplexer) over
/// settings (the program's own by default). The chosen firmware file, or
/// nothing when the user cancelled. Call it on the user-interface thread
/// before the upgrade starts; the current folder stays as it was.
std::optional<std::string> ChooseFirmwareImage(QWidget* parent, FirmwareTarget target);
std::optional<std::string> ChooseFirmwareImage(QWidget* parent, FirmwareTarget target,
                                               Settings& settings);

class CUpgdeFirmDlg final : public QDialog {
  Q_OBJECT

 public:
  CUpgdeFirmDlg(Settings& settings, FirmwareTarget target, QWidget* parent = nullptr);

  /// The path in the field.
  std::string Path() const;
  /// Browse: the file chooser in the start folder.
  void Browse();

 public slots:
  void accept() override;

 private:
  void FitHeight();

  FirmwareChoice choice_;
  QLineEdit* path_ = nullptr;
  QLabel* error_ = nullptr;
};

}  // namespace orvane
