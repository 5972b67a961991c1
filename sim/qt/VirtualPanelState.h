// What the virtual panel window shows, read from one state object of
// orvane-panelsim's control channel: plain data, no widgets.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

namespace orvane::panelview {

struct RegisterRow {
  int tag = 0;
  QString address;
  QString role;
  QString type;
  QString access;
  quint32 bits = 0;
  std::optional<quint32> value;
};

struct VirtualPanelState {
  int model = 0;
  QStringList lines;
  int cursorLine = -1;
  int cursorColumn = -1;
  bool editing = false;
  QStringList leds;   // "off", "on", "flash", "fast flash"
  QStringList lamps;  // model 3
  QVector<RegisterRow> registers;

  bool IsSetPoint() const { return model == 5; }
  bool HasKeypad() const { return model == 3; }
};

/// One line the control channel sent: a state (a reply or a pushed state
/// line), an error reply, or nothing of interest (the banner lines).
struct ControlLine {
  std::optional<VirtualPanelState> state;
  QString error;
};
ControlLine ParseControlLine(const QByteArray& line);

/// The command line that sets a register: "set #N=VALUE".
QByteArray SetRegisterCommand(int tag, const QString& value);

}  // namespace orvane::panelview
