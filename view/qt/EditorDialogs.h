// The editors' dialogs by the editor the configuration screen's buttons
// name (MainViewModel::EditorFor).
#pragma once

#include "view/MainViewModel.h"

class QWidget;

namespace orvane {

class TOvProject;
class UserInterface;

/// Whether the program has the editor's dialog.
bool HasEditorDialog(Editor editor);

/// Runs the editor's dialog modally on the project's selected panel. false
/// when there is no such dialog or no selected panel; otherwise true once
/// the dialog has closed (the project's changed flag tells whether it
/// stored anything).
bool RunEditorDialog(Editor editor, TOvProject& project, UserInterface& ui, QWidget* parent);

}  // namespace orvane
