#include "app/MainFrame.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScreen>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStyle>
#include <QTabBar>
#include <QToolBar>

#include "app/AboutDialog.h"
#include "app/PortMenu.h"
#include "app/WelcomeView.h"
#include "app/WorkingFolder.h"
#include "base/Settings.h"
#include "base/StringTable.h"
#include "base/UserInterface.h"
#include "view/DocumentBinding.h"
#include "view/OrvaneDocument.h"
#include "view/PortChoices.h"
#include "view/SimulatedPanelPlan.h"
#include "view/qt/ConfigurationScreen.h"
#include "view/qt/HelpFiles.h"
#include "view/qt/InformationCommands.h"
#include "view/qt/ReportPrinting.h"
#include "view/qt/SimulatedPanelProcess.h"
#include "view/qt/virtualpanel/VirtualPanelWindow.h"

namespace orvane {
namespace {

namespace fs = std::filesystem;

QString Text(int id) {
  return QString::fromUtf8(LoadString(id));
}

QString CommandName(int id) {
  return QStringLiteral("cmd_%1").arg(id);
}

// Commands of the menus, by their ids.
constexpr int kFileNew = 57600;
constexpr int kFileOpen = 57601;
constexpr int kFileClose = 57602;
constexpr int kFileSave = 57603;
constexpr int kFileSaveAs = 57604;
constexpr int kFilePrintSetup = 57606;
constexpr int kFilePrint = 57607;
constexpr int kFilePrintPreview = 57609;
constexpr int kFirstRecentFile = 57616;
constexpr int kAppAbout = 57664;
constexpr int kAppExit = 57665;
constexpr int kHelpFinder = 57667;
constexpr int kViewToolbar = 59392;
constexpr int kViewStatusBar = 59393;
constexpr int kPanelInformation = 32778;

// The panel operations of the Panel menu.
struct PanelCommand {
  int id;
  const char* text;
};
constexpr PanelCommand kPanelCommands[] = {
    {1012, "&Write Project"},         {1013, "Rea&d Project"}, {1015, "&Verify"},
    {32799, "&Clear Memory"},         {32778, "&Information"}, {32779, "Upgrade &Firmware"},
    {32815, "&Upgrade Mux Firmware"},
};

// A project's tab: closing it asks to save its changes first.
class DocumentSubWindow final : public QMdiSubWindow {
 public:
  DocumentSubWindow(ConfigurationScreen* screen, UserInterface& ui) : screen_(screen), ui_(ui) {
    setWidget(screen);
    setAttribute(Qt::WA_DeleteOnClose);
  }
  ConfigurationScreen* Screen() const { return screen_; }

 protected:
  void closeEvent(QCloseEvent* event) override {
    if (!screen_->Document().ConfirmClose(ui_)) {
      event->ignore();
      return;
    }
    QMdiSubWindow::closeEvent(event);
  }

 private:
  ConfigurationScreen* screen_;
  UserInterface& ui_;
};

ScreenRect RectOf(const QRect& rect) {
  return ScreenRect{rect.left(), rect.top(), rect.left() + rect.width(),
                    rect.top() + rect.height()};
}

ScreenRect DesktopRect() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen != nullptr ? RectOf(screen->virtualGeometry()) : ScreenRect{};
}

}  // namespace

