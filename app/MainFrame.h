// The main frame: menus, toolbar and status bar, the welcome screen while
// no project is open and one tab per open project, the File commands, the
// Port menu, and the window placement it keeps in the settings.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <filesystem>
#include <memory>
#include <optional>

#include "app/WindowPlacementTracker.h"

class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QStackedWidget;

namespace orvane {

class ConfigurationScreen;
class DriverCatalog;
class MainViewDialogs;
class ReportPrinting;
class Settings;
class SimulatedPanelProcess;
namespace panelview {
class VirtualPanelWindow;
}
class UserInterface;
class WelcomeView;

/// What the frame works with; everything must outlive it.
struct ShellContext {
  UserInterface& ui;
  MainViewDialogs& dialogs;
  DriverCatalog& catalog;
  Settings& settings;
  /// The version library's text (empty when it did not load).
  QString version;
  /// The simulated panel; null when the program has none.
  SimulatedPanelProcess* simulated = nullptr;
};

class MainFrame final : public QMainWindow {
  Q_OBJECT

 public:
  explicit MainFrame(ShellContext context);
  ~MainFrame() override;

  /// Shows the frame at the stored placement (maximized when stored so).
  void ShowPlaced();

  WelcomeView* Welcome() const { return welcome_; }
  /// The project shown now; nullptr on the welcome screen.
  ConfigurationScreen* ActiveScreen() const;
  QList<ConfigurationScreen*> Screens() const;
  const WindowPlacementTracker& Placement() const { return tracker_; }

  // The File commands.

  /// File New: "Create Project" asks for the file first; the new project
  /// is saved there at once.
  void FileNew();
  /// File Open: the open chooser, then OpenFile.
  void FileOpen();
  /// Opens a project file (a file open already is brought to the front);
  /// false when it did not open.
  bool OpenFile(const std::filesystem::path& path);
  bool FileSave();
  bool FileSaveAs();
  /// Closes the project shown (asking to save changes first).
  void FileClose();
  /// File Print, Print Preview and the export to PDF: the documentation
  /// report of the project shown (Print Setup is the printer's own).
  void FilePrint();
  void FilePrintPreview();
  void ExportReportPdf();
  ReportPrinting& Printing() { return *printing_; }
  /// Panel, Information: the status of the device on the port, in the
  /// panel status dialog.
  void Information();
  /// The port menu's Information on the screen's selected port.
  void PortInformation(ConfigurationScreen* screen);
  void About();
  void Help();

  /// The Port menu as it is now (rebuilt whenever it opens).
  QMenu* PortMenu() const { return portMenu_; }
  void RebuildPortMenu();
  QMenu* PanelMenu() const { return panelMenu_; }
  /// The recent files part of the File menu (rebuilt whenever it opens).
  void RebuildRecentFiles();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void BuildMenus();
  void BuildStatusBar();
  QAction* AddCommand(QMenu* menu, const QString& text, int id);
  ConfigurationScreen* AddScreen(std::unique_ptr<class OrvaneDocument> document);
  QMdiSubWindow* FindOpen(const std::filesystem::path& path) const;
  void UpdateTitles();
  void UpdateState();
  /// While the simulated panel is the chosen port and runs: started afresh
  /// when the project shown has other panels.
  void FollowSimulatedPanel();
  /// The simulated panel chosen in the Port menu: started for the project
  /// shown (a message says why when it cannot be).
  void StartSimulatedPanel();
  /// The virtual panel window follows the simulated panel: attached and
  /// shown while a single panel runs, asked for its state afresh after a
  /// restart, hidden when it stops.
  void FollowVirtualPanel();
  /// The name the link opens for the stored port on the screen's project
  /// (the simulated panel's link once it runs); nothing, the user told why,
  /// when it cannot be had.
  std::optional<std::string> OpenStoredPort(ConfigurationScreen* screen);
  FrameState State() const;

  ShellContext context_;
  WindowPlacementTracker tracker_;
  std::unique_ptr<ReportPrinting> printing_;
  bool placed_ = false;
  QStackedWidget* stack_ = nullptr;
  WelcomeView* welcome_ = nullptr;
  QMdiArea* documents_ = nullptr;
  QPointer<QMdiSubWindow> current_;
  QPointer<panelview::VirtualPanelWindow> virtualPanel_;
  QMenu* fileMenu_ = nullptr;
  QMenu* panelMenu_ = nullptr;
  QMenu* portMenu_ = nullptr;
  QAction* recentSeparator_ = nullptr;
  QList<QAction*> recentActions_;
  QList<QAction*> documentActions_;
  QLabel* portPane_ = nullptr;
  QLabel* systemPane_ = nullptr;
  QLabel* modifiedPane_ = nullptr;
};

}  // namespace orvane
