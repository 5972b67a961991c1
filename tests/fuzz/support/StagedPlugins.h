// The staged Corvel library and PLC driver plug-ins, kept loaded for the
// whole run: libFuzzer reads the coverage counters of every module it has
// seen after each input, so a plug-in the code under test opens and closes
// again must stay mapped.
#pragma once

#include <dlfcn.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace orvane::fuzzing {

inline void KeepStagedPluginsLoaded(const std::string& installDir) {
  dlopen((installDir + "/libcorvel.so").c_str(), RTLD_NOW | RTLD_NODELETE);
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(installDir + "/dll", error)) {
    if (entry.path().extension() == ".so") {
      dlopen(entry.path().c_str(), RTLD_NOW | RTLD_NODELETE);
    }
  }
}

// The install directory the target runs on (ORVANE_INSTALL_DIR when set,
// else the staged one the build names), with its plug-ins kept loaded.
inline std::string UseStagedInstallDir(const char* stagedDir) {
  setenv("ORVANE_INSTALL_DIR", stagedDir, 0);
  const std::string dir = std::getenv("ORVANE_INSTALL_DIR");
  KeepStagedPluginsLoaded(dir);
  return dir;
}

}  // namespace orvane::fuzzing
