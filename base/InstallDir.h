// Where the program's installation lives.
#pragma once

#include <filesystem>
#include <string>

namespace orvane {

/// The install directory: it holds dll/ (the PLC driver plug-ins), driver/
/// (panel-side driver images), the Corvel and Verlin libraries and, while it
/// exists, the temporary attribute file. ORVANE_INSTALL_DIR overrides it;
/// otherwise it is lib/orvane beside the bin/ folder of the running program.
std::filesystem::path InstallDir();

/// install directory / "dll"
std::filesystem::path PluginDir();

/// install directory / "driver": the panel maker's driver images.
std::filesystem::path DriverImageDir();

/// The stand-in panel-side driver images, made for the simulated panel and
/// kept apart from the panel maker's: share/orvane/standin beside the lib/
/// folder of the install directory (the staging tree mirrors this), or
/// "standin" in the install directory on Windows. ORVANE_STANDIN_DIR
/// overrides it.
std::filesystem::path StandInImageDir();

/// Whether the images of a write may come from the stand-in folder: only
/// while the program talks to the simulated panel, so a stand-in never
/// reaches a real one. Off unless set, or unless the environment says
/// ORVANE_STANDIN_IMAGES=1 when the process starts (the test harness).
bool StandInImagesInUse();
void SetStandInImagesInUse(bool inUse);

/// The panel-side image fileName ("BriskoPanel.plx", "multiplexer.plx"):
/// in driver/ when it is there or stand-ins are not in use, else in the
/// stand-in folder. A missing image keeps its driver/ path, so the error
/// names the folder where the panel maker's image belongs.
std::filesystem::path DriverImagePath(const std::string& fileName);

/// The platform's shared-library suffix (".so" here, ".dll" on Windows).
const char* SharedLibrarySuffix();

/// Full path of a library that lives in the install directory itself, by its
/// base name: "corvel" gives .../libcorvel.so here, ...\corvel.dll on Windows.
std::filesystem::path InstallLibraryPath(const char* baseName);

}  // namespace orvane
