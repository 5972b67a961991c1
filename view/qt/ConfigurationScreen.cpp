#include "view/qt/ConfigurationScreen.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "project/ModelLimits.h"
#include "view/OrvaneDocument.h"
#include "view/qt/EditorDialogs.h"
#include "view/qt/PanelPicture.h"
#include "view/qt/PortField.h"

namespace orvane {
namespace {

QString Text(const std::string& text) {
  return QString::fromStdString(text);
}

QString ControlName(int id) {
  return QStringLiteral("ctl_%1").arg(id);
}

QGroupBox* Step(const QString& title) {
  auto* box = new QGroupBox(title);
  box->setFlat(false);
  return box;
}

// The port menu's commands.
struct PortCommand {
  int id;
  const char* text;
};
constexpr PortCommand kSelectPanel{32787, "&Select Panel"};
constexpr PortCommand kDeletePanel{32788, "&Delete Panel"};
constexpr PortCommand kImportConfiguration{32791, "&Import Configuration"};
constexpr PortCommand kExportConfiguration{32792, "&Export Configuration"};
constexpr PortCommand kPortInformation{32816, "In&formation"};
constexpr PortCommand kPortUpgradeFirmware{32817, "Upgrade &Firmware"};

}  // namespace

ConfigurationScreen::ConfigurationScreen(std::unique_ptr<OrvaneDocument> document,
                                         UserInterface& ui, MainViewDialogs& dialogs,
                                         DriverCatalog& catalog, QWidget* parent)
    : QWidget(parent),
      document_(std::move(document)),
      model_(*document_, ui, dialogs, catalog),
      ui_(ui) {
  setObjectName(QStringLiteral("dlg_101"));
  setWindowTitle(QStringLiteral("Orvane Zurovuvu Configuration Screen"));

  auto* content = new QWidget;
  auto* grid = new QGridLayout(content);
  grid->addWidget(BuildSystemStep(), 0, 0);
  grid->addWidget(BuildPanelStep(), 1, 0, 2, 1);
  grid->addWidget(BuildPlcStep(), 0, 1, 2, 1);
  grid->addWidget(BuildEditStep(), 2, 1);
  grid->addWidget(BuildTransferStep(), 3, 0, 1, 2);
  grid->setColumnStretch(0, 3);
  grid->setColumnStretch(1, 2);

  auto* help = AddButton(QStringLiteral("&Help"), 1490);
  connect(help, &QPushButton::clicked, this, &ConfigurationScreen::HelpRequested);
  auto* exit = AddButton(QStringLiteral("E&xit"), 1222);
  connect(exit, &QPushButton::clicked, this, &ConfigurationScreen::CloseRequested);
  auto* bottom = new QHBoxLayout;
  bottom->addStretch(1);
  bottom->addWidget(help);
  bottom->addWidget(exit);
  grid->addLayout(bottom, 4, 0, 1, 2);
  grid->setRowStretch(5, 1);

  auto* scroll = new QScrollArea;
  scroll->setWidget(content);
  scroll->setWidgetResizable(true);
  scroll->setFrameShape(QFrame::NoFrame);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(scroll);
}

ConfigurationScreen::~ConfigurationScreen() = default;

QPushButton* ConfigurationScreen::AddButton(const QString& text, int id) {
  auto* button = new QPushButton(text);
  button->setObjectName(ControlName(id));
  button->setAutoDefault(false);
  return button;
}

QWidget* ConfigurationScreen::BuildSystemStep() {
  auto* box = Step(QStringLiteral("1. System"));
  single_ = new QRadioButton(QStringLiteral("Single Panel System"));
  single_->setObjectName(ControlName(1016));
  multi_ = new QRadioButton(QStringLiteral("Multi-Panel System"));
  multi_->setObjectName(ControlName(1017));
  connect(single_, &QRadioButton::clicked, this,
          [this] { Run([this] { return model_.SwitchToSinglePanel(); }); });
  connect(multi_, &QRadioButton::clicked, this,
          [this] { Run([this] { return model_.SwitchToMultiPanel(); }); });
  auto* layout = new QHBoxLayout(box);
  layout->addWidget(single_);
  layout->addWidget(multi_);
  layout->addStretch(1);
  return box;
}

QWidget* ConfigurationScreen::BuildPanelStep() {
  auto* box = Step(QStringLiteral("2. Panel"));
  portRow_ = new QWidget;
  auto* ports = new QHBoxLayout(portRow_);
  ports->setContentsMargins(0, 0, 0, 0);
  for (int32_t port = kFirstPort; port <= kLastPort; ++port) {
    auto* field = new PortField(port);
    ports_[static_cast<size_t>(port - kFirstPort)] = field;
    ports->addWidget(field);
    connect(field, &PortField::Pressed, this,
            [this](int32_t p) { Run([this, p] { return model_.SelectPort(p); }); });
    connect(field, &PortField::Activated, this, [this](int32_t p) {
      Run([this, p] {
        const bool moved = model_.SelectPort(p);
        return model_.SelectPanelModel() || moved;
      });
    });
    connect(field, &PortField::DeletePressed, this,
            [this](int32_t p) { Run([this, p] { return model_.DeleteKeyOnPort(p); }); });
    connect(field, &PortField::MenuRequested, this, &ConfigurationScreen::ShowPortMenu);
  }

  picture_ = new PanelPicture;
  picture_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(picture_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
    ShowPortMenu(model_.CurrentPort(), picture_->mapToGlobal(at));
  });
  modelName_ = new QLabel;
  modelName_->setObjectName(QStringLiteral("panelName"));
  QFont bold = modelName_->font();
  bold.setBold(true);
  bold.setPointSizeF(bold.pointSizeF() * 1.2);
  modelName_->setFont(bold);
  selectPanel_ = AddButton(QStringLiteral("Select Panel T&ype..."), 1009);
  connect(selectPanel_, &QPushButton::clicked, this,
          [this] { Run([this] { return model_.SelectPanelModel(); }); });

