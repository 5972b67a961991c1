// The virtual panel window: the drawn display, the five function keys with
// their LEDs, the navigation keys (and the keypad of model 3), the
// annunciator lamps, and a table of the PLC registers the panel uses, whose
// values the user edits. It drives orvane-panelsim --control through the
// process's standard input and output, so everything follows live while a
// program writes, reads and verifies the panel on its port.
#pragma once

#include <QIODevice>
#include <QMap>
#include <QPointer>
#include <QWidget>

#include "sim/qt/VirtualPanelState.h"

class QLabel;
class QProcess;
class QPushButton;
class QTableWidget;
class QTableWidgetItem;
class QTimer;

namespace orvane::panelview {

class LcdDisplay;

class VirtualPanelWindow : public QWidget {
  Q_OBJECT

 public:
  explicit VirtualPanelWindow(QWidget* parent = nullptr);

  /// Speaks the control protocol over device (read and write) and asks for
  /// the state at once.
  void Attach(QIODevice* device);

  const VirtualPanelState& State() const { return state_; }
  LcdDisplay* Display() const { return lcd_; }

 signals:
  /// After every state line.
  void stateChanged();
  /// A command was refused; the text is shown in the window too.
  void commandFailed(const QString& error);

 private:
  void ReadLines();
  void Show(const VirtualPanelState& state);
  void Send(const QByteArray& command);
  QPushButton* KeyButton(const QString& key, const QString& caption);
  void RegisterEdited(QTableWidgetItem* item);
  void PaintLamps();

  QPointer<QIODevice> device_;
  VirtualPanelState state_;
  LcdDisplay* lcd_ = nullptr;
  QWidget* functionKeys_ = nullptr;
  QWidget* keypad_ = nullptr;
  QWidget* annunciator_ = nullptr;
  QVector<QLabel*> leds_;
  QVector<QLabel*> lamps_;
  QTableWidget* registers_ = nullptr;
  QLabel* message_ = nullptr;
  QTimer* flash_ = nullptr;
  int flashPhase_ = 0;
  bool filling_ = false;
};

/// The window attached to a running orvane-panelsim --control process: one
/// call once the process is started with its standard input and output as
/// pipes. The window is not shown.
VirtualPanelWindow* AttachVirtualPanel(QProcess* process, QWidget* parent = nullptr);

}  // namespace orvane::panelview
