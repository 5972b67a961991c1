#include "view/qt/PanelPicture.h"

#include <QFontDatabase>
#include <QPainter>
#include <QPainterPath>

#include "project/PanelModels.h"

namespace orvane {
namespace {

const QColor kHousing(58, 62, 70);
const QColor kBezel(30, 32, 36);
const QColor kDisplay(168, 200, 120);
const QColor kDisplayText(30, 50, 20);
const QColor kKey(210, 212, 216);
const QColor kLed(220, 40, 30);

// The display's sample lines for a model.
QStringList SampleLines(int32_t model) {
  switch (model) {
    case kModelOv400:
      return {QStringLiteral("  TANK 1 LEVEL  "), QStringLiteral("   1234 GAL     "),
              QStringLiteral("  PUMP RUNNING  "), QStringLiteral("F1 MENU  F5 ACK ")};
    case kModelOvSP:
      return {QStringLiteral("SPEED SETPOINT")};
    default:
      return {QStringLiteral("  TANK 1 LEVEL  "), QStringLiteral("   1234 GAL     ")};
  }
}

// A housing of the given width-to-height proportion, as large as fits in
// area, centred, drawn with its rounded corners.
QRectF DrawHousing(QPainter& painter, const QRectF& area, qreal aspect, qreal corner) {
  QRectF housing = area;
  if (housing.width() > housing.height() * aspect) {
    housing.setWidth(housing.height() * aspect);
  } else {
    housing.setHeight(housing.width() / aspect);
  }
  housing.moveCenter(area.center());
  painter.setPen(QPen(kBezel, 2));
  painter.setBrush(kHousing);
  painter.drawRoundedRect(housing, corner, corner);
  return housing;
}

// The multiplexer: a unit with the PLC and PC ports and the five panel
// ports it serves.
void PaintMultiplexer(QPainter& painter, const QRectF& area) {
  const QRectF housing = DrawHousing(painter, area, 2.4, 10);

  const qreal margin = housing.width() * 0.05;
  QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
  font.setBold(true);
  font.setPixelSize(qMax(6, int(housing.height() * 0.13)));
  painter.setFont(font);
  painter.setPen(kKey);
  const QRectF title(housing.left() + margin, housing.top() + margin * 0.5,
                     housing.width() - 2 * margin, housing.height() * 0.22);
  painter.drawText(title, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("MULTIPLEXER"));
  // The power LED beside the name.
  const qreal led = housing.height() * 0.07;
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(60, 200, 80));
  painter.drawEllipse(QPointF(title.right() - led, title.center().y()), led / 2, led / 2);

  // Two rows of connectors: PLC and PC above, the five panel ports below.
  QFont portFont = font;
  portFont.setBold(false);
  portFont.setPixelSize(qMax(6, int(housing.height() * 0.09)));
  const QStringList upper{QStringLiteral("PLC"), QStringLiteral("PC")};
  const QStringList lower{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                          QStringLiteral("4"), QStringLiteral("5")};
  const qreal inner = housing.width() - 2 * margin;
  auto connectors = [&](const QStringList& names, qreal top, qreal height) {
    const qreal slot = inner / 5;
    const qreal start = housing.left() + margin + (5 - names.size()) * slot / 2;
    for (int i = 0; i < names.size(); ++i) {
      const QRectF plug(start + i * slot + slot * 0.18, top, slot * 0.64, height * 0.55);
      painter.setPen(QPen(kBezel, 1.5));
      painter.setBrush(kBezel);
      painter.drawRoundedRect(plug, 3, 3);
      painter.setBrush(kKey);
      painter.drawRect(plug.adjusted(plug.width() * 0.2, plug.height() * 0.3, -plug.width() * 0.2,
                                     -plug.height() * 0.3));
      painter.setFont(portFont);
      painter.setPen(kKey);
      painter.drawText(QRectF(plug.left() - slot * 0.18, plug.bottom(), slot, height * 0.45),
                       Qt::AlignCenter, names[i]);
    }
  };
  const qreal rows = housing.bottom() - margin * 0.5 - title.bottom();
  connectors(upper, title.bottom() + rows * 0.02, rows * 0.48);
  connectors(lower, title.bottom() + rows * 0.52, rows * 0.48);
}

}  // namespace

