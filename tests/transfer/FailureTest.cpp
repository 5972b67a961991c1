// How writes and reads end when the line, the device, the files or the user
// get in the way: the error text with its route, the retry, what is left in
// the panel.
#include <algorithm>
#include <filesystem>
#include <tuple>

#include "base/InstallDir.h"
#include "link/BaudRate.h"
#include "link/TOvXComm.h"
#include "sim/StandInImage.h"
#include "tests/support/FakeSerialPort.h"
#include "tests/support/TestPaths.h"
#include "tests/transfer/TransferFixture.h"
#include "transfer/NotificationQueue.h"

namespace orvane::testing {
namespace {

const std::string kCom = "ERROR On COM Port. ";
const std::string kRefused =
    "The project cannot be written: 1 problem found, nothing was sent to the panel.\n";
const std::string kBrisko = "Allen-Bradley SLC 500/MicroLogix DF1(Half Duplex) - Rev C";

// A line with nothing on it.
class SilentDevice : public sim::SimulatedDevice {
 public:
  std::optional<sim::Bytes> Answer(std::span<const uint8_t>) override { return std::nullopt; }
  int DefaultBaudRate() const override { return 9600; }
};

class FailureTest : public TransferTest {
 protected:
  std::function<void(TOvProject&)> Faults(sim::FaultPlan plan) {
    return [this, plan](TOvProject&) { Sim().SetFaults(plan); };
  }
  std::vector<int> Phases(int code) const {
    std::vector<int> phases;
    for (const std::vector<int>& phase : Fields(Logged("<-", code), 6, 1)) {
      phases.push_back(phase[0]);
    }
    return phases;
  }
};

TEST_F(FailureTest, WriteFailuresAndRetries) {
  const std::string c024 = kCom + "Error C024: Invalid Byte in the data fields of Command";
  const std::string firmwareFolder = (InstallDir() / "Firmware").string() + "/";
  struct Case {
    const char* name;
    std::function<void(TOvProject&)> arrange;
    std::vector<std::string> errors;
    std::vector<std::string> boxes = {};
    int lastCommand = 0xBC;  // the code of the last command the device received, 0 none
    bool retried = false;
  };
  const std::vector<Case> cases = {
      {"reply dropped", Faults({.dropReplyTo = {3}}), {}, {}, 0xBC, true},
      {"CRC corrupted", Faults({.corruptCrcOf = {3}}), {}, {}, 0xBC, true},
      {"100 stray bytes", Faults({.strayBytes = 100}), {}},
      {"delay within the time-out", Faults({.delay_ms = 2000}), {}},
      {"messages refused",
       Faults({.refuse = {{0xB5, 6}}}),
       {kCom + "Error C013: Insufficient space in Text Panel"},
       {},
       0xB5},
      {"system attributes refused", Faults({.refuse = {{0xB9, 24}}}), {c024}, {}, 0xB9},
      {"PLC attributes refused", Faults({.refuse = {{0xBC, 24}}}), {c024}},
      {"stops answering", Faults({.stopAfter = 5}), {kCom + kTimeoutText}, {}, 0xB5},
      {"delay past the retry", Faults({.delay_ms = 6000}), {kCom + kTimeoutText}, {}, 0x12, true},
      {"unknown reply code", Faults({.unknownCodeOn = {2}}), {kCom + "Unknown Error"}, {}, 0x0B},
      {"no driver image named",
       [](TOvProject& project) { project.ReleaseDriverModule(); },
       {kCom + "Error C002: Cannot Locate the Driver File"},
       {},
       0},
      {"driver file missing",
       [this](TOvProject&) { std::filesystem::remove(DriverDir() / "BriskoPanel.plx"); },
       {"No such file or directory"},
       {},
       0},
      // What a write can know is wrong is found before anything is sent.
      {"driver file corrupted",
       [this](TOvProject&) { WriteText(DriverDir() / "BriskoPanel.plx", ":10zz\n"); },
       {kCom + "Error Z003: The file may be corrupted"},
       {},
       0},
      {"a data item with more digits than its data type has",
       [](TOvProject& project) {
         project.panels[0].messages[0].text = "Speed " + std::string(6, kItem1Marker);
       },
       {kCom + kRefused + "Port 1, message 3, data item 1: Maximum 5  \"DATA SET 1\" can be " +
        "defined with selected data type"},
       {},
       0},
      {"an attribute block too long for a frame",
       [](TOvProject& project) { project.plc.attributeBytes.resize(32 + 300); },
       {kCom + "Error in building the PLC attributes: the PLC communication attribute block of "
               "300 bytes is too long to send"},
       {},
       0},
      {"an address, a text and the driver image at once",
       [this](TOvProject& project) {
         TOvMessage& message = project.panels[0].messages[3];
         message.item1.addressText = "X9:9";  // refused when the project was opened
         message.text += " and far too long";
         std::filesystem::remove(DriverDir() / "BriskoPanel.plx");
       },
       {kCom + "The project cannot be written: 3 problems found, nothing was sent to the panel." +
        "\nPort 1, local message 255, text: 31 characters, where the Ov200/Ov200V shows 20" +
        "\nPort 1, local message 255, data item 1 address: \"X9:9\" is not an address " + kBrisko +
        " accepts\n" + (DriverDir() / "BriskoPanel.plx").string() + ": No such file or directory"},
       {},
       0},
      {"another panel model",
       [this](TOvProject&) { UsePanel(kModelOv200L); },
       {kCom + "Error C001: The panel connected to the PC is different from the configured one"},
       {},
       0x12},
      {"firmware revision a",
       [this](TOvProject&) { UsePanel(kModelOv200, 'a'); },
       {},
       {"The panel has an older version of the firmware (a.2) which is not compatible \nwith "
        "this program loader.  Some of the latest panel features may not be \navailable in "
        "this firmware. The latest firmware is available in directory:\n" +
        firmwareFolder +
        "  \nPlease use Panel->Upgrade Firmware option to upload new firmware "
        "to the panel."},
       0x12},
      {"firmware revision not a letter",
       [this](TOvProject&) { UsePanel(kModelOv200, '1'); },
       {},
       {"Not a valid firmware revision number"},
       0x12},
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(test.name);
    ui_.Clear();
    InstallDriverImages();
    UsePanel(kModelOv200);
    TOvProject project = FullProject(kModelOv200);
    test.arrange(project);
    const TransferRun run = Write(project);
    const bool succeeds = test.errors.empty() && test.boxes.empty();
    EXPECT_EQ(run.finished, succeeds);
    EXPECT_EQ(run.HasStage(19), succeeds);
    EXPECT_EQ(run.Errors(), test.errors);
    EXPECT_EQ(ui_.MessageTexts(), test.boxes);
    const std::vector<Bytes> commands = Logged("<-");
    EXPECT_EQ(commands.empty() ? 0 : commands.back()[4], test.lastCommand);
    EXPECT_EQ(LogHas("   the same command again: the same reply again"), test.retried);
  }
  // A port that does not open or take its settings: the link's own text.
  FakeSerialPort port;
  ScopedSerialPortFactory fake(port.Factory());
  TOvProject project = FullProject(kModelOv200);
  port.FailOpen(true);
  EXPECT_EQ(Write(project).Errors(), std::vector<std::string>{"Error C003: Error opening port"});
  port.FailOpen(false);
  port.FailSetTimeouts(true);
  EXPECT_EQ(Write(project).Errors(),
            std::vector<std::string>{"Error C004: Error in setting communication attributes"});
}

TEST_F(FailureTest, ErrorsSayWhatTheyMeanHere) {
  const std::string incomplete =
      "The panel was cleared for this write and now holds an incomplete program: write the "
      "project again before the panel is used.";
  struct Case {
    const char* name;
    std::function<TransferRun()> run;
    std::string details;
  };
  const std::vector<Case> cases = {
      {"a single panel project on a multiplexer",
       [this] {
         UseMultiplexer({{1, kModelOv200}});
         TOvProject project = FullProject(kModelOv200);
         return Write(project);
       },
       "Nothing answered on COM1 (/dev/ttyS0) at 9600 baud. A multiplexer answers at 38400 "
       "baud: the project is a single panel system. Make it a multi-panel system, or connect "
       "the panel to the PC directly."},
      {"a multi-panel project on a panel",
       [this] {
         UsePanel(kModelOv400);
         TOvProject project = NewMultiPanelProject({{2, kModelOv200}});
         return Write(project);
       },
       "Nothing answered on COM1 (/dev/ttyS0) at 38400 baud. A panel (Ov400) answers at 9600 "
       "baud: the project is a multi-panel system. Connect the multiplexer, or make the project "
       "a single panel system."},
      {"nothing on the line",
       [this] {
         UseDevice(std::make_unique<SilentDevice>());
         TOvProject project = FullProject(kModelOv200);
         return Write(project);
       },
       "Nothing answered on COM1 (/dev/ttyS0) at 9600 baud. Nothing answers at 38400 baud "
       "either. Check the cable, the port, and that the device is powered and in setup mode."},
      {"nothing to read from",
       [this] {
         UseDevice(std::make_unique<SilentDevice>());
         TOvProject read;
         return Read(read);
       },
       "Nothing answered on COM1 (/dev/ttyS0): no panel at 9600 baud and no multiplexer at "
       "38400 baud. Check the cable, the port, and that the device is powered and in setup "
       "mode."},
      {"the line goes silent after the clear",
       [this] {
         UsePanel(kModelOv200);
         Sim().SetFaults({.stopAfter = 5});
         TOvProject project = FullProject(kModelOv200);
         return Write(project);
       },
       incomplete},
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(test.name);
    const TransferRun run = test.run();
    EXPECT_EQ(run.Errors(), std::vector<std::string>{kCom + kTimeoutText});
    EXPECT_EQ(run.ErrorDetails(), std::vector<std::string>{test.details});
  }
}

TEST_F(FailureTest, ReadFailures) {
  const auto entries = [](uint16_t count, uint8_t typeCode) {
    Bytes stream = {static_cast<uint8_t>(count >> 8), static_cast<uint8_t>(count), 7};
    for (uint16_t i = 0; i < count; ++i) {
      stream.insert(stream.end(),
                    {0, typeCode, 2, 0xFF, 7, 0, 7, 0, static_cast<uint8_t>(i), 0xFF});
    }
    return stream;
  };
  const std::string rebuild = "Error in rebuilding the tag list";
  struct Case {
    const char* name;
    std::function<void()> arrange;
    std::vector<std::string> errors;
    std::vector<std::string> boxes;
  };
  const std::vector<Case> cases = {
      {"301 tags",
       [&] { Sim().Panel().Memory().tagStream = entries(301, 5); },
       {kCom + "Error T006:  Error in reading PLC Addresses"},
       {}},
      {"a tag of no data type",
       [&] { Sim().Panel().Memory().tagStream = entries(2, 0x33); },
       {kCom + rebuild},
       {rebuild}},
      {"a PLC without driver",
       [&] {
         Sim().Panel().Memory().driverImage = sim::MakeStandInImage(
             sim::MakeDriverHeader(sim::ImageKind::PanelDriver, 9, 1, 'A', "Other"), 60);
       },
       {kCom + "Error P007: PLC dll for this PLC (Manufacturer ID : 9, Model ID : 1)\nnot found "
               "in this system"},
       {}},
      {"a refusal in place of the PLC attributes",
       [&] {
         Sim().SetFaults({.refuse = {{0xBB, 13}}});
       },
       {kCom + "Unknown Error"},
       {}},
      {"a panel of no known type",
       [&] {
         UseDevice(std::make_unique<StatusFamilyPatch>(
             std::make_unique<sim::SimulatedPanel>(sim::PanelSettings{}), 0));
       },
       {},
       {"Error Z008:  Invalid Device Type"}},
      {"a multiplexer of no known type",
       [&] {
         UseDevice(
             std::make_unique<StatusFamilyPatch>(std::make_unique<sim::SimulatedMultiplexer>(), 0));
       },
       {},
       {"Error Z008:  Invalid Device Type"}},
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(test.name);
    ui_.Clear();
    UsePanel(kModelOv200);
    TOvProject written = FullProject(kModelOv200);
    ASSERT_TRUE(Write(written).finished);
    test.arrange();
    TOvProject read;
    const TransferRun run = Read(read);
    EXPECT_FALSE(run.finished);
    EXPECT_EQ(run.Errors(), test.errors);
    EXPECT_EQ(ui_.MessageTexts(), test.boxes);
  }
}

TEST_F(FailureTest, CancelledWriteLeavesAClearedPanel) {
  const auto stage = [](int32_t code) {
    return [code](const TransferJobState& s) { return s.stage == code; };
  };
  const auto messagePost = [](int n) {  // the n-th post before a message
    return
        [n, count = 0](const TransferJobState& s) mutable { return s.stage == 11 && ++count == n; };
  };
  const std::vector<int> system = {257, 258, 259, 260, 261, 262, 263};
  const std::vector<int> all = {3, 4, 5, 6, 7, 8, 9, 257, 258, 259, 260, 261, 262, 263};
  struct Case {
    const char* name;
    std::function<bool(const TransferJobState&)> when;
    std::vector<int> messages;  // the message numbers written, before and after the cancel
    std::vector<int> tagPhases;
    std::vector<int> driverPhases;
    std::vector<int> kept = {};  // the message numbers the panel holds afterwards
  };
  const std::vector<Case> cases = {
      {"before a blank message", messagePost(1), {3}, {}, {}},
      // The message loop's cancel clears the panel, and the system messages
      // still follow.
      {"before a message",
       messagePost(3),
       {3, 4, 5, 6, 7, 8, 257, 258, 259, 260, 261, 262, 263},
       {},
       {},
       system},
      {"before a map data block", stage(7), all, {1}, {}},
      {"before the map data end block",
       [](const TransferJobState& s) { return s.text.starts_with("DownLoading the tag...."); },
       all,
       {1, 0},
       {}},
      {"before the system attributes", stage(8), all, {1, 0, 2}, {}},
      {"before a driver block", stage(9), all, {1, 0, 2}, {1}},
      {"before the PLC attributes", stage(10), all, {1, 0, 2}, {1, 0, 0, 2}},
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(test.name);
    UsePanel(kModelOv200);
    TOvProject project = FullProject(kModelOv200);
    const TransferRun run = Write(project, CancelWhen(test.when));
    EXPECT_FALSE(run.finished);
    EXPECT_TRUE(run.Errors().empty());
    EXPECT_FALSE(run.HasStage(19));
    std::vector<int> messages;
    for (const Bytes& frame : Logged("<-", 0xB5)) {
      messages.push_back(frame[5] << 8 | frame[6]);
    }
    EXPECT_EQ(messages, test.messages);
    EXPECT_EQ(Phases(0xB7), test.tagPhases);
    EXPECT_EQ(Phases(0xBA), test.driverPhases);
    std::vector<int> kept;
    for (const auto& [number, record] : Sim().Panel().Memory().messages) {
      kept.push_back(number);
    }
    EXPECT_EQ(kept, test.kept);
    EXPECT_EQ(Logged("<-").back()[4], test.kept.empty() ? 0x0B : 0xB5);
  }
  // Cancelled before the status check: nothing reaches the panel.
  UsePanel(kModelOv200);
  TOvProject project = FullProject(kModelOv200);
  const TransferRun run = Write(project, CancelWhen([](const TransferJobState& s) {
                                  return s.text == "Verifying panel Connected...";
                                }));
  EXPECT_TRUE(run.Errors().empty());
  EXPECT_EQ(Sim().CommandCount(), 0);
}

TEST_F(FailureTest, CancelledReadStopsQuietly) {
  // The stage at which the user cancels, the request of that step and how
  // many of them still went out.
  const std::vector<std::tuple<int32_t, int, size_t>> cases = {
      {13, 0xB8, 0}, {14, 0xB4, 1}, {21, 0xB6, 1}, {15, 0xBB, 0}};
  for (const auto& [stage, code, sent] : cases) {
    SCOPED_TRACE(stage);
    UsePanel(kModelOv200);
    TOvProject written = FullProject(kModelOv200);
    ASSERT_TRUE(Write(written).finished);
    const size_t before = Logged("<-", code).size();
    TOvProject read;
    const TransferRun run =
        Read(read, CancelWhen([stage](const TransferJobState& s) { return s.stage == stage; }));
    EXPECT_FALSE(run.finished);
    EXPECT_TRUE(run.Errors().empty());
    EXPECT_FALSE(run.HasStage(20));
    EXPECT_EQ(Logged("<-", code).size() - before, sent);
    EXPECT_TRUE(ui_.MessageTexts().empty());
  }
}

TEST_F(FailureTest, MultiplexerRoutesAndPanels) {
  const std::string port2 = "ERROR On Port 2. ";
  struct Case {
    const char* name;
    std::vector<std::pair<int, int>> attached;
    std::vector<std::pair<int32_t, int32_t>> configured;
    sim::FaultPlan faults;
    std::string error;
  };
  const std::vector<Case> cases = {
      {"a refused message behind port 2",
       {{2, 1}},
       {{2, 1}},
       {.refuse = {{0xB5, 7}}},
       port2 + "Error C014: Invalid Message Number"},
      {"another model on port 2",
       {{2, 2}},
       {{2, 1}},
       {},
       port2 + "The panel connected to the multiplexer is different from the configured one. "},
      {"no panel on port 3",
       {{2, 1}},
       {{2, 1}, {3, 1}},
       {},
       "ERROR On Port 3. " + std::string(kTimeoutText)},
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(test.name);
    UseMultiplexer(test.attached);
    Sim().SetFaults(test.faults);
    TOvProject project = NewMultiPanelProject(test.configured);
    const TransferRun run = Write(project);
    EXPECT_FALSE(run.finished);
    EXPECT_EQ(run.Errors(), std::vector<std::string>{test.error});
    EXPECT_EQ(Logged("<-", 0xC1).back()[5], 0);
  }
  const auto multiplexer = [](std::vector<int> ports) {
    auto device = std::make_unique<sim::SimulatedMultiplexer>();
    for (const int port : ports) {
      device->AttachPanel(port, {});
    }
    return device;
  };
  // A multiplexer that reports another device: C001 for a write.
  UseDevice(std::make_unique<StatusFamilyPatch>(multiplexer({2}), 0));
  TOvProject project = NewMultiPanelProject({{2, 1}});
  EXPECT_EQ(
      Write(project).Errors(),
      std::vector<std::string>{kCom + "Error C001: The panel connected to the PC is different "
                                      "from the configured one"});
  // A panel of no known type on port 3 is left out of a read with a box.
  UseDevice(std::make_unique<StatusFamilyPatch>(multiplexer({3, 5}), 3));
  TOvProject written = NewMultiPanelProject({{5, 1}});
  ASSERT_TRUE(Write(written).finished);
  ui_.Clear();
  TOvProject read;
  ASSERT_TRUE(Read(read).finished);
  EXPECT_TRUE(read.Equals(written));
  EXPECT_EQ(ui_.MessageTexts(),
            std::vector<std::string>{"ERROR On Port 3. Error Z008:  Invalid Device Type"});
}

TEST_F(FailureTest, ClearAllPanelsGoesOnPastSilentPorts) {
  UseMultiplexer({{4, 1}});
  Sim().Multiplexer().Panel(4)->Memory().plcAttributes = {4, 0};
  SetBaudRateSetting(kMultiplexerBaudRate);
  TOvProject project = NewMultiPanelProject({{4, 1}});
  TransferJob job(operations::kWriteProject, &project);
  NotificationQueue queue;
  job.SetSink(&queue);
  TOvProjectHelper helper(job, TransferServices{ui_, clock_, &catalog_});
  TOvXComm link("COM1");
  EXPECT_TRUE(helper.ClearAllPanels(link));
  const TransferRun run{queue.Drain()};
  std::vector<std::string> expected;
  for (const int port : {1, 2, 3, 5}) {
    expected.push_back("ERROR On Port " + std::to_string(port) + ". " + kTimeoutText);
  }
  EXPECT_EQ(run.Errors(), expected);
  using Result = TOvProjectHelper::PortClearResult;
  EXPECT_EQ(helper.ClearResults(), (std::vector<Result>{{0, true, ""},
                                                        {1, false, expected[0]},
                                                        {2, false, expected[1]},
                                                        {3, false, expected[2]},
                                                        {4, true, ""},
                                                        {5, false, expected[3]}}));
  EXPECT_TRUE(Sim().Multiplexer().Panel(4)->Memory().IsEmpty());
  EXPECT_EQ(helper.CurrentPort(), 0);
}

}  // namespace
}  // namespace orvane::testing