MainFrame::MainFrame(ShellContext context)
    : context_(context),
      tracker_(context.settings.Window()),
      printing_(std::make_unique<ReportPrinting>()) {
  setObjectName(QStringLiteral("mainFrame"));
  setWindowTitle(Text(strings::kAppTitle));

  stack_ = new QStackedWidget;
  welcome_ = new WelcomeView(context_.version);
  documents_ = new QMdiArea;
  documents_->setObjectName(QStringLiteral("documents"));
  documents_->setViewMode(QMdiArea::TabbedView);
  documents_->setTabsClosable(true);
  documents_->setTabsMovable(true);
  documents_->setDocumentMode(true);
  stack_->addWidget(welcome_);
  stack_->addWidget(documents_);
  setCentralWidget(stack_);
  connect(welcome_, &WelcomeView::NewRequested, this, &MainFrame::FileNew);
  connect(welcome_, &WelcomeView::OpenRequested, this, &MainFrame::FileOpen);
  connect(welcome_, &WelcomeView::ExitRequested, this, &QWidget::close);
  connect(documents_, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* window) {
    // The tab the user works in stays current while another window (a
    // dialog) is active.
    if (window != nullptr) {
      current_ = window;
    }
    UpdateState();
  });

  BuildMenus();
  BuildStatusBar();
  if (context_.simulated != nullptr) {
    connect(context_.simulated, &SimulatedPanelProcess::StateChanged, this,
            &MainFrame::UpdateState);
    connect(context_.simulated, &SimulatedPanelProcess::StateChanged, this,
            &MainFrame::FollowVirtualPanel);
  }
  UpdateState();
}

MainFrame::~MainFrame() {
  // The tabs go with the frame's widgets, after the frame itself: they must
  // not report back to it then.
  // (Closed tabs waiting for their deletion too.)
  for (QMdiSubWindow* window : documents_->findChildren<QMdiSubWindow*>()) {
    disconnect(window, nullptr, this, nullptr);
  }
}

QAction* MainFrame::AddCommand(QMenu* menu, const QString& text, int id) {
  QAction* action = menu->addAction(text);
  action->setObjectName(CommandName(id));
  return action;
}

