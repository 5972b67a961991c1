#include "view/qt/ChoiceDialog.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "base/StringTable.h"
#include "view/PanelTransferCommands.h"

namespace orvane {
namespace {

constexpr int kImportDialog = 264;
constexpr int kFirstImportRadio = 1492;
constexpr int kFirstImportLabel = 1523;
const QString kImportSeparator = QStringLiteral(" : ");

}  // namespace

ChoiceDialog::ChoiceDialog(QWidget* parent, const ChoiceRequest& request) : QDialog(parent) {
  const bool import = request.caption == kMultipanelImportCaption;
  setObjectName(import ? QStringLiteral("dlg_%1").arg(kImportDialog)
                       : QStringLiteral("choiceDialog"));
  setWindowTitle(QString::fromStdString(request.caption.empty() ? LoadString(strings::kAppTitle)
                                                                : request.caption));
  auto* layout = new QVBoxLayout(this);
  if (!request.text.empty()) {
    layout->addWidget(new QLabel(QString::fromStdString(request.text)));
  }
  auto* grid = new QGridLayout;
  auto* group = new QButtonGroup(this);
  for (size_t i = 0; i < request.choices.size(); ++i) {
    const Choice& choice = request.choices[i];
    QString text = QString::fromStdString(choice.label);
    QString label;
    // The import chooser shows the port on the button and the model beside
    // it.
    const qsizetype separator = import ? text.indexOf(kImportSeparator) : -1;
    if (separator >= 0) {
      label = text.mid(separator + kImportSeparator.size());
      text = text.left(separator + kImportSeparator.size());
    }
    auto* button = new QRadioButton(text);
    button->setObjectName(import ? QStringLiteral("ctl_%1").arg(kFirstImportRadio + int(i))
                                 : QStringLiteral("choice%1").arg(i + 1));
    button->setEnabled(choice.enabled);
    group->addButton(button, static_cast<int>(i));
    grid->addWidget(button, static_cast<int>(i), 0);
    if (separator >= 0) {
      auto* model = new QLabel(label);
      model->setObjectName(QStringLiteral("ctl_%1").arg(kFirstImportLabel + int(i)));
      model->setEnabled(choice.enabled);
      grid->addWidget(model, static_cast<int>(i), 1);
    }
    buttons_.push_back(button);
  }
  if (request.preselected >= 0 && static_cast<size_t>(request.preselected) < buttons_.size()) {
    buttons_[static_cast<size_t>(request.preselected)]->setChecked(true);
  }
  layout->addLayout(grid);
  auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  box->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("okButton"));
  box->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancelButton"));
  connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(box);
}

std::optional<int> ChoiceDialog::Chosen() const {
  for (size_t i = 0; i < buttons_.size(); ++i) {
    if (buttons_[i]->isChecked()) {
      return static_cast<int>(i);
    }
  }
  return std::nullopt;
}

}  // namespace orvane
