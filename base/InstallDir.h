// Where the program's installation lives.
#pragma once

#include <filesystem>

namespace orvane {

/// The install directory: it holds dll/ (the PLC driver plug-ins), driver/
/// (panel-side driver images), the Corvel and Verlin libraries and, while it
/// exists, the temporary attribute file. ORVANE_INSTALL_DIR overrides it;
/// otherwise it is lib/orvane beside the bin/ folder of the running program.
std::filesystem::path InstallDir();

/// install directory / "dll"
std::filesystem::path PluginDir();

/// install directory / "driver"
std::filesystem::path DriverImageDir();

/// The platform's shared-library suffix (".so" here, ".dll" on Windows).
const char* SharedLibrarySuffix();

/// Full path of a library that lives in the install directory itself, by its
/// base name: "corvel" gives .../libcorvel.so here, ...\corvel.dll on Windows.
std::filesystem::path InstallLibraryPath(const char* baseName);

}  // namespace orvane
