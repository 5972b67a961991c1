#include "view/qt/CCommProgDlg.h"

#include <algorithm>
#include <deque>
#include <mutex>

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/Settings.h"
#include "base/StringTable.h"
#include "base/UserInterface.h"
#include "transfer/TransferJob.h"
#include "transfer/TransferStages.h"

namespace orvane {
namespace {

QString Text(const std::string& text) {
  return QString::fromStdString(text);
}

QString ControlName(int id) {
  return QStringLiteral("ctl_%1").arg(id);
}

// The check list's labels and the check mark after each, in the dialog's
// order.
constexpr int kLabelIds[kChecklistRows] = {1283, 1284, 1029, 1275, 1285, 1276};
constexpr int kMarkIds[kChecklistRows] = {1286, 1365, 1364, 1288, 1289, 1290};

constexpr const char* kCaption = "Download";
constexpr const char* kCancelText = "Cancel";
constexpr const char* kCloseText = "Close";

// The check mark of a finished step (bitmap 200): a green tick.
QPixmap CheckMark(int size, qreal ratio) {
  QPixmap pixmap(QSize(size, size) * ratio);
  pixmap.setDevicePixelRatio(ratio);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  QPen pen(QColor(0x1e, 0x8c, 0x3a));
  pen.setWidthF(size / 6.0);
  pen.setCapStyle(Qt::RoundCap);
  pen.setJoinStyle(Qt::RoundJoin);
  painter.setPen(pen);
  QPainterPath tick;
  tick.moveTo(size * 0.18, size * 0.55);
  tick.lineTo(size * 0.42, size * 0.78);
  tick.lineTo(size * 0.84, size * 0.24);
  painter.drawPath(tick);
  return pixmap;
}

// What the combo shows for a port: COM names and the simulated panel by
// name, a device with what the system says about it.
QString Caption(const PortChoice& choice) {
  if (choice.description.empty()) {
    return Text(choice.port);
  }
  return Text(choice.port + "  (" + choice.description + ")");
}

}  // namespace

// Hands the worker's notifications to the dialog's thread, in order. The
// notification itself goes through the sink's own lock, and the event that
// tells the dialog to take the next one carries nothing: what one thread
// writes and the other reads is ordered by a lock both of them take, not by
// Qt's event queue alone. The dialog outlives the worker, and a
// notification still queued when the dialog goes is dropped with it.
class CCommProgDlg::Sink final : public TransferSink {
 public:
  explicit Sink(CCommProgDlg* dialog) : dialog_(dialog) {}
  void Post(const TransferNotification& notification) override {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      posted_.push_back(notification);
    }
    // One event for each notification, so that a box shown while one is
    // taken (its own event loop) takes the next ones in order.
    QMetaObject::invokeMethod(dialog_, "TakePosted", Qt::QueuedConnection);
  }
  /// The oldest notification not yet taken.
  std::optional<TransferNotification> Next() {
    std::lock_guard<std::mutex> lock(mutex_);
    if (posted_.empty()) {
      return std::nullopt;
    }
    TransferNotification next = std::move(posted_.front());
    posted_.pop_front();
    return next;
  }

 private:
  CCommProgDlg* const dialog_;
  std::mutex mutex_;
  std::deque<TransferNotification> posted_;
};

