// Opening, saving and exporting project files: the file-level steps around
// the line grammar (the backup offer for files of the previous version, the
// tag map, the messages of a failed open, the atomic save).
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "base/AtomicFile.h"
#include "project/ProjectReader.h"

namespace orvane {

class TOvPanel;
class TOvProject;
class UserInterface;

/// Opens the project file at path into project, replacing it only when the
/// whole open succeeds (a failed open leaves project as it was):
/// - a file of the previous version offers a backup copy first (question
///   61666, "Backup Project"; the copy is written line by line to the path
///   the save chooser gives);
/// - the grammar is read (ReadProject), the PLC named through lookup;
/// - a tag map in use is loaded; when its file does not open, T004 lets the
///   user pick another one ("Open Tag Map File");
/// - any failure ends with "Error Z002: You are trying to read from an
///   invalid file" (caption "Error", error icon) after the reason's own
///   message; its details name the file, the line and what is wrong there.
/// The project's driver is not loaded here (the document binds it).
bool LoadProjectFile(const std::filesystem::path& path, TOvProject& project, UserInterface& ui,
                     const DriverLookup& lookup);

/// The project file's whole text, as the writer produces it.
std::string ProjectFileText(const TOvProject& project);

/// Saves the project to path: the whole text goes to a temporary file in
/// path's folder, is flushed, and only then replaces path, so a failed save
/// leaves the previous file as it was. On success the project's name
/// becomes the file name; on failure the user is told why and false is
/// returned. writeSome replaces the low-level write (tests make it fail).
bool SaveProjectFile(TOvProject& project, const std::filesystem::path& path, UserInterface& ui,
                     const FileWriteFunction& writeSome = nullptr);

/// Writes the panel on the selected port as a single panel project (port
/// 1, system mode 0) to path, atomically like a save, from a copy of the
/// project (so only what the model uses is written). The project is not
/// changed. false (after telling the user) when the write fails or the
/// selected port has no panel.
bool ExportPanelFile(const TOvProject& project, const std::filesystem::path& path,
                     UserInterface& ui);

/// The filter of the project file choosers.
inline constexpr const char* kProjectFileFilter = "Orvane Files (*.ovx)|*.ovx";
inline constexpr const char* kProjectFileFilterWithAll =
    "Orvane Files (*.ovx)|*.ovx|All Files (*.*)|*.*||";
inline constexpr const char* kProjectFileExtension = ".ovx";
/// Asks for a Think & Do tag map file ("Open Tag Map File", map files or
/// all files); nothing when the user cancels.
std::optional<std::string> ChooseTagMapFile(UserInterface& ui);

}  // namespace orvane
