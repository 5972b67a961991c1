#include "base/Settings.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <utility>

#include "base/AtomicFile.h"
#include "base/IniFile.h"
#include "base/InstallDir.h"
#include "base/StringTable.h"

namespace orvane {
namespace {

// One value set (or removed, without a value) in one write of a file.
struct SettingChange {
  std::string section;
  std::string key;
  std::optional<std::string> value;
};

constexpr const char* kCompany = "Halvard";

std::optional<int> ParseInt(const std::string& text) {
  const char* begin = text.data();
  const char* end = text.data() + text.size();
  while (begin != end && (*begin == ' ' || *begin == '\t')) {
    ++begin;
  }
  int value = 0;
  const auto [stop, error] = std::from_chars(begin, end, value);
  if (error != std::errc() || stop == begin) {
    return std::nullopt;
  }
  return value;
}

// A settings file is the program's own: its folder (the user's
// configuration folder on first use) is made when it is missing.
bool WriteSettingsFile(const std::filesystem::path& path, const std::string& text,
                       std::string& error) {
  std::error_code code;
  std::filesystem::create_directories(path.parent_path(), code);
  return WriteFileAtomically(path, text, &error);
}

// The file as it is, with one value changed; a file that is there but
// cannot be read is left alone rather than replaced by that one value.
bool UpdateFile(const std::filesystem::path& path, const std::vector<SettingChange>& changes,
                std::string& error) {
  std::optional<IniFile> file = IniFile::ReadForUpdate(path, error);
  if (!file) {
    return false;
  }
  for (const SettingChange& change : changes) {
    if (change.value) {
      file->Set(change.section, change.key, *change.value);
    } else {
      file->Remove(change.section, change.key);
    }
  }
  return WriteSettingsFile(path, file->Text(), error);
}

bool UpdateFile(const std::filesystem::path& path, const std::string& section,
                const std::string& key, const std::string& value, std::string& error) {
  return UpdateFile(path, {SettingChange{section, key, value}}, error);
}

bool IsComPort(const std::string& port) {
  return port.size() == 4 && port.compare(0, 3, "COM") == 0 && port[3] >= '1' && port[3] <= '4';
}

int IntFrom(const IniFile& file, const std::string& section, const std::string& key, int fallback) {
  const auto value = file.Get(section, key);
  return value ? ParseInt(*value).value_or(fallback) : fallback;
}

std::string RecentFileKey(int index) {
  return "File" + std::to_string(index + 1);
}

std::string ColumnKey(int column) {
  return "Width " + std::to_string(column);
}

}  // namespace

SettingsPaths DefaultSettingsPaths() {
  std::filesystem::path config;
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg != nullptr && *xdg == '/') {
    config = xdg;
  } else if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
    config = std::filesystem::path(home) / ".config";
  } else {
    config = std::filesystem::temp_directory_path();
  }
  const std::filesystem::path install = InstallDir();
  return SettingsPaths{install / "orvane.ini",
                       config / kCompany / (std::string(LoadString(strings::kAppTitle)) + ".ini"),
                       install};
}

Settings::Settings(SettingsPaths paths) : paths_(std::move(paths)) {}

std::optional<std::string> Settings::MachineValueLocked(const std::string& key) const {
  // A value the user could not store machine-wide lives in the user's file
  // and wins.
  if (auto value = IniFile::Read(paths_.userFile).Get(settings::kMachineSection, key)) {
    return value;
  }
  return IniFile::Read(paths_.machineFile).Get(settings::kMachineSection, key);
}

std::optional<std::string> Settings::MachineValue(const std::string& key) const {
  std::lock_guard lock(mutex_);
  return MachineValueLocked(key);
}

std::optional<std::filesystem::path> Settings::MachineValueFile(const std::string& key) const {
  std::lock_guard lock(mutex_);
  for (const std::filesystem::path& file : {paths_.userFile, paths_.machineFile}) {
    if (IniFile::Read(file).Get(settings::kMachineSection, key)) {
      return file;
    }
  }
  return std::nullopt;
}