CCommProgDlg::CCommProgDlg(TransferJob& job, const TransferServices& services, TransferPorts ports,
                           QWidget* parent)
    : QDialog(parent),
      job_(job),
      services_(services),
      ports_(std::move(ports)),
      progress_(job.Operation()),
      sink_(std::make_unique<Sink>(this)) {
  setObjectName(QStringLiteral("dlg_198"));
  setWindowTitle(QString::fromUtf8(kCaption));
  setModal(true);

  auto* portLabel = new QLabel(QStringLiteral("Port selected:"));
  port_ = new QComboBox;
  port_->setObjectName(ControlName(1039));
  port_->setMinimumContentsLength(14);
  port_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  portLabel->setBuddy(port_);
  start_ = new QPushButton(QStringLiteral("&Start"));
  start_->setObjectName(ControlName(1269));
  start_->setDefault(true);
  connect(start_, &QPushButton::clicked, this, &CCommProgDlg::Start);
  auto* portRow = new QHBoxLayout;
  portRow->addWidget(portLabel);
  portRow->addWidget(port_, 1);
  portRow->addWidget(start_);

  auto* checklist = new QGroupBox;
  checklist->setObjectName(QStringLiteral("checklist"));
  auto* rows = new QGridLayout(checklist);
  const int markSize = fontMetrics().height();
  const QPixmap mark = CheckMark(markSize, devicePixelRatioF());
  for (size_t row = 0; row < kChecklistRows; ++row) {
    auto* label = new QLabel;
    label->setObjectName(ControlName(kLabelIds[row]));
    auto* picture = new QLabel;
    picture->setObjectName(ControlName(kMarkIds[row]));
    picture->setPixmap(mark);
    picture->setFixedSize(markSize, markSize);
    // A hidden mark keeps its place, so the list does not move as the
    // steps are ticked.
    QSizePolicy keep = picture->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    picture->setSizePolicy(keep);
    labels_[row] = label;
    marks_[row] = picture;
    rows->addWidget(label, static_cast<int>(row), 0);
    rows->addWidget(picture, static_cast<int>(row), 1);
  }
  rows->setColumnStretch(0, 1);

  bar_ = new QProgressBar;
  bar_->setObjectName(ControlName(1271));
  bar_->setRange(0, 100);
  bar_->setValue(0);
  bar_->setTextVisible(false);
  percent_ = new QLabel;
  percent_->setObjectName(ControlName(1270));
  percent_->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("100%")) + 4);
  percent_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  auto* barRow = new QHBoxLayout;
  barRow->addWidget(bar_, 1);
  barRow->addWidget(percent_);

  status_ = new QLabel;
  status_->setObjectName(ControlName(1291));
  status_->setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('x')) * 44);
  status_->setWordWrap(true);

  cancel_ = new QPushButton(QString::fromUtf8(kCancelText));
  cancel_->setObjectName(ControlName(2));
  cancel_->setAutoDefault(false);
  connect(cancel_, &QPushButton::clicked, this, &CCommProgDlg::Cancel);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(cancel_);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(portRow);
  layout->addWidget(checklist);
  layout->addLayout(barRow);
  layout->addWidget(status_);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  // Opening: the operation's caption and rows (a read hides the first and
  // the last; firmware upgrades have no list), the ports with the stored
  // one chosen.
  setWindowTitle(Text(progress_.Caption()));
  checklist->setVisible(progress_.HasChecklist());
  for (size_t row = 0; row < kChecklistRows; ++row) {
    const std::string& label = progress_.Rows()[row].label;
    labels_[row]->setText(Text(label));
    labels_[row]->setVisible(!label.empty());
    marks_[row]->setVisible(false);
  }
  for (const PortChoice& choice : ports_.choices) {
    port_->addItem(Caption(choice), Text(choice.port));
  }
  const std::string stored = ports_.settings != nullptr ? ports_.settings->Port() : std::string();
  // As the combo box's prefix search: the first entry that starts with the
  // stored port.
  for (int i = 0; i < port_->count(); ++i) {
    if (port_->itemData(i).toString().startsWith(Text(stored), Qt::CaseInsensitive)) {
      port_->setCurrentIndex(i);
      break;
    }
  }
  Render();
}

CCommProgDlg::~CCommProgDlg() {
  // The dialog does not close while its worker runs; should it go anyway
  // (its parent closing), the worker is stopped first, since it posts here.
  if (running_) {
    job_.RequestCancel();
    worker_.Wait();
  }
  job_.SetSink(nullptr);
}

void CCommProgDlg::Start() {
  if (running_) {
    return;
  }
  const std::string port = port_->currentData().toString().toStdString();
  // The choice is stored first; a port that cannot be stored starts
  // nothing, and says why.
  if (ports_.settings != nullptr && !ports_.settings->SetPort(port)) {
    ShowError("The port could not be stored.", ports_.settings->WriteError());
    return;
  }
  std::string device = port;
  if (ports_.open) {
    std::string error;
    const std::optional<std::string> opened = ports_.open(port, error);
    if (!opened) {
      ShowError(error, {});
      return;
    }
    device = *opened;
  }
  job_.SetPortName(device);
  job_.SetFinished(false);
  progress_.Restart();
  port_->setEnabled(false);
  start_->setEnabled(false);
  cancel_->setEnabled(true);
  cancel_->setFocus();
  job_.SetSink(sink_.get());
  running_ = worker_.Start(job_, services_);
  if (!running_) {
    Idle();
  }
}

