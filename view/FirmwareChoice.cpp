#include "view/FirmwareChoice.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <system_error>

#include "base/Settings.h"
#include "base/StringTable.h"
#include "link/TOvExec.h"
#include "link/TOvMuxExec.h"

namespace orvane {
namespace {

namespace fs = std::filesystem;

// What a file holds, read as either kind of firmware image.
enum class ImageKind { Panel, Multiplexer, TooShort, Empty, Neither };

size_t PanelImageLength(const fs::path& path, bool& valid) {
  std::ifstream file(path);
  const TOvExec image(file, TOvExec::kFirmwareStart);
  valid = image.IsValid();
  return image.ImageLength();
}

size_t MuxImageLength(const fs::path& path, bool& valid) {
  std::ifstream file(path);
  const TOvMuxExec image(file, TOvMuxExec::kFirmwareStart);
  valid = image.IsValid();
  return image.ImageLength();
}

// Lines of the other kind are no records to a reader (the S-record reader
// skips lines without an 'S'), so an image counts only when it has data.
ImageKind KindOf(const fs::path& path) {
  bool panelValid = false;
  const size_t panelLength = PanelImageLength(path, panelValid);
  if (panelValid && panelLength > 0) {
    return ImageKind::Panel;
  }
  bool muxValid = false;
  const size_t muxLength = MuxImageLength(path, muxValid);
  if (muxValid && muxLength >= TOvMuxExec::kMinFirmwareLength) {
    return ImageKind::Multiplexer;
  }
  if (muxValid && muxLength > 0) {
    return ImageKind::TooShort;
  }
  // A file without S-records is a valid, empty S-record image: only the
  // Intel HEX reading can tell an empty image from a broken file.
  if (panelValid) {
    return ImageKind::Empty;
  }
  return ImageKind::Neither;
}

}  // namespace

FirmwareChoice::FirmwareChoice(Settings& settings, FirmwareTarget target)
    : settings_(settings), target_(target) {}

std::string FirmwareChoice::Caption() const {
  return "Upgrade firmware";
}

std::string FirmwareChoice::Hint() const {
  if (target_ == FirmwareTarget::Multiplexer) {
    return "Choose the multiplexer's firmware file, a Motorola S-record image.\n"
           "The multiplexer is loaded at 38400 baud.";
  }
  return "Choose the panel's firmware file. It is usually named \"OvxxxYd.hex\", where xxx is "
         "the panel type and Yd the firmware revision (for example \"Ov200A1.hex\").\n"
         "Upgrading the firmware erases the program in the panel: write the project again "
         "afterwards.";
}

fs::path FirmwareChoice::StartFolder() const {
  std::error_code error;
  const std::string stored =
      settings_.UserValue(settings::kSettingsSection, settings::kFirmwarePath).value_or("");
  if (!stored.empty() && fs::is_directory(stored, error)) {
    return stored;
  }
  // A first run, or a folder that has gone since: the firmware that came
  // with the program. An install directory the user may not write to may
  // still hold it.
  const fs::path install = settings_.InstallDirectory();
  if (install.empty()) {
    return {};
  }
  const fs::path folder = install / "Firmware";
  fs::create_directories(folder, error);
  return fs::is_directory(folder, error) ? folder : fs::path();
}

bool FirmwareChoice::Chosen(const std::string& path) {
  const size_t separator = path.find_last_of('/');
  if (separator == std::string::npos) {
    return false;
  }
  // The root's files keep "/" as their folder.
  const std::string folder = separator == 0 ? std::string("/") : path.substr(0, separator);
  return settings_.SetFirmwarePath(folder);
}

std::optional<std::string> FirmwareChoice::Check(const std::string& text) const {
  if (text.find_first_not_of(" \t") == std::string::npos) {
    return std::string("Choose the firmware file first.");
  }
  const fs::path path = text;
  std::error_code error;
  if (!fs::exists(path, error)) {
    return FormatText("The file %s does not exist.", text.c_str());
  }
  if (fs::is_directory(path, error)) {
    return FormatText("%s is a folder, not a firmware file.", text.c_str());
  }
  {
    std::ifstream file(path);
    if (!file) {
      return FormatText("Cannot open %s: %s", text.c_str(), std::strerror(errno));
    }
  }
  // The field above shows the path; the kind refusals name the file.
  const std::string name = path.filename().string();
  const bool panel = target_ == FirmwareTarget::Panel;
  switch (KindOf(path)) {
    case ImageKind::Panel:
      if (panel) {
        return std::nullopt;
      }
      return FormatText(
          "%s is a panel firmware file (Intel HEX).\nThe multiplexer takes a Motorola S-record "
          "firmware file; a panel's firmware is upgraded with Upgrade Firmware.",
          name.c_str());
    case ImageKind::Multiplexer:
      if (!panel) {
        return std::nullopt;
      }
      return FormatText(
          "%s is a multiplexer firmware file (Motorola S-records).\nA panel takes an Intel HEX "
          "firmware file; the multiplexer's firmware is upgraded with Upgrade Mux Firmware.",
          name.c_str());
    case ImageKind::Empty:
      return FormatText("%s holds no firmware.", name.c_str());
    case ImageKind::TooShort:
    case ImageKind::Neither:
      break;
  }
  return std::string(LoadString(strings::kZ003));
}

}  // namespace orvane