void MainFrame::BuildMenus() {
  QStyle* look = style();
  fileMenu_ = menuBar()->addMenu(QStringLiteral("&File"));
  QAction* newAction = AddCommand(fileMenu_, QStringLiteral("&New..."), kFileNew);
  newAction->setShortcut(QKeySequence::New);
  newAction->setIcon(look->standardIcon(QStyle::SP_FileIcon));
  connect(newAction, &QAction::triggered, this, &MainFrame::FileNew);
  QAction* openAction = AddCommand(fileMenu_, QStringLiteral("&Open..."), kFileOpen);
  openAction->setShortcut(QKeySequence::Open);
  openAction->setIcon(look->standardIcon(QStyle::SP_DialogOpenButton));
  connect(openAction, &QAction::triggered, this, &MainFrame::FileOpen);
  QAction* closeAction = AddCommand(fileMenu_, QStringLiteral("&Close"), kFileClose);
  connect(closeAction, &QAction::triggered, this, &MainFrame::FileClose);
  QAction* saveAction = AddCommand(fileMenu_, QStringLiteral("&Save"), kFileSave);
  saveAction->setShortcut(QKeySequence::Save);
  saveAction->setIcon(look->standardIcon(QStyle::SP_DialogSaveButton));
  connect(saveAction, &QAction::triggered, this, &MainFrame::FileSave);
  QAction* saveAsAction = AddCommand(fileMenu_, QStringLiteral("Save &As..."), kFileSaveAs);
  connect(saveAsAction, &QAction::triggered, this, &MainFrame::FileSaveAs);
  documentActions_ = {closeAction, saveAction, saveAsAction};
  fileMenu_->addSeparator();
  // The documentation report of the project shown.
  QAction* printAction = AddCommand(fileMenu_, QStringLiteral("&Print..."), kFilePrint);
  printAction->setShortcut(QKeySequence::Print);
  connect(printAction, &QAction::triggered, this, &MainFrame::FilePrint);
  QAction* previewAction =
      AddCommand(fileMenu_, QStringLiteral("Print Pre&view"), kFilePrintPreview);
  connect(previewAction, &QAction::triggered, this, &MainFrame::FilePrintPreview);
  QAction* setupAction = AddCommand(fileMenu_, QStringLiteral("P&rint Setup..."), kFilePrintSetup);
  connect(setupAction, &QAction::triggered, this, [this] { printing_->PrintSetup(this); });
  QAction* pdfAction = fileMenu_->addAction(QStringLiteral("&Export Report to PDF..."));
  pdfAction->setObjectName(QStringLiteral("exportReportPdf"));
  connect(pdfAction, &QAction::triggered, this, &MainFrame::ExportReportPdf);
  documentActions_ += {printAction, previewAction, pdfAction};
  fileMenu_->addSeparator();
  recentSeparator_ = fileMenu_->addSeparator();
  QAction* exitAction = AddCommand(fileMenu_, QStringLiteral("E&xit"), kAppExit);
  exitAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
  connect(exitAction, &QAction::triggered, this, &QWidget::close);
  connect(fileMenu_, &QMenu::aboutToShow, this, &MainFrame::RebuildRecentFiles);

  QToolBar* toolbar = addToolBar(QStringLiteral("Standard"));
  toolbar->setObjectName(QStringLiteral("toolbar"));
  toolbar->addAction(newAction);
  toolbar->addAction(openAction);
  toolbar->addAction(saveAction);

  QMenu* viewMenu = menuBar()->addMenu(QStringLiteral("&View"));
  QAction* toolbarAction = toolbar->toggleViewAction();
  toolbarAction->setText(QStringLiteral("&Toolbar"));
  toolbarAction->setObjectName(CommandName(kViewToolbar));
  viewMenu->addAction(toolbarAction);
  QAction* statusAction = AddCommand(viewMenu, QStringLiteral("&Status Bar"), kViewStatusBar);
  statusAction->setCheckable(true);
  statusAction->setChecked(true);
  connect(statusAction, &QAction::toggled, this, [this](bool on) { statusBar()->setVisible(on); });

  // The panel operations of the project shown; Information asks the device
  // on the port shown.
  panelMenu_ = menuBar()->addMenu(QStringLiteral("Pa&nel"));
  panelMenu_->setObjectName(QStringLiteral("panelMenu"));
  for (const PanelCommand& command : kPanelCommands) {
    QAction* action = AddCommand(panelMenu_, QString::fromUtf8(command.text), command.id);
    if (command.id == kPanelInformation) {
      connect(action, &QAction::triggered, this, &MainFrame::Information);
      documentActions_.push_back(action);
      continue;
    }
    const int id = command.id;
    connect(action, &QAction::triggered, this, [this, id] {
      if (ConfigurationScreen* screen = ActiveScreen()) {
        screen->RunPanelCommand(id);
      }
    });
    documentActions_.push_back(action);
  }

  portMenu_ = menuBar()->addMenu(QStringLiteral("&Port"));
  portMenu_->setObjectName(QStringLiteral("portMenu"));
  connect(portMenu_, &QMenu::aboutToShow, this, &MainFrame::RebuildPortMenu);
  RebuildPortMenu();

  QMenu* helpMenu = menuBar()->addMenu(QStringLiteral("&Help"));
  QAction* helpAction = AddCommand(helpMenu, QStringLiteral("&Help Topics"), kHelpFinder);
  helpAction->setShortcut(QKeySequence::HelpContents);
  connect(helpAction, &QAction::triggered, this, &MainFrame::Help);
  helpMenu->addSeparator();
  QAction* aboutAction =
      AddCommand(helpMenu, QStringLiteral("&About %1...").arg(Text(strings::kAppTitle)), kAppAbout);
  aboutAction->setIcon(look->standardIcon(QStyle::SP_MessageBoxInformation));
  connect(aboutAction, &QAction::triggered, this, &MainFrame::About);
  toolbar->addSeparator();
  toolbar->addAction(aboutAction);
}