  auto* nameRow = new QHBoxLayout;
  nameRow->addWidget(modelName_, 1);
  nameRow->addWidget(selectPanel_);
  auto* layout = new QVBoxLayout(box);
  layout->addWidget(portRow_);
  layout->addWidget(picture_, 1);
  layout->addLayout(nameRow);
  return box;
}

QWidget* ConfigurationScreen::BuildPlcStep() {
  auto* box = Step(QStringLiteral("3. PLC"));
  auto* label = new QLabel(QStringLiteral("Select P&LC:"));
  plcs_ = new QComboBox;
  plcs_->setObjectName(ControlName(1021));
  plcs_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  plcs_->setMinimumContentsLength(16);
  label->setBuddy(plcs_);
  connect(plcs_, &QComboBox::activated, this, [this](int index) {
    Run([this, index] { return index >= 0 && model_.ChangePlc(static_cast<size_t>(index)); });
  });
  attributes_ =
      AddButton(QStringLiteral("Pr&ess for communication\nconfiguration for Selected PLC"), 1020);
  connect(attributes_, &QPushButton::clicked, this,
          [this] { Run([this] { return model_.EditPlcAttributes(); }); });
  tagMap_ = new QLabel;
  tagMap_->setObjectName(QStringLiteral("tagMapName"));
  changeTagMap_ = AddButton(QStringLiteral("Change"), 1478);
  connect(changeTagMap_, &QPushButton::clicked, this,
          [this] { Run([this] { return model_.ChangeTagMap(); }); });
  auto* tagRow = new QHBoxLayout;
  tagRow->addWidget(tagMap_, 1);
  tagRow->addWidget(changeTagMap_);

  auto* layout = new QVBoxLayout(box);
  layout->addWidget(label);
  layout->addWidget(plcs_);
  layout->addWidget(attributes_);
  layout->addLayout(tagRow);
  layout->addStretch(1);
  return box;
}

QWidget* ConfigurationScreen::BuildEditStep() {
  auto* box = Step(QStringLiteral("4. Configure"));
  messages_ = AddButton(QStringLiteral("&Messages"), 1004);
  annunciator_ = AddButton(QStringLiteral("&Annunciator"), 1226);
  keysLeds_ = AddButton(QStringLiteral("&Buttons / LEDs"), 1227);
  systemAddresses_ = AddButton(QStringLiteral("&Configure Panel System\nPLC Addresses"), 1338);
  addressDatabase_ = AddButton(QStringLiteral("PLC Address &Database"), 1014);
  connect(messages_, &QPushButton::clicked, this,
          [this] { Run([this] { return OpenEditor(EditorButton::Messages); }); });
  connect(annunciator_, &QPushButton::clicked, this,
          [this] { Run([this] { return OpenEditor(EditorButton::Annunciator); }); });
  connect(keysLeds_, &QPushButton::clicked, this,
          [this] { Run([this] { return OpenEditor(EditorButton::KeysLeds); }); });
  connect(systemAddresses_, &QPushButton::clicked, this,
          [this] { Run([this] { return OpenEditor(EditorButton::SystemAddresses); }); });
  connect(addressDatabase_, &QPushButton::clicked, this,
          [this] { Run([this] { return OpenEditor(EditorButton::AddressDatabase); }); });
  auto* layout = new QVBoxLayout(box);
  for (QPushButton* button :
       {messages_, annunciator_, keysLeds_, systemAddresses_, addressDatabase_}) {
    layout->addWidget(button);
  }
  layout->addStretch(1);
  return box;
}

bool ConfigurationScreen::OpenEditor(EditorButton button) {
  if (!RunEditorDialog(model_.EditorFor(button), document_->Project(), ui_, this)) {
    return false;
  }
  model_.EditorClosed();
  return true;
}

QWidget* ConfigurationScreen::BuildTransferStep() {
  auto* box = Step(QStringLiteral("5. Transfer"));
  write_ = AddButton({}, 1012);
  read_ = AddButton({}, 1013);
  verify_ = AddButton(QStringLiteral("&Verify"), 1015);
  auto* layout = new QHBoxLayout(box);
  // The panel operations come with their own work: shown, not yet pressed.
  for (QPushButton* button : {write_, read_, verify_}) {
    button->setEnabled(false);
    button->setMinimumHeight(button->sizeHint().height() * 2);
    layout->addWidget(button);
  }
  return box;
}

