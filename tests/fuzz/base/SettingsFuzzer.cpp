// Arbitrary text as an INI file and as the two settings files. The text
// writes back as it was read; a value set is read back, also after the
// text is read again, and is gone after its removal; the settings read from the files and changed
// through them stay consistent.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "base/IniFile.h"
#include "base/Settings.h"

namespace {

// A folder in memory when there is one: the files are written for every
// input.
std::filesystem::path ScratchFolder() {
  std::error_code error;
  return std::filesystem::is_directory("/dev/shm", error) ? std::filesystem::path("/dev/shm")
                                                          : std::filesystem::temp_directory_path();
}

std::filesystem::path folder;

void Write(const std::filesystem::path& path, std::string_view text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
}

void CheckIni(std::string_view text, const std::string& section, const std::string& key,
              const std::string& value) {
  const orvane::IniFile file(text);
  if (text.find('\r') == std::string_view::npos) {
    std::string expected(text);
    if (!expected.empty() && expected.back() != '\n') {
      expected += '\n';
    }
    if (file.Text() != expected) {
      std::abort();
    }
  }
  if (!orvane::IniFile::IsStorableName(section) || !orvane::IniFile::IsStorableName(key) ||
      !orvane::IniFile::IsStorableValue(value)) {
    return;
  }
  orvane::IniFile changed = file;
  changed.Set(section, key, value);
  const orvane::IniFile reread(changed.Text());
  if (changed.Get(section, key) != value || reread.Get(section, key) != value) {
    std::abort();
  }
  // A key that was not there is gone again after its removal.
  const bool hadKey = file.Get(section, key).has_value();
  orvane::IniFile removed = changed;
  if (!removed.Remove(section, key) || (!hadKey && removed.Get(section, key).has_value())) {
    std::abort();
  }
}

void CheckSettings(std::string_view text, const std::string& value) {
  const orvane::SettingsPaths paths{folder / "machine.ini", folder / "user.ini", folder};
  Write(paths.machineFile, text);
  Write(paths.userFile, text);
  orvane::Settings settings(paths);
  volatile size_t sink = settings.Port().size() + settings.InstallDirectory().size() +
                         settings.WorkingPath().size() + settings.FirmwarePath().size() +
                         static_cast<size_t>(settings.PlcManufacturerId() + settings.PlcModelId()) +
                         settings.IsSystemInstall() +
                         static_cast<size_t>(settings.ColumnWidth("View Address Control", 2));
  (void)sink;
  const orvane::WindowPlacement window = settings.Window();
  const auto recent = settings.RecentFiles();
  if (recent.size() > 4) {
    std::abort();
  }
  for (const std::string& file : recent) {
    if (file.empty()) {
      std::abort();
    }
  }
  if (!orvane::IniFile::IsStorableValue(value) || value.empty()) {
    return;
  }
  if (!settings.SetWindow(window) || settings.Window() != window ||
      !settings.AddRecentFile(value)) {
    std::abort();
  }
  const auto after = settings.RecentFiles();
  if (after.empty() || after.front() != value || after.size() > 4) {
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  folder = ScratchFolder() / ("orvane-fuzz-settings-" + std::to_string(getpid()));
  std::filesystem::create_directories(folder);
  std::atexit([] {
    std::error_code error;
    std::filesystem::remove_all(folder, error);
  });
  return 0;
}

// Input: the file text, then a 0 byte and the section, key and value of a
// change, each after a 0 byte.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view input(reinterpret_cast<const char*>(data), size);
  std::string parts[4];
  for (std::string& part : parts) {
    const size_t end = std::min(input.find('\0'), input.size());
    part = input.substr(0, end);
    input.remove_prefix(std::min(end + 1, input.size()));
  }
  CheckIni(parts[0], parts[1], parts[2], parts[3]);
  CheckSettings(parts[0], parts[3]);
  return 0;
}
