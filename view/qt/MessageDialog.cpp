#include "view/qt/MessageDialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "base/StringTable.h"
#include "view/LogFiles.h"
#include "view/OpenDocument.h"
#include "view/PanelCommands.h"
#include "view/qt/LogViewer.h"

namespace orvane {
namespace {

QStyle::StandardPixmap PixmapOf(Icon icon) {
  switch (icon) {
    case Icon::Information:
      return QStyle::SP_MessageBoxInformation;
    case Icon::Exclamation:
      return QStyle::SP_MessageBoxWarning;
    case Icon::Question:
      return QStyle::SP_MessageBoxQuestion;
    case Icon::Stop:
      return QStyle::SP_MessageBoxCritical;
    case Icon::None:
      break;
  }
  return QStyle::SP_CustomBase;
}

struct AnswerButton {
  Answer answer;
  const char* text;
  const char* objectName;
};

constexpr AnswerButton kAnswerButtons[] = {
    {Answer::Ok, "OK", "okButton"},
    {Answer::Yes, "&Yes", "yesButton"},
    {Answer::No, "&No", "noButton"},
    {Answer::Cancel, "Cancel", "cancelButton"},
};

}  // namespace

MessageDialog::MessageDialog(UserInterface& ui, QWidget* parent, const Message& message)
    : QDialog(parent), ui_(ui) {
  Build(message.text, message.caption, message.icon, Buttons::Ok, Answer::Ok, message.details);
}

MessageDialog::MessageDialog(UserInterface& ui, QWidget* parent, const Question& question)
    : QDialog(parent), ui_(ui) {
  Build(question.text, question.caption, question.icon, question.buttons, question.defaultAnswer,
        question.details);
}

void MessageDialog::Build(const std::string& text, const std::string& caption, Icon icon,
                          Buttons buttons, Answer defaultAnswer, const std::string& details) {
  buttons_ = buttons;
  default_ = defaultAnswer;
  details_ = details;
  setWindowTitle(
      QString::fromStdString(caption.empty() ? LoadString(strings::kAppTitle) : caption));
  setObjectName(QStringLiteral("messageBox"));
  if (caption == kIncompleteDataCaption) {
    setObjectName(QStringLiteral("dlg_219"));
  } else if (caption == kTagMapConversionCaption) {
    setObjectName(QStringLiteral("dlg_256"));
    // The conversion's log viewer is the Think & Do one.
    detailsTitle_ = QString::fromUtf8(LoadString(strings::kThinkDoConversionLog));
  }
  if (detailsTitle_.isEmpty()) {
    detailsTitle_ = windowTitle();
  }

  auto* row = new QHBoxLayout;
  if (icon != Icon::None) {
    auto* picture = new QLabel;
    picture->setObjectName(QStringLiteral("icon"));
    const int size = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    picture->setPixmap(style()->standardIcon(PixmapOf(icon), nullptr, this).pixmap(size, size));
    picture->setAlignment(Qt::AlignTop);
    row->addWidget(picture);
  }
  auto* label = new QLabel(QString::fromStdString(text));
  label->setObjectName(QStringLiteral("text"));
  label->setTextFormat(Qt::PlainText);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  row->addWidget(label, 1);

  box_ = new QDialogButtonBox;
  switch (buttons) {
    case Buttons::Ok:
      AddAnswer(Answer::Ok);
      break;
    case Buttons::OkCancel:
      AddAnswer(Answer::Ok);
      AddAnswer(Answer::Cancel);
      break;
    case Buttons::YesNo:
      AddAnswer(Answer::Yes);
      AddAnswer(Answer::No);
      break;
    case Buttons::YesNoCancel:
      AddAnswer(Answer::Yes);
      AddAnswer(Answer::No);
      AddAnswer(Answer::Cancel);
      break;
  }
  if (!details_.empty()) {
    auto* more = box_->addButton(QStringLiteral("&Details..."), QDialogButtonBox::HelpRole);
    more->setObjectName(QStringLiteral("detailsButton"));
    more->setAutoDefault(false);
    connect(more, &QPushButton::clicked, this, &MessageDialog::ShowDetails);
  }

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(row);
  layout->addWidget(box_);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void MessageDialog::AddAnswer(Answer answer) {
  for (const AnswerButton& entry : kAnswerButtons) {
    if (entry.answer != answer) {
      continue;
    }
    auto* button = box_->addButton(QString::fromUtf8(entry.text), QDialogButtonBox::ActionRole);
    button->setObjectName(QString::fromUtf8(entry.objectName));
    const bool isDefault = answer == default_;
    button->setDefault(isDefault);
    button->setAutoDefault(isDefault);
    if (isDefault) {
      button->setFocus();
    }
    connect(button, &QPushButton::clicked, this, [this, answer] {
      result_ = answer;
      done(answer == Answer::Cancel || answer == Answer::No ? Rejected : Accepted);
    });
  }
}

void MessageDialog::reject() {
  switch (buttons_) {
    case Buttons::Ok:
      result_ = Answer::Ok;
      break;
    case Buttons::YesNo:
      result_ = Answer::No;
      break;
    case Buttons::OkCancel:
    case Buttons::YesNoCancel:
      result_ = Answer::Cancel;
      break;
  }
  QDialog::reject();
}

void MessageDialog::ShowDetails() {
  LogViewer viewer(ui_, this, detailsTitle_, SplitLines(details_));
  viewer.exec();
}

}  // namespace orvane
