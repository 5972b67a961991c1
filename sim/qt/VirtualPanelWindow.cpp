#include "sim/qt/VirtualPanelWindow.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "sim/qt/LcdDisplay.h"

namespace orvane::panelview {
namespace {

constexpr int kFlashInterval_ms = 250;
constexpr int kValueColumn = 4;

QString LampStyle(bool lit, const QColor& colour) {
  const QColor face = lit ? colour : QColor(70, 70, 70);
  return QString("border-radius: 8px; border: 1px solid #222; background: %1;").arg(face.name());
}

bool Lit(const QString& state, int phase) {
  if (state == "on") {
    return true;
  }
  if (state == "flash") {
    return (phase / 2) % 2 == 0;
  }
  if (state == "fast flash") {
    return phase % 2 == 0;
  }
  return false;
}

QLabel* Lamp(const QString& name, QWidget* parent) {
  auto* lamp = new QLabel(parent);
  lamp->setObjectName(name);
  lamp->setFixedSize(16, 16);
  return lamp;
}

}  // namespace

VirtualPanelWindow::VirtualPanelWindow(QWidget* parent) : QWidget(parent) {
  setObjectName("virtualPanel");
  setWindowTitle(tr("Virtual panel"));
  auto* layout = new QVBoxLayout(this);

  auto* face = new QWidget(this);
  face->setObjectName("panelFace");
  face->setStyleSheet("#panelFace { background: #3c4a5a; border-radius: 8px; }");
  auto* faceLayout = new QVBoxLayout(face);
  lcd_ = new LcdDisplay(face);
  faceLayout->addWidget(lcd_, 0, Qt::AlignHCenter);

  annunciator_ = new QWidget(face);
  auto* lampRow = new QHBoxLayout(annunciator_);
  lampRow->addWidget(new QLabel(tr("<font color=white>Annunciator</font>"), annunciator_));
  for (int lamp = 1; lamp <= 3; ++lamp) {
    lamps_ << Lamp(QString("lamp-%1").arg(lamp), annunciator_);
    lampRow->addWidget(lamps_.back());
  }
  lampRow->addStretch();
  faceLayout->addWidget(annunciator_);

  functionKeys_ = new QWidget(face);
  auto* keys = new QGridLayout(functionKeys_);
  for (int key = 1; key <= 5; ++key) {
    leds_ << Lamp(QString("led-%1").arg(key), functionKeys_);
    keys->addWidget(leds_.back(), 0, key - 1, Qt::AlignHCenter);
    keys->addWidget(KeyButton(QString("F%1").arg(key), QString("F%1").arg(key)), 1, key - 1);
  }
  faceLayout->addWidget(functionKeys_);

  auto* navigation = new QGridLayout();
  navigation->addWidget(KeyButton("ESC", tr("Esc")), 0, 0);
  navigation->addWidget(KeyButton("UP", QString::fromUtf8("\u25B2")), 0, 1);
  navigation->addWidget(KeyButton("ENTER", tr("Enter")), 0, 2);
  navigation->addWidget(KeyButton("LEFT", QString::fromUtf8("\u25C0")), 1, 0);
  navigation->addWidget(KeyButton("DOWN", QString::fromUtf8("\u25BC")), 1, 1);
  navigation->addWidget(KeyButton("RIGHT", QString::fromUtf8("\u25B6")), 1, 2);
  faceLayout->addLayout(navigation);

  keypad_ = new QWidget(face);
  auto* pad = new QGridLayout(keypad_);
  for (int digit = 0; digit <= 9; ++digit) {
    const int place = digit == 0 ? 9 : digit - 1;
    pad->addWidget(KeyButton(QString::number(digit), QString::number(digit)), place / 3 + 1,
                   place % 3 == 0 && digit == 0 ? 1 : place % 3);
  }
  pad->addWidget(KeyButton("CLEAR", tr("Clear")), 4, 2);
  faceLayout->addWidget(keypad_);
  layout->addWidget(face);

  registers_ = new QTableWidget(0, 6, this);
  registers_->setObjectName("registers");
  registers_->setHorizontalHeaderLabels(
      {tr("#"), tr("Address"), tr("Used for"), tr("Type"), tr("Value"), tr("Bits")});
  registers_->verticalHeader()->hide();
  registers_->horizontalHeader()->setStretchLastSection(true);
  registers_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                              QAbstractItemView::AnyKeyPressed);
  connect(registers_, &QTableWidget::itemChanged, this, &VirtualPanelWindow::RegisterEdited);
  layout->addWidget(registers_, 1);

  message_ = new QLabel(this);
  message_->setObjectName("message");
  layout->addWidget(message_);

