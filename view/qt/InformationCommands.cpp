#include "view/qt/InformationCommands.h"

#include <QApplication>
#include <QCursor>

#include "base/ForwardingUserInterface.h"
#include "view/PanelCommands.h"
#include "view/TransferOwner.h"
#include "view/qt/PanelStatusDialog.h"

namespace orvane {
namespace {

// The wait cursor while the link works; any box the command shows takes
// it away first, so the user answers with the usual pointer.
class WaitCursor final : public ForwardingUserInterface {
 public:
  explicit WaitCursor(UserInterface& inner) : ForwardingUserInterface(inner) {
    QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    shown_ = true;
  }
  ~WaitCursor() override { Restore(); }

  void Restore() {
    if (shown_) {
      QApplication::restoreOverrideCursor();
      shown_ = false;
    }
  }

  void ShowMessage(const Message& message) override {
    Restore();
    ForwardingUserInterface::ShowMessage(message);
  }
  Answer Ask(const Question& question) override {
    Restore();
    return ForwardingUserInterface::Ask(question);
  }
  std::optional<std::string> ChooseOpenFile(const FileRequest& request) override {
    Restore();
    return ForwardingUserInterface::ChooseOpenFile(request);
  }
  std::optional<std::string> ChooseSaveFile(const FileRequest& request) override {
    Restore();
    return ForwardingUserInterface::ChooseSaveFile(request);
  }
  std::optional<int> Choose(const ChoiceRequest& request) override {
    Restore();
    return ForwardingUserInterface::Choose(request);
  }

 private:
  bool shown_ = false;
};

// Information runs on the calling thread with the panel commands' own
// helper and job: no worker, so no owner is ever asked to run one.
class NoWorker final : public TransferOwner {
 public:
  TransferOutcome RunTransfer(TransferJob&, const TransferServices&) override {
    TransferOutcome outcome;
    outcome.errorText = "Information runs no transfer.";
    return outcome;
  }
};

}  // namespace

bool RunInformation(InformationCommand command, TOvProject& project, UserInterface& ui,
                    DriverCatalog& catalog, const std::string& port, QWidget* parent) {
  StatusResult result;
  {
    WaitCursor waiting(ui);
    NoWorker owner;
    PanelCommands commands(project, waiting, owner, &catalog);
    commands.SetPortName(port);
    result = command == InformationCommand::SelectedPort ? commands.PortInformation()
                                                         : commands.Information();
  }
  if (result.result != CommandResult::Done) {
    return false;
  }
  ShowPanelStatus(parent, result.status);
  return true;
}

}  // namespace orvane