void MainFrame::BuildStatusBar() {
  auto* message = new QLabel(Text(strings::kIdleMessage));
  message->setObjectName(QStringLiteral("messagePane"));
  statusBar()->addWidget(message, 1);
  portPane_ = new QLabel;
  portPane_->setObjectName(QStringLiteral("portPane"));
  systemPane_ = new QLabel;
  systemPane_->setObjectName(QStringLiteral("systemPane"));
  modifiedPane_ = new QLabel;
  modifiedPane_->setObjectName(QStringLiteral("modifiedPane"));
  for (QLabel* pane : {portPane_, systemPane_, modifiedPane_}) {
    pane->setFrameShape(QFrame::StyledPanel);
    pane->setMinimumWidth(90);
    pane->setAlignment(Qt::AlignCenter);
    statusBar()->addPermanentWidget(pane);
  }
}

void MainFrame::RebuildPortMenu() {
  portMenu_->clear();
  auto* group = new QActionGroup(portMenu_);
  group->setExclusive(false);
  const bool simulatedAvailable =
      context_.simulated != nullptr && context_.simulated->IsAvailable();
  for (const PortMenuEntry& entry : PortMenuEntries(ListSerialPorts(), simulatedAvailable)) {
    QAction* action = portMenu_->addAction(QString::fromStdString(entry.caption));
    if (entry.commandId != 0) {
      action->setObjectName(CommandName(entry.commandId));
    } else if (entry.simulated) {
      action->setObjectName(QStringLiteral("simulatedPanel"));
    } else {
      action->setObjectName(QStringLiteral("port:%1").arg(QString::fromStdString(entry.port)));
    }
    action->setCheckable(true);
    action->setChecked(IsCheckedPort(entry, context_.settings));
    action->setEnabled(entry.enabled);
    group->addAction(action);
    connect(action, &QAction::triggered, this, [this, entry] {
      ChoosePort(entry, context_.settings);
      // The menu still uses the action it has just triggered: it is rebuilt
      // (and the simulated panel started) once the menu has finished.
      QMetaObject::invokeMethod(
          this,
          [this, entry] {
            if (entry.simulated && IsSimulatedPanelPort(context_.settings.Port())) {
              StartSimulatedPanel();
            }
            RebuildPortMenu();
            UpdateState();
          },
          Qt::QueuedConnection);
    });
  }
}

void MainFrame::RebuildRecentFiles() {
  for (QAction* action : recentActions_) {
    fileMenu_->removeAction(action);
    action->deleteLater();
  }
  recentActions_.clear();
  const std::vector<std::string> files = context_.settings.RecentFiles();
  for (size_t i = 0; i < files.size(); ++i) {
    auto* action = new QAction(
        QStringLiteral("&%1 %2").arg(i + 1).arg(QString::fromStdString(files[i])), fileMenu_);
    action->setObjectName(CommandName(kFirstRecentFile + static_cast<int>(i)));
    const fs::path path = files[i];
    connect(action, &QAction::triggered, this, [this, path] { OpenFile(path); });
    fileMenu_->insertAction(recentSeparator_, action);
    recentActions_.push_back(action);
  }
}

void MainFrame::ShowPlaced() {
  const WindowPlacement placement = context_.settings.Window();
  tracker_ = WindowPlacementTracker(placement);
  setGeometry(placement.left, placement.top, placement.right - placement.left,
              placement.bottom - placement.top);
  placed_ = true;
  if (placement.maximized) {
    showMaximized();
  } else {
    showNormal();
  }
}

FrameState MainFrame::State() const {
  if (isMinimized()) {
    return FrameState::Minimized;
  }
  return isMaximized() ? FrameState::Maximized : FrameState::Normal;
}

void MainFrame::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (placed_ && event->type() == QEvent::WindowStateChange) {
    tracker_.Resized(State(), RectOf(geometry()));
  }
}

void MainFrame::moveEvent(QMoveEvent* event) {
  QMainWindow::moveEvent(event);
  if (placed_) {
    tracker_.Moved(State(), RectOf(geometry()), DesktopRect());
  }
}

void MainFrame::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  if (placed_) {
    tracker_.Resized(State(), RectOf(geometry()));
  }
}

