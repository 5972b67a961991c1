// The program's version text, as the version library reports it.
#pragma once

#include <filesystem>
#include <string>

namespace orvane {

struct ProgramVersion {
  std::string text;
  /// true: the version library reported it; false: the library (or its
  /// export) could not be loaded and text is the version this build was
  /// made as.
  bool fromLibrary = false;
  /// Whether the version library itself opened (it may still lack its
  /// export).
  bool libraryOpened = false;
};

/// Asks the version library in the install directory (libverlin here,
/// Verlin.dll on Windows) for GetApplicationVersion. When the library does
/// not load or lacks the export, the build's own project version stands in,
/// so that a trace file still names the program that wrote it.
ProgramVersion LoadProgramVersion();

/// The same with the library at an explicit path.
ProgramVersion LoadProgramVersion(const std::filesystem::path& library);

/// The version this build was configured as (the project version).
const char* BuildVersion();

}  // namespace orvane