bool Settings::SetMachineValue(const std::string& key, const std::string& value) {
  if (!IniFile::IsStorableName(key) || !IniFile::IsStorableValue(value)) {
    return false;
  }
  const bool systemInstall = IsSystemInstall();
  std::lock_guard lock(mutex_);
  if (!systemInstall &&
      UpdateFile(paths_.machineFile, settings::kMachineSection, key, value, writeError_)) {
    // An older fallback copy in the user's file would hide the new value.
    if (IniFile::Read(paths_.userFile).Get(settings::kMachineSection, key) &&
        !UpdateFile(paths_.userFile, {SettingChange{settings::kMachineSection, key, std::nullopt}},
                    writeError_)) {
      return WriteUserLocked(settings::kMachineSection, key, value);
    }
    writeError_.clear();
    return true;
  }
  return WriteUserLocked(settings::kMachineSection, key, value);
}

std::string Settings::InstallDirectory() const {
  std::lock_guard lock(mutex_);
  auto value = MachineValueLocked(settings::kInstallDir);
  return value && !value->empty() ? *value : paths_.installDir.string();
}

bool Settings::IsSystemInstall() const {
  std::lock_guard lock(mutex_);
  return IniFile::Read(paths_.machineFile)
             .Get(settings::kInstallationSection, settings::kSystemInstall)
             .value_or("") == "1";
}

std::string Settings::Port() const {
  std::lock_guard lock(mutex_);
  return MachineValueLocked(settings::kPort).value_or(std::string());
}

bool Settings::SetPort(const std::string& port) {
  // The simulated panel is stored by its name: the desktop program starts it
  // and opens its link.
  const bool simulated = port == LoadString(strings::kSimulatedPanel);
  if (!simulated && !IsComPort(port) && (port.empty() || port.front() != '/')) {
    return false;
  }
  return SetMachineValue(settings::kPort, port);
}

int Settings::PlcManufacturerId() const {
  std::lock_guard lock(mutex_);
  const auto value = MachineValueLocked(settings::kPlcManufacturerId);
  return value ? ParseInt(*value).value_or(settings::kDefaultPlcManufacturerId)
               : settings::kDefaultPlcManufacturerId;
}

int Settings::PlcModelId() const {
  std::lock_guard lock(mutex_);
  const auto value = MachineValueLocked(settings::kPlcModelId);
  return value ? ParseInt(*value).value_or(settings::kDefaultPlcModelId)
               : settings::kDefaultPlcModelId;
}

bool Settings::SetDefaultPlc(int manufacturerId, int modelId) {
  const bool manufacturer =
      SetMachineValue(settings::kPlcManufacturerId, std::to_string(manufacturerId));
  const bool model = SetMachineValue(settings::kPlcModelId, std::to_string(modelId));
  return manufacturer && model;
}

std::optional<std::string> Settings::UserValueLocked(const std::string& section,
                                                     const std::string& key) const {
  return IniFile::Read(paths_.userFile).Get(section, key);
}

bool Settings::WriteUserLocked(const std::string& section, const std::string& key,
                               const std::string& value) {
  return WriteUserLocked(section, {{key, value}});
}

bool Settings::WriteUserLocked(const std::string& section, const KeyChanges& changes) {
  std::vector<SettingChange> list;
  for (const auto& [key, value] : changes) {
    list.push_back(SettingChange{section, key, value});
  }
  writeError_.clear();
  return UpdateFile(paths_.userFile, list, writeError_);
}

std::optional<std::string> Settings::UserValue(const std::string& section,
                                               const std::string& key) const {
  std::lock_guard lock(mutex_);
  return UserValueLocked(section, key);
}

bool Settings::SetUserValue(const std::string& section, const std::string& key,
                            const std::string& value) {
  if (!IniFile::IsStorableName(section) || !IniFile::IsStorableName(key) ||
      !IniFile::IsStorableValue(value)) {
    return false;
  }
  std::lock_guard lock(mutex_);
  return WriteUserLocked(section, key, value);
}

int Settings::UserInt(const std::string& section, const std::string& key, int fallback) const {
  std::lock_guard lock(mutex_);
  return IntFrom(IniFile::Read(paths_.userFile), section, key, fallback);
}

bool Settings::SetUserInt(const std::string& section, const std::string& key, int value) {
  return SetUserValue(section, key, std::to_string(value));
}