void MainFrame::closeEvent(QCloseEvent* event) {
  // Every project may keep the program open to save its changes.
  for (QMdiSubWindow* window : documents_->subWindowList()) {
    documents_->setActiveSubWindow(window);
    if (!window->close()) {
      event->ignore();
      return;
    }
  }
  if (placed_) {
    context_.settings.SetWindow(tracker_.Placement());
    StoreCurrentFolder(context_.settings);
  }
  QMainWindow::closeEvent(event);
}

ConfigurationScreen* MainFrame::ActiveScreen() const {
  if (stack_->currentWidget() != documents_) {
    return nullptr;
  }
  QMdiSubWindow* current = documents_->currentSubWindow();
  if (current == nullptr) {
    current = current_.data();
  }
  auto* window = dynamic_cast<DocumentSubWindow*>(current);
  return window != nullptr ? window->Screen() : nullptr;
}

QList<ConfigurationScreen*> MainFrame::Screens() const {
  QList<ConfigurationScreen*> screens;
  for (QMdiSubWindow* window : documents_->subWindowList()) {
    if (auto* document = dynamic_cast<DocumentSubWindow*>(window)) {
      screens.push_back(document->Screen());
    }
  }
  return screens;
}

QMdiSubWindow* MainFrame::FindOpen(const fs::path& path) const {
  std::error_code error;
  for (QMdiSubWindow* window : documents_->subWindowList()) {
    auto* document = dynamic_cast<DocumentSubWindow*>(window);
    if (document != nullptr && fs::equivalent(document->Screen()->Document().Path(), path, error)) {
      return window;
    }
  }
  return nullptr;
}

ConfigurationScreen* MainFrame::AddScreen(std::unique_ptr<OrvaneDocument> document) {
  auto* screen =
      new ConfigurationScreen(std::move(document), context_.ui, context_.dialogs, context_.catalog,
                              PanelServices{&context_.settings, context_.simulated});
  if (!screen->Initialize(static_cast<unsigned>(context_.settings.PlcManufacturerId()),
                          static_cast<unsigned>(context_.settings.PlcModelId()))) {
    // No driver can serve the project: the view closes.
    delete screen;
    return nullptr;
  }
  auto* window = new DocumentSubWindow(screen, context_.ui);
  documents_->addSubWindow(window);
  connect(screen, &ConfigurationScreen::DocumentChanged, this, &MainFrame::UpdateTitles);
  connect(screen, &ConfigurationScreen::DocumentChanged, this, &MainFrame::FollowSimulatedPanel);
  connect(screen, &ConfigurationScreen::CloseRequested, window, &QWidget::close);
  connect(screen, &ConfigurationScreen::HelpRequested, this, &MainFrame::Help);
  connect(screen, &ConfigurationScreen::PortInformationRequested, this,
          [this, screen] { PortInformation(screen); });
  connect(window, &QObject::destroyed, this, [this] {
    // The last project closed: the welcome screen again.
    if (documents_->subWindowList().isEmpty()) {
      stack_->setCurrentWidget(welcome_);
    }
    UpdateState();
  });
  stack_->setCurrentWidget(documents_);
  window->showMaximized();
  documents_->setActiveSubWindow(window);
  current_ = window;
  UpdateTitles();
  return screen;
}

void MainFrame::FileNew() {
  FileRequest request;
  request.title = LoadString(strings::kCreateProject);
  request.filter = DocumentFilter();
  request.defaultExtension = DocumentExtension();
  request.overwritePrompt = true;
  const std::optional<std::string> chosen = context_.ui.ChooseSaveFile(request);
  if (!chosen) {
    return;
  }
  const fs::path path = fs::absolute(*chosen);
  if (QMdiSubWindow* open = FindOpen(path)) {
    documents_->setActiveSubWindow(open);
    current_ = open;
    return;
  }
  auto document = std::make_unique<OrvaneDocument>();
  document->SetNewPath(path);
  ConfigurationScreen* screen = AddScreen(std::move(document));
  if (screen == nullptr) {
    return;
  }
  // The new project is saved at once, so the file is there from the start.
  if (screen->Document().SaveAs(path, context_.ui)) {
    context_.settings.AddRecentFile(path.string());
  } else {
    screen->Document().SetModified();
  }
  UpdateTitles();
}

