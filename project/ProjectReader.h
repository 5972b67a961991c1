// Reads a project from the project file's line grammar.
#pragma once

#include <functional>
#include <istream>
#include <string>

namespace orvane {

class LineReader;
class TOvMessage;
class TOvPanel;
class TOvProject;
class UserInterface;

enum class FileVersion { Current, Previous, Unknown };

/// The version a magic line names; Unknown for anything but the two magics
/// exactly (trailing blanks included).
FileVersion VersionOfMagic(const std::string& line);

/// Name and full path of the installed driver for a manufacturer and model
/// code; both empty when none is installed.
struct DriverNameAndPath {
  std::string name;
  std::string path;
};
using DriverLookup = std::function<DriverNameAndPath(unsigned manufacturer, unsigned model)>;

/// Where and why a read failed: the line the reader was at (1-based; 0 when
/// it never got to a line) and what was wrong there, for a person.
struct ProjectReadFailure {
  int line = 0;
  std::string reason;
  /// The reason has been shown as a message of its own (Z006, T007, P007).
  bool shown = false;
};

/// Reads a whole project (magic to tag map path) into project, which must
/// be a new, empty project. The PLC's name and plug-in path come from
/// lookup by the first two attribute bytes. The tag map file itself is not
/// read here (LoadProjectFile does that). On failure the reason has been
/// shown, where it has a message of its own, with the caption "Error" and
/// the error icon, and false is returned; the project is then partly filled
/// and must be thrown away. A file cut short fails as a whole.
///
/// sourceName (the file's name) and the line go into the details of the
/// messages shown; failure, when given, receives where and why.
bool ReadProject(std::istream& in, TOvProject& project, UserInterface& ui,
                 const DriverLookup& lookup, const std::string& sourceName = {},
                 ProjectReadFailure* failure = nullptr);

/// "FILE, line N" (or "line N" without a name): the place a message about a
/// project file names in its details.
std::string ProjectFilePlace(const std::string& sourceName, int line);

/// Reads one message record of the panel (the lines WriteMessage writes, in
/// the current version) into message, for the clipboard. false when the
/// text is not a whole record or an address in it is refused (an access
/// type outside 0 to 2 has been shown; a data type outside 0 to 3 is not).
bool ReadMessageRecord(std::istream& in, TOvMessage& message, const TOvPanel& panel,
                       UserInterface& ui);

}  // namespace orvane
