// Projects written into simulated panels and multiplexers and read back,
// with the stages, progress, records and trace the transfers produce.
#include <algorithm>
#include <fstream>

#include "link/Trace.h"
#include "tests/support/TestPaths.h"
#include "tests/transfer/TransferFixture.h"

namespace orvane::testing {
namespace {

// (sequence, phase, count) of block frames.
std::vector<std::vector<int>> Blocks(const std::vector<Bytes>& frames) {
  std::vector<std::vector<int>> blocks;
  for (const Bytes& frame : frames) {
    blocks.push_back({frame[5], frame[6], frame[7]});
  }
  return blocks;
}

class WriteReadTest : public TransferTest {};

TEST_F(WriteReadTest, EachPanelModelComesBackEqual) {
  for (const int32_t model : {kModelOv200, kModelOv200P, kModelOv400, kModelOvSP}) {
    SCOPED_TRACE(model);
    UsePanel(model);
    TOvProject written = FullProject(model);
    const TransferRun write = Write(written);
    EXPECT_TRUE(write.finished);
    EXPECT_TRUE(write.Errors().empty());
    TOvProject read = NewProject(kModelOv200);
    const TransferRun readBack = Read(read);
    EXPECT_TRUE(readBack.finished);
    EXPECT_TRUE(readBack.Errors().empty());
    EXPECT_TRUE(read.Equals(written));
  }
  EXPECT_TRUE(ui_.Calls().empty());
  // Every write and read waits 50 ms before its final stage.
  EXPECT_EQ(clock_.Waits(), std::vector<uint32_t>(8, 50));
}

TEST_F(WriteReadTest, StagesAndProgressOfAPanelWriteAndRead) {
  UsePanel(kModelOv200);
  TOvProject written = FullProject(kModelOv200);
  const TransferRun write = Write(written);
  EXPECT_EQ(write.Stages(), (std::vector<int32_t>{1, 2, 11, 12, 7, 8, 3, 4, 9, 10, 5, 6, 18, 19}));
  int32_t last = 0;
  for (const TransferNotification& note : write.notes) {
    if (note.notice == TransferNotice::Progress && note.state.stage >= 11) {
      EXPECT_GE(note.state.percent, last);
      last = note.state.percent;
    }
  }
  EXPECT_EQ(last, 100);
  EXPECT_EQ(write.notes.front().notice, TransferNotice::Caption);
  EXPECT_EQ(write.notes.front().state.panelType, kModelOv200);

  TOvProject read;
  const TransferRun readBack = Read(read);
  EXPECT_EQ(readBack.Stages(), (std::vector<int32_t>{13, 14, 17, 12, 21, 8, 15, 16, 18, 20}));
  const std::vector<std::string> texts = readBack.Texts();
  EXPECT_NE(std::find(texts.begin(), texts.end(), "Reading message 256..."), texts.end());
  EXPECT_EQ(readBack.notes[readBack.notes.size() - 2].state.percent, 100);
}

TEST_F(WriteReadTest, MessagesBlanksDriverBlocksAndTagText) {
  UsePanel(kModelOv200);
  TOvProject written = FullProject(kModelOv200);
  const TransferRun write = Write(written);
  // PLC messages 3 and 7 with blanks 4 to 6 between them, the local
  // messages after the PLC messages, then the system messages.
  std::vector<std::pair<int, bool>> numbers;
  for (const Bytes& frame : Logged("<-", 0xB5)) {
    numbers.emplace_back(frame[5] << 8 | frame[6], frame[7] == 0xFF && frame[8] == 0xFF);
  }
  EXPECT_EQ(numbers, (std::vector<std::pair<int, bool>>{{3, false},   {4, true},    {5, true},
                                                        {6, true},    {7, false},   {8, false},
                                                        {9, false},   {257, false}, {258, false},
                                                        {259, false}, {260, false}, {261, false},
                                                        {262, false}, {263, false}}));
  // The 100-byte driver: start, two full blocks, an empty end block.
  EXPECT_EQ(Blocks(Logged("<-", 0xBA)),
            (std::vector<std::vector<int>>{{0, 1, 0}, {1, 0, 50}, {2, 0, 50}, {3, 2, 0}}));
  const std::vector<std::string> texts = write.Texts();
  EXPECT_NE(std::find(texts.begin(), texts.end(), "DownLoading the tag... 0% complete"),
            texts.end());
  EXPECT_NE(std::find(texts.begin(), texts.end(), "DownLoading the Driver....0% complete"),
            texts.end());
  // The tag map stream of 7 addresses (3 + 7 * 10 bytes) has one full block.
  EXPECT_EQ(Blocks(Logged("<-", 0xB7)),
            (std::vector<std::vector<int>>{{0, 1, 0}, {1, 0, 50}, {2, 2, 23}}));
  EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [](const std::string& text) {
    return text.rfind("DownLoading the tag....", 0) == 0 && text.ends_with("% complete");
  }));
}

