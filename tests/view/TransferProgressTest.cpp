// The progress display's rules as data: the rows an operation shows, what
// each stage ticks, and the list of one panel kept until the next begins.
#include <gtest/gtest.h>

#include "transfer/TransferStages.h"
#include "view/TransferProgress.h"

namespace orvane::testing {
namespace {

TransferNotification Stage(int32_t stage, int32_t panelType = 4, bool finished = false) {
  TransferNotification notification;
  notification.state.stage = stage;
  notification.state.panelType = panelType;
  notification.state.finished = finished;
  return notification;
}

// The rows as a line: "-" hidden, "." not begun, "o" begun, "x" ticked.
std::string Rows(const TransferProgress& progress) {
  std::string shown;
  for (const ChecklistRow& row : progress.Rows()) {
    shown += row.label.empty() ? '-' : row.checked ? 'x' : row.enabled ? 'o' : '.';
  }
  return shown;
}

TEST(TransferProgress, EachStageTicksItsRowAndADonePanelKeepsItsListUntilTheNext) {
  using namespace stages;
  struct Case {
    const char* name;
    int32_t operation;
    std::vector<TransferNotification> notes;
    std::string rows;
    bool succeeded;
  };
  const std::vector<TransferNotification> panelWrite = {
      Stage(kClearingMemory),          Stage(kWritingMessages),   Stage(kWritingMapData),
      Stage(kWritingSystemAttributes), Stage(kDownloadingDriver), Stage(kWritingPlcAttributes),
      Stage(kPlcAttributesWritten)};
  std::vector<TransferNotification> finishedWrite = panelWrite;
  finishedWrite.push_back(Stage(kPanelDone));
  finishedWrite.push_back(Stage(kWriteFinished, 4, true));
  std::vector<TransferNotification> nextPanel = panelWrite;
  nextPanel.push_back(Stage(kPanelDone));
  nextPanel.push_back(Stage(kClearingMemory));
  const Case cases[] = {
      {"a write before it starts", operations::kWriteProject, {}, "......", false},
      {"a write under way",
       operations::kWriteProject,
       {Stage(kClearingMemory), Stage(kWritingMessages)},
       "xo....",
       false},
      {"a panel written", operations::kWriteProject, panelWrite, "xxxxxx", false},
      {"the last panel written: its ticks stay", operations::kWriteProject, finishedWrite, "xxxxxx",
       true},
      {"the next panel starts a clean list", operations::kWriteProject, nextPanel, "o.....", false},
      {"the multiplexer's own map data ticks the first mark, not the second",
       operations::kWriteProject,
       {Stage(kClearingMemory, 6), Stage(kWritingMapData, 6)},
       "x.o...",
       false},
      {"a read hides the first and last rows",
       operations::kReadProject,
       {Stage(kReadingSystemAttributes), Stage(kReadingMessages), Stage(kReadingTags),
        Stage(kReadingPlcAttributes), Stage(kPlcAttributesRead), Stage(kPanelDone),
        Stage(kReadFinished, 4, true)},
       "-xxxx-",
       true},
      {"firmware upgrades have no list", operations::kPanelFirmware, {}, "------", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TransferProgress progress(c.operation);
    for (const TransferNotification& note : c.notes) {
      progress.Apply(note);
    }
    EXPECT_EQ(Rows(progress), c.rows);
    EXPECT_EQ(progress.Outcome().succeeded, c.succeeded);
  }
}

}  // namespace
}  // namespace orvane::testing
