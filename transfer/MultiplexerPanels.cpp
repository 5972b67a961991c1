// The multiplexer's panels as a whole: the test that every configured
// panel is connected, clearing every panel, and the way back to the
// multiplexer itself.
#include "base/StringTable.h"
#include "link/StatusReplies.h"
#include "link/TOvXComm.h"
#include "link/Trace.h"
#include "project/TOvProject.h"
#include "transfer/SelectedPortScope.h"
#include "transfer/TOvProjectHelper.h"
#include "transfer/TransferTexts.h"

namespace orvane {

bool TOvProjectHelper::TestPanelsConnected(TOvXComm& link) {
  TraceNote(texts::trace::kTestingPanels);
  TraceNote(FormatText(texts::trace::kSwitchPort, 0));
  SetCaption(kMultiplexerModel, 0);
  if (project_ == nullptr || !SwitchPort(link, 0)) {
    return false;
  }
  bool connected = true;
  {
    const SelectedPortScope selected(*project_);
    for (int32_t port = kFirstPort; port <= kLastPort && connected; ++port) {
      if (!project_->portTable.IsConfigured(port)) {
        continue;
      }
      TraceNote(FormatText(texts::trace::kSwitchPort, port));
      if (!SwitchPort(link, port)) {
        connected = false;
        break;
      }
      project_->portTable.selectedPort = port;
      const TOvPanel* panel = CurrentPanel();
      SetCaption(panel != nullptr ? panel->panelModel : kModelNotConfigured, port);
      std::unique_ptr<TOvXResp> status;
      connected = CheckPanelStatus(link, strings::kC001Multiplexer, status);
    }
    ReturnToMultiplexer(link);
  }
  return connected;
}

bool TOvProjectHelper::ReturnToMultiplexer(TOvXComm& link) {
  SetCaption(kMultiplexerModel, 0);
  return SwitchPort(link, 0);
}

bool TOvProjectHelper::ClearAllPanels(TOvXComm& link) {
  clearResults_.clear();
  const auto note = [this](int32_t port, bool cleared) {
    clearResults_.push_back({port, cleared, cleared ? std::string() : job_.Text()});
    return cleared;
  };
  if (!note(0, SwitchPort(link, 0) && ClearMemory(link))) {
    return false;
  }
  // Every port, configured or not; a port where nothing answers is
  // reported and the others are still cleared.
  for (int32_t port = kFirstPort; port <= kLastPort; ++port) {
    note(port, SwitchPort(link, port) && ClearMemory(link));
  }
  return SwitchPort(link, 0);
}

}  // namespace orvane
