// Opening a project file as the document does: the file, then the Think &
// Do tag map check with its conversion question.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "project/ProjectReader.h"

namespace orvane {

class TOvProject;
class UserInterface;

/// The conversion question's caption and text ("%s" is the map path).
inline constexpr const char* kTagMapConversionCaption = "Incomplete tag map";
inline constexpr const char* kTagMapConversionText =
    "There are incompatiblities existing in the tag map file\n(%s) associated with this "
    "project.\n\nContinue?\n\nYes will clear all unresolved tags from the project.";

/// The Think & Do check after an open or a change of tag map: the project's
/// addresses are compared with its tag map; when that finds something, the
/// conversion question (Yes/No, the log as its details) decides: Yes
/// applies the conversion (true), No leaves the project as it was (false).
/// With nothing found the answer is true at once.
bool ConfirmTagMapConversion(TOvProject& project, UserInterface& ui);

/// Reads the project file into project (LoadProjectFile) and, when the
/// project uses a tag map, runs ConfirmTagMapConversion; No there fails the
/// open without a further message and leaves project as it was. The driver
/// is bound afterwards by the caller (BindOpenedProject).
bool OpenProjectDocument(const std::filesystem::path& path, TOvProject& project, UserInterface& ui,
                         const DriverLookup& lookup);

/// The view's "Change" beside the tag map name: the user picks another map
/// file ("Open Tag Map File"; cancel changes nothing), the project takes it
/// (its path only when it loads), and ConfirmTagMapConversion decides; No
/// there puts the previous tables and path back. true when the project now
/// uses the new map.
bool ChangeTagMap(TOvProject& project, UserInterface& ui);

/// The Think & Do conversion log's lines as one text.
std::string JoinLog(const std::vector<std::string>& lines);

}  // namespace orvane