void MainFrame::FileOpen() {
  FileRequest request;
  request.filter = DocumentFilter();
  request.defaultExtension = DocumentExtension();
  const std::optional<std::string> chosen = context_.ui.ChooseOpenFile(request);
  if (chosen) {
    OpenFile(*chosen);
  }
}

bool MainFrame::OpenFile(const fs::path& chosen) {
  const fs::path path = fs::absolute(chosen);
  if (QMdiSubWindow* open = FindOpen(path)) {
    documents_->setActiveSubWindow(open);
    current_ = open;
    return true;
  }
  auto document = std::make_unique<OrvaneDocument>();
  if (!document->Open(path, context_.ui, CatalogLookup(context_.catalog))) {
    return false;
  }
  if (AddScreen(std::move(document)) == nullptr) {
    return false;
  }
  context_.settings.AddRecentFile(path.string());
  return true;
}

bool MainFrame::FileSave() {
  ConfigurationScreen* screen = ActiveScreen();
  if (screen == nullptr) {
    return false;
  }
  const bool saved = screen->Document().Save(context_.ui);
  UpdateTitles();
  return saved;
}

bool MainFrame::FileSaveAs() {
  ConfigurationScreen* screen = ActiveScreen();
  if (screen == nullptr) {
    return false;
  }
  FileRequest request;
  request.filter = DocumentFilter();
  request.defaultExtension = DocumentExtension();
  request.overwritePrompt = true;
  request.initialPath = screen->Document().Path().string();
  const std::optional<std::string> chosen = context_.ui.ChooseSaveFile(request);
  if (!chosen || !screen->Document().SaveAs(fs::absolute(*chosen), context_.ui)) {
    return false;
  }
  context_.settings.AddRecentFile(screen->Document().Path().string());
  UpdateTitles();
  return true;
}

void MainFrame::FileClose() {
  if (ConfigurationScreen* screen = ActiveScreen()) {
    screen->parentWidget()->close();
  }
}

void MainFrame::FilePrint() {
  if (ConfigurationScreen* screen = ActiveScreen()) {
    printing_->Print(screen->Document().Project(), screen->Document().Path().string(), this);
  }
}

void MainFrame::FilePrintPreview() {
  if (ConfigurationScreen* screen = ActiveScreen()) {
    printing_->Preview(screen->Document().Project(), screen->Document().Path().string(), this);
  }
}

void MainFrame::ExportReportPdf() {
  if (ConfigurationScreen* screen = ActiveScreen()) {
    printing_->ExportPdf(screen->Document().Project(), screen->Document().Path().string(),
                         context_.ui);
  }
}

std::optional<std::string> MainFrame::OpenStoredPort(ConfigurationScreen* screen) {
  // The simulated panel is started, configured like the project, when it is
  // the port chosen.
  std::string error;
  std::optional<std::string> port = screen->Panel().OpenPort(context_.settings.Port(), error);
  if (!port) {
    context_.ui.Show(error, Icon::Stop);
  }
  return port;
}

void MainFrame::Information() {
  if (ConfigurationScreen* screen = ActiveScreen()) {
    if (const std::optional<std::string> port = OpenStoredPort(screen)) {
      RunInformation(InformationCommand::Device, screen->Document().Project(), context_.ui,
                     context_.catalog, *port, this);
    }
  }
}

void MainFrame::PortInformation(ConfigurationScreen* screen) {
  if (const std::optional<std::string> port = OpenStoredPort(screen)) {
    RunInformation(InformationCommand::SelectedPort, screen->Document().Project(), context_.ui,
                   context_.catalog, *port, this);
  }
}

void MainFrame::About() {
  AboutDialog dialog(context_.version, this);
  dialog.exec();
}

