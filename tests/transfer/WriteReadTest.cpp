// Projects written into simulated panels and multiplexers and read back,
// with the stages, progress, records and trace the transfers produce.
#include <algorithm>
#include <fstream>

#include "link/Trace.h"
#include "tests/support/TestPaths.h"
#include "tests/transfer/TransferFixture.h"

namespace orvane::testing {
namespace {

bool Contains(const std::vector<std::string>& texts, const std::string& text) {
  return std::find(texts.begin(), texts.end(), text) != texts.end();
}

using WriteReadTest = TransferTest;

TEST_F(WriteReadTest, EachPanelModelComesBackEqual) {
  for (const int32_t model : {kModelOv200, kModelOv200P, kModelOv400, kModelOvSP}) {
    SCOPED_TRACE(model);
    UsePanel(model);
    TOvProject written = FullProject(model);
    const TransferRun write = Write(written);
    EXPECT_TRUE(write.finished);
    EXPECT_TRUE(write.Errors().empty());
    // A single panel answers at 9600 baud: the read becomes a single panel
    // system whatever the project was.
    TOvProject read = NewMultiPanelProject({{3, kModelOv400}});
    const TransferRun readBack = Read(read);
    EXPECT_TRUE(readBack.finished);
    EXPECT_TRUE(readBack.Errors().empty());
    EXPECT_TRUE(read.Equals(written));
  }
  EXPECT_TRUE(ui_.Calls().empty());
  // Every write and read waits 50 ms before its final stage.
  EXPECT_EQ(clock_.Waits(), std::vector<uint32_t>(8, 50));
}

TEST_F(WriteReadTest, APanelWriteAndReadStepByStep) {
  UsePanel(kModelOv200);
  TOvProject written = FullProject(kModelOv200);
  const std::filesystem::path folder = MakeTempDir("transfer-trace");
  ASSERT_TRUE(OpenTrace("Write.txt", folder));
  const TransferRun write = Write(written);
  CloseTrace();
  EXPECT_EQ(write.Stages(), (std::vector<int32_t>{1, 2, 11, 12, 7, 8, 3, 4, 9, 10, 5, 6, 18, 19}));
  int32_t last = 0;
  for (const TransferNotification& note : write.notes) {
    if (note.notice == TransferNotice::Progress && note.state.stage >= 11) {
      EXPECT_GE(note.state.percent, last);
      last = note.state.percent;
    }
  }
  EXPECT_EQ(last, 100);
  const std::vector<std::string> texts = write.Texts();
  EXPECT_TRUE(Contains(texts, "DownLoading the tag... 0% complete"));
  EXPECT_TRUE(Contains(texts, "DownLoading the Driver....0% complete"));
  EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [](const std::string& text) {
    return text.starts_with("DownLoading the tag....") && text.ends_with("% complete");
  }));

  // PLC messages 3 and 7 with blanks 4 to 6 between them (0xFF from offset
  // 7), the local messages after the PLC messages, the system messages.
  Blocks expected;
  for (const int number : {3, 4, 5, 6, 7, 8, 9, 257, 258, 259, 260, 261, 262, 263}) {
    expected.push_back({number >> 8, number & 0xFF, number >= 4 && number <= 6 ? 0xFF : 0x00});
  }
  Blocks numbers = Fields(Logged("<-", 0xB5));
  for (std::vector<int>& fields : numbers) {
    fields[2] = fields[2] == 0xFF ? 0xFF : 0x00;
  }
  EXPECT_EQ(numbers, expected);
  // The 100-byte driver: start, two full blocks, an empty end block. The
  // tag list of 7 addresses (3 + 7 * 10 bytes): one full block.
  EXPECT_EQ(Fields(Logged("<-", 0xBA)), (Blocks{{0, 1, 0}, {1, 0, 50}, {2, 0, 50}, {3, 2, 0}}));
  EXPECT_EQ(Fields(Logged("<-", 0xB7)), (Blocks{{0, 1, 0}, {1, 0, 50}, {2, 2, 23}}));

  // The trace holds every frame as sent and received, and the steps.
  std::ifstream trace(folder / "Write.txt");
  std::vector<std::string> notes;
  std::vector<Bytes> sent;
  std::vector<Bytes> received;
  std::vector<Bytes>* current = nullptr;
  for (std::string line; std::getline(trace, line);) {
    if (line.starts_with("-- ")) {
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

  TOvProject read;
  const TransferRun readBack = Read(read);
  EXPECT_EQ(readBack.Stages(), (std::vector<int32_t>{13, 14, 17, 12, 21, 8, 15, 16, 18, 20}));
  EXPECT_TRUE(Contains(readBack.Texts(), "Reading message 256..."));
  EXPECT_EQ(readBack.notes[readBack.notes.size() - 2].state.percent, 100);
}

TEST_F(WriteReadTest, ThePercentagesOfASmallWriteAndRead) {
  // One local message, no addresses, the 100-byte driver, the 47-byte
  // attribute file. The write reckons 100 + 41 + 287 + 27 + 4 * (7 + 3) + 3
  // + (47 + 2) = 547 bytes.
  UsePanel(kModelOv200);
  TOvProject written = NewProject(kModelOv200);
  ASSERT_EQ(written.plc.attributeBytes.size(), 47u);
  TOvPanel& panel = written.panels.front();
  TOvMessage message(&panel);
  message.number = 256;
  message.text = "Welcome";
  panel.AddMessage(message);
  panel.firstMessageNumber = 1;  // no PLC messages
  // 0 before the first message; the seven system messages, 41 bytes each;
  // the 3-byte tag list; the system attributes; two driver blocks; the PLC
  // attributes end the panel.
  const TransferRun write = Write(written);
  EXPECT_TRUE(write.Errors().empty());
  EXPECT_EQ(write.Percents(),
            (std::vector<int32_t>{0, 14, 22, 29, 37, 44, 52, 59, 60, 65, 74, 83, 100}));
  TOvProject read;
  EXPECT_EQ(Read(read).Percents(), (std::vector<int32_t>{0, 25, 50, 75, 100}));
}

TEST_F(WriteReadTest, MultiplexerWithPanelsOnPortsTwoAndFive) {
  UseMultiplexer({{2, kModelOv200}, {5, kModelOv400}});
  TOvProject written = NewMultiPanelProject({{2, kModelOv200}, {5, kModelOv400}});
  FillTextPanel(written, written.panels[0]);
  FillTextPanel(written, written.panels[1]);
  const TransferRun write = Write(written);
  EXPECT_TRUE(write.finished);
  EXPECT_TRUE(write.Errors().empty());
  EXPECT_EQ(written.portTable.selectedPort, 5);
  // The test of the panels, the multiplexer itself, exactly ports 2 and 5,
  // back to port 0.
  EXPECT_EQ(Fields(Logged("<-", 0xC1), 5, 1), (Blocks{{0}, {2}, {5}, {0}, {0}, {2}, {5}, {0}}));
  // The panels use 7 and 9 addresses, 7 of them the same: the merged list
  // holds 9.
  EXPECT_EQ(Fields({Sim().Multiplexer().Memory().tagStream}, 0, 2), (Blocks{{0, 9}}));

  TOvProject read;
  const TransferRun readBack = Read(read);
  EXPECT_TRUE(readBack.finished);
  EXPECT_TRUE(readBack.Errors().empty());
  EXPECT_EQ(read.systemMode, kMultiPanelSystem);
  EXPECT_TRUE(read.Equals(written));
  EXPECT_EQ(Logged("<-", 0xC1).back()[5], 0);
}

}  // namespace
}  // namespace orvane::testing
