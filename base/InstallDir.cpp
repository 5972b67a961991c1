#include "base/InstallDir.h"

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <system_error>

#if defined(_WIN32)
#include <windows.h>
#endif

namespace orvane {
namespace {

std::filesystem::path RunningProgram() {
#if defined(_WIN32)
  wchar_t buffer[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameW(nullptr, buffer, MAX_PATH);
  return std::filesystem::path(std::wstring(buffer, length));
#else
  std::error_code error;
  std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::filesystem::path() : self;
#endif
}

}  // namespace

std::filesystem::path InstallDir() {
  if (const char* overridden = std::getenv("ORVANE_INSTALL_DIR"); overridden && *overridden) {
    return std::filesystem::path(overridden);
  }
  const std::filesystem::path program = RunningProgram();
  if (program.empty()) {
    return {};
  }
#if defined(_WIN32)
  // On Windows the programs live in the install directory itself.
  return program.parent_path();
#else
  return program.parent_path().parent_path() / "lib" / "orvane";
#endif
}

std::filesystem::path PluginDir() {
  return InstallDir() / "dll";
}

std::filesystem::path DriverImageDir() {
  return InstallDir() / "driver";
}

std::filesystem::path StandInImageDir() {
  if (const char* overridden = std::getenv("ORVANE_STANDIN_DIR"); overridden && *overridden) {
    return std::filesystem::path(overridden);
  }
#if defined(_WIN32)
  return InstallDir() / "standin";
#else
  // lib/orvane -> share/orvane/standin
  return InstallDir().parent_path().parent_path() / "share" / "orvane" / "standin";
#endif
}

namespace {

std::atomic<bool>& StandInFlag() {
  static std::atomic<bool> flag = [] {
    const char* value = std::getenv("ORVANE_STANDIN_IMAGES");
    return value != nullptr && std::strcmp(value, "1") == 0;
  }();
  return flag;
}

}  // namespace

bool StandInImagesInUse() {
  return StandInFlag().load();
}

void SetStandInImagesInUse(bool inUse) {
  StandInFlag().store(inUse);
}

std::filesystem::path DriverImagePath(const std::string& fileName) {
  std::filesystem::path path = DriverImageDir() / fileName;
  std::error_code error;
  if (!StandInImagesInUse() || std::filesystem::exists(path, error)) {
    return path;
  }
  std::filesystem::path standIn = StandInImageDir() / fileName;
  return std::filesystem::exists(standIn, error) ? standIn : path;
}

const char* SharedLibrarySuffix() {
#if defined(_WIN32)
  return ".dll";
#else
  return ".so";
#endif
}

std::filesystem::path InstallLibraryPath(const char* baseName) {
#if defined(_WIN32)
  return InstallDir() / (std::string(baseName) + ".dll");
#else
  return InstallDir() / ("lib" + std::string(baseName) + ".so");
#endif
}

}  // namespace orvane
