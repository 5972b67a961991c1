#include "app/WelcomeView.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/StringTable.h"
#include "project/PanelModels.h"
#include "view/qt/PanelPicture.h"

namespace orvane {
namespace {

QString Caption(int id) {
  return QString::fromUtf8(LoadString(id));
}

}  // namespace

WelcomeView::WelcomeView(const QString& version, QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("welcomeView"));
  setAutoFillBackground(true);

  auto* title = new QLabel(Caption(strings::kAppTitle));
  QFont big = title->font();
  big.setPointSizeF(big.pointSizeF() * 2.2);
  big.setBold(true);
  title->setFont(big);

  auto* versionLine = new QLabel(QString::fromStdString(
      FormatText(LoadString(strings::kWelcomeVersion), version.toStdString().c_str())));
  versionLine->setObjectName(QStringLiteral("versionLine"));
  QPalette red = versionLine->palette();
  red.setColor(QPalette::WindowText, QColor(200, 0, 0));
  versionLine->setPalette(red);

  auto* picture = new PanelPicture;
  picture->SetModel(kModelOv400);
  picture->setMinimumSize(160, 80);

  struct Entry {
    const char* text;
    const char* name;
    int caption;
  };
  const Entry entries[] = {
      {"&New", "newButton", strings::kWelcomeNew},
      {"&Open", "openButton", strings::kWelcomeOpen},
      {"E&xit", "exitButton", strings::kWelcomeExit},
      {"&Tour", "ctl_1221", strings::kWelcomeTour},
  };
  auto* grid = new QGridLayout;
  QPushButton* buttons[4] = {};
  for (int i = 0; i < 4; ++i) {
    auto* button = new QPushButton(QString::fromUtf8(entries[i].text));
    button->setObjectName(QString::fromUtf8(entries[i].name));
    button->setMinimumWidth(110);
    auto* caption = new QLabel(Caption(entries[i].caption));
    caption->setObjectName(QStringLiteral("caption%1").arg(i + 1));
    caption->setBuddy(button);
    grid->addWidget(button, i, 0);
    grid->addWidget(caption, i, 1);
    buttons[i] = button;
  }
  // The fourth control is there, not available.
  buttons[3]->setEnabled(false);
  grid->itemAtPosition(3, 1)->widget()->setEnabled(false);
  connect(buttons[0], &QPushButton::clicked, this, &WelcomeView::NewRequested);
  connect(buttons[1], &QPushButton::clicked, this, &WelcomeView::OpenRequested);
  connect(buttons[2], &QPushButton::clicked, this, &WelcomeView::ExitRequested);
  buttons[0]->setDefault(true);

  auto* column = new QVBoxLayout;
  column->addWidget(title);
  column->addWidget(versionLine);
  column->addSpacing(16);
  column->addLayout(grid);
  column->addStretch(1);

  auto* row = new QHBoxLayout;
  row->addLayout(column);
  row->addSpacing(24);
  row->addWidget(picture, 1);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(32, 32, 32, 32);
  layout->addLayout(row);
  layout->addStretch(1);
}

}  // namespace orvane
