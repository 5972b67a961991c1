#include "view/qt/CAnnunciatorDlg.h"

#include <QDialogButtonBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "project/TOvProject.h"
#include "view/qt/AddressFields.h"
#include "view/qt/EditorDialogParts.h"
#include "view/qt/HelpFiles.h"

namespace orvane {
namespace {

// A lamp of the panel's annunciator, drawn as the panel shows it.
class LampPicture final : public QWidget {
 public:
  LampPicture() { setFixedSize(36, 36); }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1.5));
    painter.setBrush(QColor(0xf2, 0xb1, 0x34));
    painter.drawEllipse(rect().adjusted(4, 4, -4, -4));
  }
};

}  // namespace

CAnnunciatorDlg::CAnnunciatorDlg(TOvProject& project, TOvPanel& panel, UserInterface& ui,
                                 const QString& objectName, QWidget* parent)
    : QDialog(parent), setup_(project, panel, ui), project_(project), ui_(ui) {
  setObjectName(objectName);
  setWindowTitle(QStringLiteral("Annunciator Setup"));

  word_ = MakeAddressField(setup_.Kind(), TagMapFor(project, panel));
  word_->Widget()->setObjectName(ControlName(kAnnunciatorWordControl));
  word_->SetFieldText(setup_.WordText());
  auto* wordRow = new QHBoxLayout;
  wordRow->addWidget(
      BuddyLabel(QStringLiteral("Bit Read (&Annunciator Lights):"), word_->Widget()));
  wordRow->addWidget(word_->Widget(), 1);

  auto* lamps = new QGroupBox(QStringLiteral("Lamp states by the bits of the word"));
  auto* grid = new QGridLayout(lamps);
  grid->setHorizontalSpacing(24);
  for (int lamp = 1; lamp <= kLampCount; ++lamp) {
    auto* title = new QLabel(QStringLiteral("Lamp %1").arg(lamp));
    title->setAlignment(Qt::AlignCenter);
    grid->addWidget(title, 0, lamp - 1, Qt::AlignHCenter);
    grid->addWidget(new LampPicture, 1, lamp - 1, Qt::AlignHCenter);
    int row = 2;
    int state = 0;
    for (const std::string& text : LampStateLabels(lamp)) {
      auto* label = new QLabel(QString::fromStdString(text));
      label->setObjectName(QStringLiteral("lamp%1State%2").arg(lamp).arg(state++));
      label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
      label->setFrameShape(QFrame::StyledPanel);
      label->setMargin(4);
      grid->addWidget(label, row++, lamp - 1);
    }
  }

  QDialogButtonBox* buttons = OkCancelHelp(this);
  connect(buttons->button(QDialogButtonBox::Help), &QPushButton::clicked, this,
          [this] { OpenPlcHelp(project_, ui_); });
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(wordRow);
  layout->addWidget(lamps);
  layout->addWidget(buttons);
  word_->Widget()->setFocus();
}

void CAnnunciatorDlg::accept() {
  if (setup_.Accept(word_->FieldText())) {
    QDialog::accept();
    return;
  }
  word_->FocusForCorrection();
}

}  // namespace orvane