void CCommProgDlg::Cancel() {
  if (!running_) {
    // Nothing runs: close at once. Closing before anything was done, or
    // after a run that neither worked nor failed, is a cancel.
    if (!Outcome().succeeded && Outcome().errorText.empty()) {
      progress_.MarkCancelled();
    }
    QDialog::done(Rejected);
    return;
  }
  if (closing_) {
    return;
  }
  cancel_->setEnabled(false);
  progress_.MarkCancelled();
  job_.RequestCancel();
  CloseWhenEnded();
}

void CCommProgDlg::reject() {
  Cancel();
}

void CCommProgDlg::closeEvent(QCloseEvent* event) {
  // Closing the window is Cancel: the dialog goes when the worker has.
  event->ignore();
  Cancel();
}

void CCommProgDlg::CloseWhenEnded() {
  closing_ = true;
  if (!running_) {
    QDialog::done(Rejected);
  }
}

void CCommProgDlg::Idle() {
  port_->setEnabled(true);
  start_->setEnabled(true);
  cancel_->setEnabled(true);
}

void CCommProgDlg::ShowError(const std::string& text, const std::string& details) {
  Message message;
  message.text = text;
  message.icon = Icon::Stop;
  message.details = details;
  services_.ui.ShowMessage(message);
}

void CCommProgDlg::TakePosted() {
  if (const std::optional<TransferNotification> next = sink_->Next()) {
    Take(*next);
  }
}

void CCommProgDlg::Take(const TransferNotification& notification) {
  progress_.Apply(notification);
  const int32_t operation = job_.Operation();
  switch (notification.notice) {
    case TransferNotice::Progress: {
      Render();
      const int32_t stage = notification.state.stage;
      const bool last =
          (operation == operations::kWriteProject && stage == stages::kWriteFinished) ||
          (operation == operations::kReadProject && stage == stages::kReadFinished);
      // The last step of a write or read: the dialog closes as Cancel closes
      // it, and the success is told once it has (by the command).
      if (last && notification.state.finished) {
        CloseWhenEnded();
      }
      break;
    }
    case TransferNotice::Error:
      // Shown, the operation is over: the job counts as finished, and the
      // user may pick another port and start again once the worker has
      // ended.
      job_.SetFinished(true);
      Render();
      ShowError(notification.state.text, notification.state.details);
      break;
    case TransferNotice::Caption:
      setWindowTitle(Text(progress_.Caption()));
      break;
    case TransferNotice::Ended:
      running_ = false;
      // The thread has nothing left to do but end.
      worker_.Wait();
      if (closing_) {
        QDialog::done(Rejected);
      } else if (progress_.CloseOffered()) {
        cancel_->setEnabled(true);
        cancel_->setFocus();
      } else {
        Idle();
      }
      break;
  }
}

void CCommProgDlg::Render() {
  const int32_t percent = progress_.Percent();
  bar_->setValue(std::clamp(percent, 0, 100));
  percent_->setText(QStringLiteral("%1%").arg(percent));
  status_->setText(Text(progress_.StatusText()));
  for (size_t row = 0; row < kChecklistRows; ++row) {
    const ChecklistRow& shown = progress_.Rows()[row];
    labels_[row]->setEnabled(shown.enabled);
    marks_[row]->setVisible(shown.checked && !shown.label.empty());
  }
  if (progress_.CloseOffered()) {
    cancel_->setText(QString::fromUtf8(kCloseText));
    if (!closing_) {
      cancel_->setEnabled(true);
    }
  }
}

TransferDialogOwner::TransferDialogOwner(QWidget* parent, std::function<TransferPorts()> ports)
    : parent_(parent), ports_(std::move(ports)) {}

TransferOutcome TransferDialogOwner::RunTransfer(TransferJob& job,
                                                 const TransferServices& services) {
  CCommProgDlg dialog(job, services, ports_ ? ports_() : TransferPorts{}, parent_);
  dialog.exec();
  return dialog.Outcome();
}

}  // namespace orvane