TEST_F(WriteReadTest, MultiplexerWithPanelsOnPortsTwoAndFive) {
  UseMultiplexer({{2, {.model = kModelOv200}}, {5, {.model = kModelOv400}}});
  TOvProject written = NewMultiPanelProject({{2, kModelOv200}, {5, kModelOv400}});
  FillTextPanel(written, written.panels[0]);
  FillTextPanel(written, written.panels[1]);
  written.portTable.selectedPort = 5;
  const TransferRun write = Write(written);
  EXPECT_TRUE(write.finished);
  EXPECT_TRUE(write.Errors().empty());
  EXPECT_EQ(written.portTable.selectedPort, 5);
  // The test of the panels, the multiplexer itself, exactly ports 2 and 5,
  // back to port 0.
  std::vector<int> ports;
  for (const Bytes& frame : Logged("<-", 0xC1)) {
    ports.push_back(frame[5]);
  }
  EXPECT_EQ(ports, (std::vector<int>{0, 2, 5, 0, 0, 2, 5, 0}));
  // The panels use 7 and 9 addresses (four lines on port 5), 7 of them
  // the same: the merged list holds each once.
  const Bytes& tags = Sim().Multiplexer().Memory().tagStream;
  ASSERT_GE(tags.size(), 3u);
  EXPECT_EQ(tags[0] << 8 | tags[1], 9);

  TOvProject read;
  const TransferRun readBack = Read(read);
  EXPECT_TRUE(readBack.finished);
  EXPECT_TRUE(readBack.Errors().empty());
  EXPECT_EQ(read.systemMode, kMultiPanelSystem);
  EXPECT_TRUE(read.Equals(written));
  EXPECT_EQ(Logged("<-", 0xC1).back()[5], 0);
}

TEST_F(WriteReadTest, TraceHoldsEveryFrameAsSentAndReceived) {
  UsePanel(kModelOv200);
  TOvProject written = FullProject(kModelOv200);
  const std::filesystem::path folder = MakeTempDir("transfer-trace");
  ASSERT_TRUE(OpenTrace("Write.txt", folder));
  Write(written);
  CloseTrace();
  std::ifstream trace(folder / "Write.txt");
  std::vector<std::string> notes;
  std::vector<Bytes> sent;
  std::vector<Bytes> received;
  std::vector<Bytes>* current = nullptr;
  for (std::string line; std::getline(trace, line);) {
    if (line.rfind("-- ", 0) == 0) {
      notes.push_back(line.substr(3));
    } else if (line == "I said:" || line == "Panel said:") {
      current = line == "I said:" ? &sent : &received;
      current->emplace_back();
    } else {
      ASSERT_NE(current, nullptr);
      for (size_t at = 0; at + 1 < line.size(); at += 3) {
        current->back().push_back(static_cast<uint8_t>(std::stoi(line.substr(at, 2), nullptr, 16)));
      }
    }
  }
  EXPECT_EQ(sent, Logged("<-"));
  EXPECT_EQ(received, Logged("->"));
  EXPECT_EQ(notes, (std::vector<std::string>{"Status ID", "Clear Memory", "Write Messages",
                                             "Write System Messages", "Writing Map Data",
                                             "WriteSysAttr", "LoadDriver", "Write Plc Attr"}));
}

}  // namespace
}  // namespace orvane::testing