WindowPlacement Settings::Window() const {
  std::unique_lock lock(mutex_);
  const IniFile file = IniFile::Read(paths_.userFile);
  lock.unlock();
  const WindowPlacement defaults;
  WindowPlacement placement;
  placement.maximized = IntFrom(file, settings::kWindowSection, "Maximized", 0) != 0;
  placement.left = IntFrom(file, settings::kWindowSection, "Left", defaults.left);
  placement.top = IntFrom(file, settings::kWindowSection, "Top", defaults.top);
  placement.right = IntFrom(file, settings::kWindowSection, "Right", defaults.right);
  placement.bottom = IntFrom(file, settings::kWindowSection, "Bottom", defaults.bottom);
  return placement;
}

bool Settings::SetWindow(const WindowPlacement& placement) {
  std::lock_guard lock(mutex_);
  // One write for the five values, so that they never get out of step.
  return WriteUserLocked(settings::kWindowSection, {{"Maximized", placement.maximized ? "1" : "0"},
                                                    {"Left", std::to_string(placement.left)},
                                                    {"Right", std::to_string(placement.right)},
                                                    {"Top", std::to_string(placement.top)},
                                                    {"Bottom", std::to_string(placement.bottom)}});
}

std::string Settings::WorkingPath() const {
  return UserValue(settings::kSettingsSection, settings::kPath).value_or(std::string());
}

bool Settings::SetWorkingPath(const std::string& path) {
  return SetUserValue(settings::kSettingsSection, settings::kPath, path);
}

std::string Settings::FirmwarePath() const {
  const std::string stored =
      UserValue(settings::kSettingsSection, settings::kFirmwarePath).value_or(std::string());
  if (!stored.empty()) {
    return stored;
  }
  return (std::filesystem::path(InstallDirectory()) / "Firmware").string();
}

bool Settings::SetFirmwarePath(const std::string& path) {
  return SetUserValue(settings::kSettingsSection, settings::kFirmwarePath, path);
}

std::vector<std::string> Settings::RecentFiles() const {
  std::lock_guard lock(mutex_);
  return RecentFilesLocked();
}

std::vector<std::string> Settings::RecentFilesLocked() const {
  const IniFile file = IniFile::Read(paths_.userFile);
  std::vector<std::string> files;
  for (int i = 0; i < settings::kRecentFileCount; ++i) {
    auto entry = file.Get(settings::kRecentFileSection, RecentFileKey(i));
    if (entry && !entry->empty()) {
      files.push_back(std::move(*entry));
    }
  }
  return files;
}

bool Settings::SetRecentFilesLocked(const std::vector<std::string>& files) {
  KeyChanges changes;
  for (int i = 0; i < settings::kRecentFileCount; ++i) {
    if (static_cast<size_t>(i) < files.size()) {
      changes.emplace_back(RecentFileKey(i), files[static_cast<size_t>(i)]);
    } else {
      changes.emplace_back(RecentFileKey(i), std::nullopt);
    }
  }
  return WriteUserLocked(settings::kRecentFileSection, changes);
}

bool Settings::AddRecentFile(const std::string& path) {
  if (path.empty() || !IniFile::IsStorableValue(path)) {
    return false;
  }
  std::lock_guard lock(mutex_);
  std::vector<std::string> files = RecentFilesLocked();
  std::erase(files, path);
  files.insert(files.begin(), path);
  if (files.size() > static_cast<size_t>(settings::kRecentFileCount)) {
    files.resize(static_cast<size_t>(settings::kRecentFileCount));
  }
  return SetRecentFilesLocked(files);
}

int Settings::ColumnWidth(const std::string& section, int column) const {
  return UserInt(section, ColumnKey(column), settings::kDefaultColumnWidth);
}

bool Settings::SetColumnWidth(const std::string& section, int column, int width) {
  return SetUserInt(section, ColumnKey(column), width);
}

std::string Settings::WriteError() const {
  std::lock_guard lock(mutex_);
  return writeError_;
}

Settings& AppSettings() {
  static Settings settings(DefaultSettingsPaths());
  return settings;
}

}  // namespace orvane
