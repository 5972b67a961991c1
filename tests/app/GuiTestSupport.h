// What the desktop program's Qt tests share: the program started over its
// own settings files and install directory, and help for dialogs that run
// modally.
#pragma once

#include <QApplication>
#include <QString>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

#include "app/MainFrame.h"
#include "app/OrvaneApp.h"
#include "base/Settings.h"

namespace orvane::testing {

/// Runs action on the next modal dialog with the object name (any modal
/// dialog when the name is empty) once it is shown. Arm it before the step
/// that opens the dialog; the dialog's event loop runs the action.
void WhenModal(std::function<void(QWidget*)> action, const QString& objectName = {});

/// Answers the next file chooser by typing the path and pressing Enter:
/// once to take the completion the chooser offers while the name is typed,
/// and again to accept when it is still open (an open chooser again until
/// it has listed the file's folder).
void TypeIntoFileChooser(const QString& path);
/// The same on a chooser that shows already.
void TypeIntoChooser(QWidget* chooser, const QString& path);

/// Picks a model in the next "Select Panel" with the arrow keys (down from
/// the preselected one) and Enter; picture (when given) names its picture.
void PickModelByKeys(int downPresses, const char* picture = nullptr);

/// Settings files of their own in folder, with installDir as "Install Dir".
SettingsPaths TestSettingsPaths(const std::filesystem::path& folder,
                                const std::filesystem::path& installDir);

/// The desktop program as main() starts it, on settings of its own.
class ShellUnderTest {
 public:
  ShellUnderTest(UserInterface& ui, MainViewDialogs& dialogs, const SettingsPaths& paths,
                 const QString& version = QStringLiteral("2.1"),
                 std::optional<std::filesystem::path> openFile = std::nullopt,
                 std::filesystem::path panelSimFolder = {});
  ~ShellUnderTest();

  /// Starts the program and dismisses the splash with a key press; true
  /// once the main frame shows the welcome screen.
  bool StartPastSplash();

  Settings& Config() { return settings_; }
  OrvaneApp& App() { return *app_; }
  MainFrame& Frame() { return *app_->Frame(); }

 private:
  Settings settings_;
  std::unique_ptr<OrvaneApp> app_;
  bool ready_ = false;
};

}  // namespace orvane::testing
