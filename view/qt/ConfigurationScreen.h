// The configuration screen of one document ("Orvane Zurovuvu Configuration
// Screen", form 101): the numbered steps from the system type to the panel
// transfers. It shows a MainViewModel and hands every user action to it;
// after each command it shows the model again, so a declined command puts a
// radio button or the PLC list back by itself.
#pragma once

#include <QWidget>
#include <array>
#include <memory>

#include "view/MainViewModel.h"
#include "view/qt/PanelOperations.h"

class QComboBox;
class QLabel;
class QMenu;
class QPushButton;
class QRadioButton;

namespace orvane {

class DriverCatalog;
class MainViewDialogs;
class OrvaneDocument;
class PanelPicture;
class PortField;
class UserInterface;

class ConfigurationScreen final : public QWidget {
  Q_OBJECT

 public:
  /// The screen owns its document; ui, dialogs, catalog and what the panel
  /// services name must outlive it.
  ConfigurationScreen(std::unique_ptr<OrvaneDocument> document, UserInterface& ui,
                      MainViewDialogs& dialogs, DriverCatalog& catalog,
                      PanelServices panelServices = {}, QWidget* parent = nullptr);
  ~ConfigurationScreen() override;

  /// The first showing (MainViewModel::InitialUpdate); false when the view
  /// cannot serve the document (P005 has been shown) and must close.
  bool Initialize(unsigned defaultManufacturer, unsigned defaultModel);

  OrvaneDocument& Document() { return *document_; }
  MainViewModel& Model() { return model_; }

  /// The port context menu (menu 188) as it opens on the field of port;
  /// nothing for a port other than the current one. The caller owns it.
  std::unique_ptr<QMenu> PortMenuFor(int32_t port);

  /// Shows the model again.
  void Refresh();

  /// The panel operations of the screen (Write, Read, Verify, Clear Memory
  /// and the firmware upgrades), each shown in its progress dialog.
  PanelOperations& Panel() { return *panel_; }
  /// The panel command with the id of the Panel menu (1012 Write, 1013
  /// Read, 1015 Verify, 32799 Clear Memory, 32779 Upgrade Firmware, 32815
  /// Upgrade Mux Firmware); false for any other id.
  bool RunPanelCommand(int id);

 signals:
  /// A command may have changed the document (modified flag, title).
  void DocumentChanged();
  /// "E&xit": close this document.
  void CloseRequested();
  /// "&Help".
  void HelpRequested();
  /// The port menu's "In&formation" on the current port.
  void PortInformationRequested();

 private:
  QWidget* BuildSystemStep();
  QWidget* BuildPanelStep();
  QWidget* BuildPlcStep();
  QWidget* BuildEditStep();
  QWidget* BuildTransferStep();
  QPushButton* AddButton(const QString& text, int id);
  /// Runs a command of the model and shows the result.
  template <typename Command>
  void Run(Command&& command);
  void ShowPortMenu(int32_t port, const QPoint& globalPosition);
  /// The editor of the button on the current panel; true once it closed.
  bool OpenEditor(EditorButton button);

  std::unique_ptr<OrvaneDocument> document_;
  MainViewModel model_;
  UserInterface& ui_;
  std::unique_ptr<PanelOperations> panel_;

  QRadioButton* single_ = nullptr;
  QRadioButton* multi_ = nullptr;
  QWidget* portRow_ = nullptr;
  std::array<PortField*, 5> ports_{};
  PanelPicture* picture_ = nullptr;
  QLabel* modelName_ = nullptr;
  QPushButton* selectPanel_ = nullptr;
  QComboBox* plcs_ = nullptr;
  QPushButton* attributes_ = nullptr;
  QLabel* tagMap_ = nullptr;
  QPushButton* changeTagMap_ = nullptr;
  QPushButton* messages_ = nullptr;
  QPushButton* annunciator_ = nullptr;
  QPushButton* keysLeds_ = nullptr;
  QPushButton* systemAddresses_ = nullptr;
  QPushButton* addressDatabase_ = nullptr;
  QPushButton* write_ = nullptr;
  QPushButton* read_ = nullptr;
  QPushButton* verify_ = nullptr;
};

}  // namespace orvane
