// Writes a project in the project file's line grammar.
#pragma once

#include <string_view>

namespace orvane {

class LineWriter;
class TOvMessage;
class TOvPanel;
class TOvProject;

/// The first line of a project file of this version, and of the version
/// before it (which lacks the panel flags and the leading-zero flags).
inline constexpr std::string_view kCurrentMagic = "QZK__949F5CA5_5E30_11D4_9913_008048B6AF27__QZK1";
inline constexpr std::string_view kPreviousMagic = "QZK__949F5CA5_5E30_11D4_9913_008048B6AF27__QZK";

/// The whole project, from the magic to the tag map path.
void WriteProject(const TOvProject& project, LineWriter& out);

/// One panel as a single panel project: the magic, system mode 0, one
/// panel (written with port 1), the project's PLC and its tag map lines.
void WriteSinglePanelProject(const TOvProject& project, const TOvPanel& panel, LineWriter& out);

/// One message record of the panel, as the project file holds it (the
/// clipboard carries the same lines).
void WriteMessage(const TOvMessage& message, const TOvPanel& panel, LineWriter& out);

}  // namespace orvane
