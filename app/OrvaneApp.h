// The application object: starts the program in its order (the driver scan
// on a thread of its own, the splash, the main frame) and, once the splash
// has gone, places the main frame, enters the working folder and shows the
// welcome screen.
#pragma once

#include <QObject>
#include <QString>
#include <filesystem>
#include <memory>
#include <optional>

#include "plchost/CorvelLibrary.h"
#include "plchost/DriverCatalog.h"

namespace orvane {

class MainFrame;
class MainViewDialogs;
class Settings;
class SimulatedPanelProcess;
class SplashWindow;
class UserInterface;

struct ShellOptions {
  /// The version library's text (empty when it did not load).
  QString version;
  /// --open FILE: opened once the welcome screen is up.
  std::optional<std::filesystem::path> openFile;
  int splashDurationMs = 4000;
  /// Where the program makes its Firmware and Project folders when the
  /// install directory is not writable (UserDataFolder()); the simulated
  /// panel keeps its state files in it too.
  std::filesystem::path userDataFolder;
  /// Where orvane-panelsim is: beside the program unless set.
  std::filesystem::path panelSimFolder;
};

class OrvaneApp final : public QObject {
  Q_OBJECT

 public:
  /// ui, dialogs and settings must outlive this object.
  OrvaneApp(UserInterface& ui, MainViewDialogs& dialogs, Settings& settings, ShellOptions options);
  ~OrvaneApp() override;

  /// The start-up: the driver scan starts, the splash shows, the main frame
  /// is made (shown when the splash goes). Nothing is opened or created
  /// here.
  bool Start();

  SplashWindow* Splash() const { return splash_.get(); }
  MainFrame* Frame() const { return frame_.get(); }
  DriverCatalog& Catalog() { return catalog_; }
  SimulatedPanelProcess* Simulated() const { return simulated_.get(); }

 signals:
  /// The splash has gone and the main frame shows the welcome screen.
  void Ready();

 private:
  void SplashClosed();

  UserInterface& ui_;
  MainViewDialogs& dialogs_;
  Settings& settings_;
  ShellOptions options_;
  // Corvel first: its message sink must outlast every project's driver.
  CorvelLibrary corvel_;
  DriverCatalog catalog_;
  // Runs while the program runs, once chosen; ends after the frame.
  std::unique_ptr<SimulatedPanelProcess> simulated_;
  std::unique_ptr<SplashWindow> splash_;
  std::unique_ptr<MainFrame> frame_;
};

}  // namespace orvane
