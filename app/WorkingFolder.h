// The folder the desktop program works in: where its file choosers start
// and where the trace files of the panel operations go.
#pragma once

#include <filesystem>
#include <string>

namespace orvane {

class Settings;

/// The user's own place for what the program would make in its install
/// directory: $XDG_DATA_HOME/Halvard/Orvane Zurovuvu (~/.local/share without
/// XDG_DATA_HOME).
std::filesystem::path UserDataFolder();

/// The folder to start in: "Settings"/"Path" when it names a folder that is
/// there. Otherwise (a first run, or a folder that has gone) the folders
/// "Firmware" and "Project" are made in the install directory, or in
/// userData when the install directory is not writable, and "Project" is
/// the answer. Empty only when neither place can hold them.
std::filesystem::path StartFolder(const Settings& settings, const std::filesystem::path& userData);

/// Makes the start folder the current directory; false when there is none
/// or it cannot be entered.
bool EnterStartFolder(const Settings& settings, const std::filesystem::path& userData);

/// Stores the current directory as "Settings"/"Path" (as the frame does
/// when it closes); false when it cannot be read or stored.
bool StoreCurrentFolder(Settings& settings);

}  // namespace orvane