PanelPicture::PanelPicture(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("panelPicture"));
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

void PanelPicture::SetModel(int32_t model) {
  if (model != model_) {
    model_ = model;
    update();
  }
}

void PanelPicture::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF area = QRectF(rect()).adjusted(4, 4, -4, -4);
  const PanelModelInfo& info = PanelModel(model_);
  if (model_ == kModelMultiplexer) {
    PaintMultiplexer(painter, area);
    return;
  }
  if (info.lines == 0) {
    painter.setPen(QPen(palette().color(QPalette::Mid), 2, Qt::DashLine));
    painter.drawRoundedRect(area, 10, 10);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(area, Qt::AlignCenter, QString::fromUtf8(info.name));
    return;
  }
  // The housing keeps the panel's proportions, centred.
  const QRectF housing = DrawHousing(painter, area, 2.0, 12);

  const qreal margin = housing.width() * 0.06;
  const bool setPoint = model_ == kModelOvSP;
  const qreal displayHeight = housing.height() * (info.lines > 2 ? 0.52 : 0.42);
  QRectF display(housing.left() + margin, housing.top() + margin, housing.width() - 2 * margin,
                 displayHeight);
  painter.setPen(QPen(kBezel, 3));
  painter.setBrush(kDisplay);
  painter.drawRoundedRect(display, 4, 4);

  QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  font.setBold(true);
  const QStringList lines = SampleLines(model_);
  const int rows = setPoint ? 2 : info.lines;
  font.setPixelSize(qMax(6, int(display.height() / (rows + 1))));
  if (model_ == kModelOv200L) {
    font.setPixelSize(qMax(6, int(display.height() / 2.2)));
  }
  painter.setFont(font);
  painter.setPen(kDisplayText);
  const qreal rowHeight = display.height() / rows;
  if (setPoint) {
    QFont digits = font;
    digits.setPixelSize(qMax(6, int(rowHeight * 0.8)));
    painter.setFont(digits);
    painter.drawText(QRectF(display.left(), display.top(), display.width(), rowHeight),
                     Qt::AlignCenter, QStringLiteral("00001500"));
    painter.setFont(font);
    painter.drawText(QRectF(display.left(), display.top() + rowHeight, display.width(), rowHeight),
                     Qt::AlignCenter, lines.value(0));
  } else {
    const int shown = model_ == kModelOv200L ? 1 : info.lines;
    const qreal height = display.height() / shown;
    for (int row = 0; row < shown; ++row) {
      painter.drawText(
          QRectF(display.left(), display.top() + row * height, display.width(), height),
          Qt::AlignCenter, lines.value(row));
    }
  }

  // Keys: five function keys with their LEDs, or the set point panel's
  // scroll and enter keys.
  const QStringList keys =
      setPoint
          ? QStringList{QStringLiteral("\u25B2"), QStringLiteral("\u25BC"), QStringLiteral("ENTER")}
          : QStringList{QStringLiteral("F1"), QStringLiteral("F2"), QStringLiteral("F3"),
                        QStringLiteral("F4"), QStringLiteral("F5")};
  const qreal keysTop = display.bottom() + margin * 0.8;
  const qreal keysHeight = housing.bottom() - margin * 0.6 - keysTop;
  const qreal slot = display.width() / keys.size();
  QFont keyFont = font;
  keyFont.setPixelSize(qMax(6, int(keysHeight * 0.28)));
  painter.setFont(keyFont);
  for (int i = 0; i < keys.size(); ++i) {
    const QRectF key(display.left() + i * slot + slot * 0.15, keysTop + keysHeight * 0.3,
                     slot * 0.7, keysHeight * 0.7);
    if (!setPoint) {
      const qreal led = keysHeight * 0.18;
      painter.setPen(Qt::NoPen);
      painter.setBrush(kLed);
      painter.drawEllipse(QPointF(key.center().x(), keysTop + led * 0.6), led / 2, led / 2);
    }
    painter.setPen(QPen(kBezel, 1.5));
    painter.setBrush(kKey);
    painter.drawRoundedRect(key, 4, 4);
    painter.setPen(kBezel);
    painter.drawText(key, Qt::AlignCenter, keys[i]);
  }
}

}  // namespace orvane
