#include "base/InstallDir.h"

#include <cstdlib>
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
