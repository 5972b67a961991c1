#include "app/SplashWindow.h"

#include <QApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>

#include "base/StringTable.h"
#include "project/PanelModels.h"
#include "view/qt/PanelPicture.h"

namespace orvane {

SplashWindow::SplashWindow(const QString& version, int durationMs)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint), version_(version) {
  setObjectName(QStringLiteral("splash"));
  setAttribute(Qt::WA_DeleteOnClose, false);
  setFixedSize(520, 300);
  timer_.setSingleShot(true);
  timer_.setInterval(durationMs);
  connect(&timer_, &QTimer::timeout, this, &SplashWindow::Dismiss);
  auto* picture = new PanelPicture(this);
  picture->SetModel(kModelOv400);
  picture->setGeometry(300, 90, 200, 120);
}

SplashWindow::~SplashWindow() {
  qApp->removeEventFilter(this);
}

void SplashWindow::Start() {
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect area = rect();
    area.moveCenter(screen->geometry().center());
    move(area.topLeft());
  }
  showing_ = true;
  qApp->installEventFilter(this);
  show();
  raise();
  timer_.start();
}

void SplashWindow::Dismiss() {
  if (!showing_) {
    return;
  }
  showing_ = false;
  timer_.stop();
  qApp->removeEventFilter(this);
  hide();
  emit Closed();
}

bool SplashWindow::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonDblClick:
      Dismiss();
      return true;
    default:
      return QWidget::eventFilter(watched, event);
  }
}

void SplashWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  QLinearGradient background(0, 0, width(), height());
  background.setColorAt(0, QColor(18, 52, 86));
  background.setColorAt(1, QColor(40, 110, 150));
  painter.fillRect(rect(), background);
  painter.setPen(QColor(255, 255, 255, 60));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));

  painter.setPen(Qt::white);
  QFont title = font();
  title.setPixelSize(34);
  title.setBold(true);
  painter.setFont(title);
  painter.drawText(QRect(28, 60, 280, 90), Qt::AlignLeft | Qt::TextWordWrap,
                   QString::fromUtf8(LoadString(strings::kAppTitle)));
  QFont line = font();
  line.setPixelSize(15);
  painter.setFont(line);
  painter.drawText(QRect(28, 160, 260, 60), Qt::AlignLeft | Qt::TextWordWrap,
                   QStringLiteral("Configuration for operator interface text panels"));
  if (!version_.isEmpty()) {
    painter.setPen(QColor(255, 210, 120));
    painter.drawText(QRect(28, 240, 300, 30), Qt::AlignLeft,
                     QString::fromStdString(FormatText(LoadString(strings::kWelcomeVersion),
                                                       version_.toStdString().c_str())));
  }
}

}  // namespace orvane
