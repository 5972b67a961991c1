// The settings that persist between runs, for the desktop program and the
// command line alike.
//
// Two INI files hold them. The machine-wide file beside the installation
// carries the values an installer sets for every user ("Install Dir",
// "Port", "PLC-ManID", "PLC-ModID"). The user's own file, under the XDG
// configuration folder, carries the per-user profile: window placement,
// working folder, firmware folder, recent files and list column widths.
// A machine-wide value that cannot be written to the machine-wide file (a
// user without rights there) is written to the user's file instead, and the
// user's file wins when the value is read. Every write replaces its file
// atomically. One object may be used from several threads.
#pragma once

#include <filesystem>
#include <mutex>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace orvane {

class IniFile;

struct SettingsPaths {
  std::filesystem::path machineFile;  // machine-wide values
  std::filesystem::path userFile;     // the user's profile
  /// "Install Dir" when no file names one.
  std::filesystem::path installDir;
};

/// The machine-wide file in the install directory and the user's file
/// $XDG_CONFIG_HOME/Halvard/Orvane Zurovuvu.ini (~/.config without
/// XDG_CONFIG_HOME).
SettingsPaths DefaultSettingsPaths();

struct WindowPlacement {
  bool maximized = false;
  int left = 125;
  int top = 47;
  int right = 725;
  int bottom = 461;

  bool operator==(const WindowPlacement& other) const = default;
};

/// Names of the values, as they appear in the files.
namespace settings {
/// The section of the machine-wide values, in both files.
inline constexpr const char* kMachineSection = "Kelmora\\Orvane Zurovuvu 2.1-Demo";
inline constexpr const char* kInstallDir = "Install Dir";
inline constexpr const char* kPort = "Port";
inline constexpr const char* kPlcManufacturerId = "PLC-ManID";
inline constexpr const char* kPlcModelId = "PLC-ModID";

/// The machine-wide file of a packaged installation says so: the install
/// directory then belongs to the package manager, and nothing is written
/// into it (the user's file takes the machine-wide values a user stores,
/// the working folders go to the user's data folder).
inline constexpr const char* kInstallationSection = "Installation";
inline constexpr const char* kSystemInstall = "System";

inline constexpr const char* kWindowSection = "Window";
inline constexpr const char* kSettingsSection = "Settings";
inline constexpr const char* kPath = "Path";
inline constexpr const char* kFirmwarePath = "FirmwarePath";
inline constexpr const char* kRecentFileSection = "Recent File List";
/// The address list's column widths ("Width %d").
inline constexpr const char* kViewAddressControl = "View Address Control";

inline constexpr int kRecentFileCount = 4;
inline constexpr int kDefaultColumnWidth = 100;
inline constexpr int kDefaultPlcManufacturerId = 31;
inline constexpr int kDefaultPlcModelId = 2;
}  // namespace settings

class Settings {
 public:
  explicit Settings(SettingsPaths paths);

  const SettingsPaths& Paths() const { return paths_; }

  // Machine-wide values. Setters return false when the value could be
  // stored in neither file (or is not storable: no line breaks).

  std::optional<std::string> MachineValue(const std::string& key) const;
  bool SetMachineValue(const std::string& key, const std::string& value);
  /// The file MachineValue reads the value from (the user's file when it
  /// holds one, else the machine-wide file); nothing when neither does.
  std::optional<std::filesystem::path> MachineValueFile(const std::string& key) const;

  /// "Install Dir", or the install directory the program found itself.
  std::string InstallDirectory() const;
  /// The machine-wide file marks the install directory as a packaged
  /// installation ("Installation"/"System" = 1).
  bool IsSystemInstall() const;
  /// The serial port: "COM1" to "COM4" or a device path; empty when unset.
  std::string Port() const;
  /// Accepts "COM1" to "COM4", an absolute device path or "Simulated panel"
  /// (the desktop program's simulated panel); anything else is refused
  /// without writing.
  bool SetPort(const std::string& port);
  /// The PLC a new project starts with (31 and 2 when unset).
  int PlcManufacturerId() const;
  int PlcModelId() const;
  bool SetDefaultPlc(int manufacturerId, int modelId);

  // The user's profile.

  std::optional<std::string> UserValue(const std::string& section, const std::string& key) const;
  bool SetUserValue(const std::string& section, const std::string& key, const std::string& value);
  /// The value as a decimal integer; fallback when absent or not a number.
  int UserInt(const std::string& section, const std::string& key, int fallback) const;
  bool SetUserInt(const std::string& section, const std::string& key, int value);

  /// Main window placement; the defaults when unset.
  WindowPlacement Window() const;
  bool SetWindow(const WindowPlacement& placement);
  /// The working folder the program starts in; empty when unset.
  std::string WorkingPath() const;
  bool SetWorkingPath(const std::string& path);
  /// The folder of the last firmware file; the install directory's Firmware
  /// folder when unset.
  std::string FirmwarePath() const;
  bool SetFirmwarePath(const std::string& path);
  /// Most recent first, at most four, no empty entries.
  std::vector<std::string> RecentFiles() const;
  /// Puts path first, drops an older entry of the same path, keeps four.
  bool AddRecentFile(const std::string& path);
  /// Column widths of a list ("Width %d" in the list's section); 100 when
  /// unset.
  int ColumnWidth(const std::string& section, int column) const;
  bool SetColumnWidth(const std::string& section, int column, int width);

  /// Why the last setter that wrote a file failed: the file and the
  /// system's reason ("cannot create a temporary file beside ...:
  /// Permission denied"); empty after one that succeeded.
  std::string WriteError() const;

 private:
  /// Keys of one section, each set to its value or removed without one.
  using KeyChanges = std::vector<std::pair<std::string, std::optional<std::string>>>;

  std::optional<std::string> MachineValueLocked(const std::string& key) const;
  std::optional<std::string> UserValueLocked(const std::string& section,
                                             const std::string& key) const;
  bool WriteUserLocked(const std::string& section, const std::string& key,
                       const std::string& value);
  /// One write of the user's file for all the changes.
  bool WriteUserLocked(const std::string& section, const KeyChanges& changes);
  std::vector<std::string> RecentFilesLocked() const;
  bool SetRecentFilesLocked(const std::vector<std::string>& files);

  const SettingsPaths paths_;
  mutable std::mutex mutex_;
  std::string writeError_;
};

/// The program's settings at their usual places, made on first use.
Settings& AppSettings();

}  // namespace orvane
