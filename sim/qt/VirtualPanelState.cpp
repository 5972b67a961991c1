#include "sim/qt/VirtualPanelState.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace orvane::panelview {
namespace {

QStringList Strings(const QJsonValue& value) {
  QStringList list;
  for (const QJsonValue& item : value.toArray()) {
    list << item.toString();
  }
  return list;
}

VirtualPanelState StateOf(const QJsonObject& object) {
  VirtualPanelState state;
  state.model = object.value("model").toInt();
  state.lines = Strings(object.value("lines"));
  const QJsonObject cursor = object.value("cursor").toObject();
  if (!cursor.isEmpty()) {
    state.cursorLine = cursor.value("line").toInt();
    state.cursorColumn = cursor.value("column").toInt();
  }
  state.editing = object.value("editing").toBool();
  state.leds = Strings(object.value("leds"));
  state.lamps = Strings(object.value("annunciator"));
  for (const QJsonValue& item : object.value("registers").toArray()) {
    const QJsonObject r = item.toObject();
    RegisterRow row;
    row.tag = r.value("tag").toInt();
    row.address = r.value("address").toString();
    row.role = r.value("role").toString();
    row.type = r.value("type").toString();
    row.access = r.value("access").toString();
    row.bits = static_cast<quint32>(r.value("bits").toDouble());
    if (!r.value("value").isNull()) {
      row.value = static_cast<quint32>(r.value("value").toDouble());
    }
    state.registers << row;
  }
  return state;
}

}  // namespace

ControlLine ParseControlLine(const QByteArray& line) {
  ControlLine parsed;
  if (!line.trimmed().startsWith('{')) {
    return parsed;
  }
  const QJsonObject object = QJsonDocument::fromJson(line).object();
  if (object.contains("state")) {
    parsed.state = StateOf(object.value("state").toObject());
  } else if (object.value("ok") == false) {
    parsed.error = object.value("error").toString();
  }
  return parsed;
}

QByteArray SetRegisterCommand(int tag, const QString& value) {
  return "set #" + QByteArray::number(tag) + "=" + value.trimmed().toUtf8() + "\n";
}

}  // namespace orvane::panelview