  flash_ = new QTimer(this);
  flash_->setInterval(kFlashInterval_ms);
  connect(flash_, &QTimer::timeout, this, [this] {
    ++flashPhase_;
    PaintLamps();
  });
  flash_->start();
  resize(560, 720);
  Show(state_);
}

QPushButton* VirtualPanelWindow::KeyButton(const QString& key, const QString& caption) {
  auto* button = new QPushButton(caption, this);
  button->setObjectName("key-" + key);
  button->setFocusPolicy(Qt::NoFocus);
  button->setMinimumHeight(34);
  // Down and up separately: a momentary key is held as long as the button.
  connect(button, &QPushButton::pressed, this,
          [this, key] { Send("press " + key.toUtf8() + "\n"); });
  connect(button, &QPushButton::released, this,
          [this, key] { Send("release " + key.toUtf8() + "\n"); });
  return button;
}

void VirtualPanelWindow::Attach(QIODevice* device) {
  device_ = device;
  connect(device, &QIODevice::readyRead, this, &VirtualPanelWindow::ReadLines);
  Send("state\n");
  ReadLines();
}

void VirtualPanelWindow::Send(const QByteArray& command) {
  if (device_ && device_->isWritable()) {
    device_->write(command);
  }
}

void VirtualPanelWindow::ReadLines() {
  while (device_ && device_->canReadLine()) {
    const ControlLine line = ParseControlLine(device_->readLine());
    if (line.state) {
      Show(*line.state);
      emit stateChanged();
    } else if (!line.error.isEmpty()) {
      message_->setText(line.error);
      emit commandFailed(line.error);
    }
  }
}

void VirtualPanelWindow::Show(const VirtualPanelState& state) {
  state_ = state;
  lcd_->SetLines(state.lines, state.IsSetPoint(), state.cursorLine, state.cursorColumn);
  functionKeys_->setVisible(!state.IsSetPoint());
  keypad_->setVisible(state.HasKeypad());
  annunciator_->setVisible(!state.lamps.isEmpty());
  PaintLamps();

  // The register table; a value being edited is left alone.
  filling_ = true;
  const QWidget* focus = QApplication::focusWidget();
  const bool editing = focus != nullptr && registers_->viewport()->isAncestorOf(focus);
  registers_->setRowCount(static_cast<int>(state.registers.size()));
  for (int row = 0; row < state.registers.size(); ++row) {
    const RegisterRow& r = state.registers[row];
    const QString texts[] = {QString("#%1").arg(r.tag),
                             r.address,
                             r.role,
                             r.type,
                             r.value ? QString::number(*r.value) : QString("?"),
                             QString("0x%1")
                                 .arg(r.bits, r.type.endsWith("32") ? 8 : 4, 16, QChar('0'))
                                 .toUpper()
                                 .replace("0X", "0x")};
    for (int column = 0; column < 6; ++column) {
      if (editing && column == kValueColumn && registers_->currentRow() == row) {
        continue;
      }
      QTableWidgetItem* item = registers_->item(row, column);
      if (item == nullptr) {
        item = new QTableWidgetItem;
        if (column != kValueColumn) {
          item->setFlags(item->flags() & ~Qt::ItemIsEditable);
        }
        registers_->setItem(row, column, item);
      }
      item->setText(texts[column]);
      item->setData(Qt::UserRole, r.tag);
    }
  }
  registers_->resizeColumnsToContents();
  filling_ = false;
}

void VirtualPanelWindow::RegisterEdited(QTableWidgetItem* item) {
  if (filling_ || item->column() != kValueColumn) {
    return;
  }
  message_->clear();
  Send(SetRegisterCommand(item->data(Qt::UserRole).toInt(), item->text()));
}

void VirtualPanelWindow::PaintLamps() {
  for (int led = 0; led < leds_.size(); ++led) {
    leds_[led]->setStyleSheet(
        LampStyle(Lit(state_.leds.value(led), flashPhase_), QColor(60, 230, 60)));
  }
  const QColor lampColours[] = {QColor(255, 60, 40), QColor(255, 190, 30), QColor(60, 230, 60)};
  for (int lamp = 0; lamp < lamps_.size(); ++lamp) {
    lamps_[lamp]->setStyleSheet(
        LampStyle(Lit(state_.lamps.value(lamp), flashPhase_), lampColours[lamp]));
  }
}

VirtualPanelWindow* AttachVirtualPanel(QProcess* process, QWidget* parent) {
  auto* window = new VirtualPanelWindow(parent);
  process->setReadChannel(QProcess::StandardOutput);
  window->Attach(process);
  return window;
}

}  // namespace orvane::panelview
