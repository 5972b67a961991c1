// The "Upgrade firmware" dialog's decisions: where its chooser starts, what
// it offers, what it stores, and whether the chosen file is a firmware
// image the upgrade can send to the device it is meant for.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace orvane {

class Settings;

/// The device a firmware image is for: a panel takes an Intel HEX image that
/// starts at address 0, the multiplexer a Motorola S-record image whose
/// first data record starts at 0x10000.
enum class FirmwareTarget { Panel, Multiplexer };

/// The chooser's filter; both kinds of image ship as ".hex" files.
inline constexpr const char* kFirmwareFileFilter =
    "Firmware Files (*.hex)|*.hex|All Files (*.*)|*.*||";

class FirmwareChoice {
 public:
  /// settings must outlive this object.
  FirmwareChoice(Settings& settings, FirmwareTarget target);

  FirmwareTarget Target() const { return target_; }
  /// The dialog's caption and the text that tells the user which file to
  /// pick.
  std::string Caption() const;
  std::string Hint() const;

  /// The folder Browse starts in: "FirmwarePath" when it names a folder
  /// that is there; otherwise the install directory's Firmware folder,
  /// made when it is missing. Empty when neither is there (the chooser
  /// then starts in the current folder).
  std::filesystem::path StartFolder() const;

  /// Browse chose path: stores its folder as "FirmwarePath" (the part
  /// before the last separator). false when it could not be stored.
  bool Chosen(const std::string& path);

  /// OK with path in the field: nothing when the file is an image of the
  /// target's kind that the upgrade can send, else the text that says why
  /// not (the dialog stays open). The sequence reads the file again when
  /// it runs.
  std::optional<std::string> Check(const std::string& path) const;

 private:
  Settings& settings_;
  FirmwareTarget target_;
};

}  // namespace orvane
