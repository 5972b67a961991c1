#include "app/WorkingFolder.h"

#include <unistd.h>

#include <cstdlib>
#include <system_error>

#include "base/Settings.h"
#include "base/StringTable.h"

namespace orvane {
namespace {

namespace fs = std::filesystem;

// Makes base/Firmware and base/Project; true when both are there and the
// user may write into them.
bool MakeFolders(const fs::path& base) {
  for (const char* name : {"Firmware", "Project"}) {
    const fs::path folder = base / name;
    std::error_code error;
    fs::create_directories(folder, error);
    if (!fs::is_directory(folder, error) || ::access(folder.c_str(), W_OK) != 0) {
      return false;
    }
  }
  return true;
}

}  // namespace

fs::path UserDataFolder() {
  fs::path data;
  if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg != nullptr && *xdg == '/') {
    data = xdg;
  } else if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
    data = fs::path(home) / ".local" / "share";
  } else {
    data = fs::temp_directory_path();
  }
  return data / "Halvard" / LoadString(strings::kAppTitle);
}

fs::path StartFolder(const Settings& settings, const fs::path& userData) {
  const std::string stored = settings.WorkingPath();
  std::error_code error;
  if (!stored.empty() && fs::is_directory(stored, error)) {
    return stored;
  }
  const fs::path install = settings.InstallDirectory();
  if (!install.empty() && !settings.IsSystemInstall() && MakeFolders(install)) {
    return install / "Project";
  }
  if (MakeFolders(userData)) {
    return userData / "Project";
  }
  return {};
}

bool EnterStartFolder(const Settings& settings, const fs::path& userData) {
  const fs::path folder = StartFolder(settings, userData);
  if (folder.empty()) {
    return false;
  }
  std::error_code error;
  fs::current_path(folder, error);
  return !error;
}

bool StoreCurrentFolder(Settings& settings) {
  std::error_code error;
  const fs::path current = fs::current_path(error);
  return !error && settings.SetWorkingPath(current.string());
}

}  // namespace orvane