bool ConfigurationScreen::Initialize(unsigned defaultManufacturer, unsigned defaultModel) {
  if (!model_.InitialUpdate(defaultManufacturer, defaultModel)) {
    return false;
  }
  plcs_->clear();
  for (const DriverEntry& entry : model_.PlcList()) {
    plcs_->addItem(Text(entry.name));
  }
  Refresh();
  return true;
}

template <typename Command>
void ConfigurationScreen::Run(Command&& command) {
  command();
  // Declined commands change nothing, but the widget the user touched may
  // have moved on its own: show the model again either way.
  Refresh();
  emit DocumentChanged();
}

void ConfigurationScreen::Refresh() {
  const bool multi = model_.MultiPanel();
  single_->setChecked(!multi);
  multi_->setChecked(multi);

  portRow_->setVisible(multi);
  for (PortField* field : ports_) {
    field->SetText(Text(model_.PortFieldText(field->Port())));
    field->SetCurrent(field->Port() == model_.CurrentPort());
  }
  picture_->SetModel(model_.CurrentModel());
  modelName_->setText(multi ? QStringLiteral("Port %1: %2")
                                  .arg(model_.CurrentPort())
                                  .arg(Text(model_.CurrentModelName()))
                            : Text(model_.CurrentModelName()));

  const size_t plc = model_.CurrentPlcIndex();
  if (plc < static_cast<size_t>(plcs_->count())) {
    plcs_->setCurrentIndex(static_cast<int>(plc));
    plcs_->setToolTip(plcs_->currentText());
  }
  const QString tagMap = Text(model_.TagMapText());
  tagMap_->setText(tagMap);
  tagMap_->setVisible(!tagMap.isEmpty());
  changeTagMap_->setVisible(!tagMap.isEmpty());

  const ScreenButtons buttons = model_.Buttons();
  messages_->setVisible(buttons.messages);
  annunciator_->setVisible(buttons.annunciator);
  keysLeds_->setVisible(buttons.keysLeds);
  systemAddresses_->setVisible(buttons.systemAddresses);
  addressDatabase_->setVisible(buttons.addressDatabase);
  // A button is pressed only for an editor the program has, and not while
  // the current port has no panel.
  const std::pair<QPushButton*, EditorButton> editors[] = {
      {messages_, EditorButton::Messages},
      {annunciator_, EditorButton::Annunciator},
      {keysLeds_, EditorButton::KeysLeds},
      {systemAddresses_, EditorButton::SystemAddresses},
      {addressDatabase_, EditorButton::AddressDatabase}};
  for (const auto& [widget, button] : editors) {
    widget->setEnabled(HasEditorDialog(model_.EditorFor(button)));
  }

  write_->setText(Text(model_.WriteCaption()));
  read_->setText(Text(model_.ReadCaption()));
}

std::unique_ptr<QMenu> ConfigurationScreen::PortMenuFor(int32_t port) {
  if (!model_.PortMenuOpensOn(port)) {
    return nullptr;
  }
  const PortMenuState state = model_.PortMenu();
  auto menu = std::make_unique<QMenu>(QStringLiteral("Port"));
  menu->setObjectName(QStringLiteral("menu_188"));
  auto add = [&](const PortCommand& command, bool enabled, auto&& run) {
    QAction* action = menu->addAction(QString::fromUtf8(command.text));
    action->setObjectName(QStringLiteral("cmd_%1").arg(command.id));
    action->setEnabled(enabled);
    connect(action, &QAction::triggered, this, [this, run] { Run(run); });
  };
  add(kSelectPanel, state.selectPanel, [this] { return model_.SelectPanelModel(); });
  add(kDeletePanel, state.deletePanel, [this] { return model_.DeletePanel(); });
  menu->addSeparator();
  add(kImportConfiguration, state.importConfiguration,
      [this] { return model_.ImportConfiguration(); });
  add(kExportConfiguration, state.exportConfiguration,
      [this] { return model_.ExportConfiguration(); });
  menu->addSeparator();
  // The frame asks the panel on the port; it changes nothing here.
  QAction* information = menu->addAction(QString::fromUtf8(kPortInformation.text));
  information->setObjectName(QStringLiteral("cmd_%1").arg(kPortInformation.id));
  information->setEnabled(state.information);
  connect(information, &QAction::triggered, this, &ConfigurationScreen::PortInformationRequested);
  // The upgrade comes with the transfer dialog: shown, not yet chosen.
  add(kPortUpgradeFirmware, false, [] { return false; });
  return menu;
}

void ConfigurationScreen::ShowPortMenu(int32_t port, const QPoint& globalPosition) {
  std::unique_ptr<QMenu> menu = PortMenuFor(port);
  if (menu) {
    menu->exec(globalPosition);
  }
}

}  // namespace orvane
