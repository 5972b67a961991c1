// The help the dialogs open: the program's own help file, and the help file
// of the project's PLC driver for the PLC address format.
#pragma once

namespace orvane {

class TOvProject;
class UserInterface;

/// help/orvane.html in the install directory, in the desktop's viewer;
/// without it a message says where it would be (61703).
void OpenProgramHelp(UserInterface& ui);

/// The driver's help file (the name its details give, in the install
/// directory's dll folder), in the desktop's viewer; without it the same
/// message names that file.
void OpenPlcHelp(const TOvProject& project, UserInterface& ui);

}  // namespace orvane