void MainFrame::Help() {
  OpenProgramHelp(context_.ui);
}

void MainFrame::UpdateTitles() {
  for (QMdiSubWindow* window : documents_->subWindowList()) {
    if (auto* document = dynamic_cast<DocumentSubWindow*>(window)) {
      const OrvaneDocument& doc = document->Screen()->Document();
      window->setWindowTitle(QString::fromStdString(doc.Title()) + QStringLiteral("[*]"));
      window->setWindowModified(doc.IsModified());
    }
  }
  UpdateState();
}

void MainFrame::StartSimulatedPanel() {
  if (context_.simulated == nullptr) {
    return;
  }
  ConfigurationScreen* screen = ActiveScreen();
  std::string error;
  if (!context_.simulated->EnsureRunning(
          SetupFor(screen != nullptr ? &screen->Document().Project() : nullptr), error)) {
    context_.ui.Show(error, Icon::Stop);
  }
}

void MainFrame::FollowVirtualPanel() {
  const bool single = context_.simulated != nullptr && context_.simulated->IsRunning() &&
                      !context_.simulated->Running()->multiplexer;
  if (!single) {
    if (virtualPanel_) {
      virtualPanel_->hide();
    }
    return;
  }
  if (!virtualPanel_) {
    // A window of its own beside the frame, closed with it.
    virtualPanel_ = panelview::AttachVirtualPanel(context_.simulated->Process(), this);
    virtualPanel_->setWindowFlag(Qt::Window);
    virtualPanel_->setObjectName(QStringLiteral("virtualPanel"));
    // Beside the frame, so neither hides the other.
    virtualPanel_->move(frameGeometry().right() + 12, frameGeometry().top());
  } else {
    virtualPanel_->Attach(context_.simulated->Process());
  }
  virtualPanel_->setWindowTitle(
      QStringLiteral("Virtual panel - %1")
          .arg(QString::fromStdString(context_.simulated->Running()->Description())));
  virtualPanel_->show();
}

void MainFrame::FollowSimulatedPanel() {
  ConfigurationScreen* screen = ActiveScreen();
  if (context_.simulated == nullptr || screen == nullptr || !context_.simulated->IsRunning() ||
      !IsSimulatedPanelPort(context_.settings.Port())) {
    return;
  }
  const SimulatedPanelSetup wanted = SetupFor(&screen->Document().Project());
  if (SimulatedPanelPlan::NeedsStart(context_.simulated->Running(), wanted)) {
    StartSimulatedPanel();
  }
}

void MainFrame::UpdateState() {
  ConfigurationScreen* screen = ActiveScreen();
  for (QAction* action : documentActions_) {
    action->setEnabled(screen != nullptr);
  }
  panelMenu_->menuAction()->setVisible(screen != nullptr);
  const std::string port = context_.settings.Port();
  portPane_->setText(port.empty() ? QStringLiteral("No port") : QString::fromStdString(port));
  portPane_->setToolTip(QString());
  if (IsSimulatedPanelPort(port) && context_.simulated != nullptr) {
    // The status bar tells when the panel operations go to the simulator.
    if (context_.simulated->IsRunning()) {
      portPane_->setText(
          QStringLiteral("Simulated panel in use: %1")
              .arg(QString::fromStdString(context_.simulated->Running()->Description())));
      portPane_->setToolTip(QString::fromStdString(context_.simulated->PortPath()));
    } else {
      portPane_->setText(QStringLiteral("Simulated panel (not running)"));
    }
  }
  if (screen != nullptr) {
    systemPane_->setText(screen->Model().MultiPanel() ? QStringLiteral("Multi-Panel")
                                                      : QStringLiteral("Single Panel"));
    modifiedPane_->setText(screen->Document().IsModified() ? QStringLiteral("Modified")
                                                           : QString());
  } else {
    systemPane_->clear();
    modifiedPane_->clear();
  }
}

}  // namespace orvane
