#include "view/qt/LogViewer.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/UserInterface.h"
#include "view/LogFiles.h"

namespace orvane {

LogViewer::LogViewer(UserInterface& ui, QWidget* parent, const QString& title,
                     std::vector<std::string> lines)
    : QDialog(parent), ui_(ui), lines_(std::move(lines)) {
  setObjectName(QStringLiteral("logViewer"));
  setWindowTitle(title);
  auto* list = new QListWidget;
  list->setObjectName(QStringLiteral("logList"));
  list->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  for (const std::string& line : lines_) {
    QString shown = QString::fromStdString(line);
    while (shown.endsWith('\n')) {
      shown.chop(1);
    }
    shown.replace('\t', QStringLiteral("    "));
    list->addItem(shown);
  }
  auto* box = new QDialogButtonBox;
  auto* save = box->addButton(QStringLiteral("&Save..."), QDialogButtonBox::ActionRole);
  save->setObjectName(QStringLiteral("saveButton"));
  connect(save, &QPushButton::clicked, this, [this] { Save(); });
  auto* close = box->addButton(QStringLiteral("&Close"), QDialogButtonBox::RejectRole);
  close->setObjectName(QStringLiteral("closeButton"));
  close->setDefault(true);
  connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(list);
  layout->addWidget(box);
  resize(560, 320);
}

bool LogViewer::Save() {
  const std::optional<std::string> path = ChooseLogFile(ui_);
  if (!path) {
    return false;
  }
  std::string error;
  if (!SaveLogLines(*path, lines_, &error)) {
    ui_.Show("Unable to save the log.\n" + error, Icon::Stop, "Error");
    return false;
  }
  return true;
}

}  // namespace orvane
