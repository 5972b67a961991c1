// The panel commands' decisions headless: scripted answers, the worker run
// by a queued owner, and the in-process simulated devices.
#include <functional>

#include "base/ProgramVersion.h"
#include "base/StringTable.h"
#include "link/BaudRate.h"
#include "sim/StandInImage.h"
#include "tests/support/TestPaths.h"
#include "tests/transfer/TransferFixture.h"
#include "view/PanelCommands.h"
#include "view/TransferOwner.h"

namespace orvane::testing {
namespace {

// Runs the worker as orvane-cli does and keeps what it saw; the job's
// finished flag is read after the owner has marked an error shown.
class RecordingOwner : public QueuedTransferOwner {
 public:
  TransferOutcome RunTransfer(TransferJob& job, const TransferServices& services) override {
    const TransferOutcome outcome = QueuedTransferOwner::RunTransfer(job, services);
    ++runs;
    jobFinished = job.IsFinished();
    return outcome;
  }
  int runs = 0;
  bool jobFinished = false;

 protected:
  void Show(const TransferNotification&, const TransferProgress&) override {}
  bool CancelRequested() override { return false; }
};

std::string Text(int id) {
  return LoadString(id);
}

class PanelCommandsTest : public TransferTest {
 protected:
  /// The commands over the document's project, on "COM1" with the traces in
  /// a folder of their own.
  PanelCommands& Commands(TOvProject& document) {
    commands_ = std::make_unique<PanelCommands>(document, ui_, owner_, &catalog_);
    commands_->SetPortName("COM1");
    commands_->SetTraceDirectory(traceDir_);
    commands_->SetClock(clock_);
    return *commands_;
  }
  /// Writes the project into the device as it stands.
  void Preload(TOvProject project) {
    ASSERT_TRUE(Write(project).finished);
    ui_.Clear();
  }
  std::string FirstTraceLine(const char* name) const {
    const std::string text = ReadText(traceDir_ / name);
    return text.substr(0, text.find('\n'));
  }
  std::vector<int> SwitchedPorts() const {
    std::vector<int> ports;
    for (const Bytes& frame : Logged("<-", 0xC1)) {
      ports.push_back(frame[5]);
    }
    return ports;
  }

  RecordingOwner owner_;
  std::filesystem::path traceDir_ = MakeTempDir("panel-commands-trace");
  std::unique_ptr<PanelCommands> commands_;
};

TEST_F(PanelCommandsTest, WriteChecksForIncompleteDataFirst) {
  const std::string details =
      Text(strings::kIncompleteDetailsHeader) + Text(strings::kNoLocalMessages);
  struct Case {
    const char* name;
    std::function<void()> device;
    std::function<TOvProject()> project;
    CommandResult result;
    std::string details;   // of the incomplete-data dialog; "-" when none is shown
    int32_t selectedPort;  // after the command
  };
  const Case cases[] = {
      {"text panel without local message", [&] { UsePanel(kModelOv200); },
       [&] { return NewProject(kModelOv200); }, CommandResult::Declined, details, 1},
      {"set point panel without messages", [&] { UsePanel(kModelOvSP); },
       [&] { return NewProject(kModelOvSP); }, CommandResult::Done, "-", 1},
      {"multi-panel system without panel", [&] { UseMultiplexer({}); },
       [&] { return NewMultiPanelProject({}); }, CommandResult::Declined, "", 1},
      {"one text panel without local message on port 3",
       [&] {
         UseMultiplexer({{3, 1}});
       },
       [&] {
         TOvProject project = NewMultiPanelProject({{3, kModelOv200}});
         project.portTable.selectedPort = 5;
         return project;
       },
       CommandResult::Declined, details, 5},
      {"one panel on port 3",
       [&] {
         UseMultiplexer({{3, 1}});
       },
       [&] {
         TOvProject project = NewMultiPanelProject({{3, kModelOv200}});
         FillTextPanel(project, project.panels.front());
         project.portTable.selectedPort = 5;
         return project;
       },
       CommandResult::Done, "-", 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    c.device();
    TOvProject project = c.project();
    ui_.Clear();
    EXPECT_EQ(Commands(project).Write(), c.result);
    EXPECT_EQ(project.portTable.selectedPort, c.selectedPort);
    EXPECT_EQ(FirstTraceLine(kWriteTrace), "-- -- Program version: " + LoadProgramVersion().text);
    ASSERT_EQ(ui_.Calls().size(), 1u);
    const RecordedCall& call = ui_.Calls().front();
    if (c.result == CommandResult::Declined) {
      EXPECT_EQ(call.text, kIncompleteDataText);
      EXPECT_EQ(call.caption, kIncompleteDataCaption);
      EXPECT_EQ(call.details, c.details);
      EXPECT_EQ(Sim().CommandCount(), 0);
      continue;
    }
    const bool multiPanel = project.systemMode == kMultiPanelSystem;
    EXPECT_EQ(call.text,
              Text(multiPanel ? strings::kWrittenToMultiplexer : strings::kWrittenToPanel));
    EXPECT_EQ(BaudRateSetting(), multiPanel ? kMultiplexerBaudRate : kSinglePanelBaudRate);
    const sim::PanelMemory& memory =
        multiPanel ? Sim().Multiplexer().Panel(3)->Memory() : Sim().Panel().Memory();
    EXPECT_FALSE(memory.messages.empty());
  }
}

TEST_F(PanelCommandsTest, ReadReplacesTheProjectOnlyWithADifferentSuccessfulRead) {
  const TOvProject inPanel = FullProject(kModelOv400);
  struct Case {
    const char* name;
    std::function<TOvProject()> document;
    Answer answer;
    int silentAfter;  // commands the device still answers; 0: all
    CommandResult result;
    bool replaced;
  };
  const Case cases[] = {
      {"a different project",
       [&] {
         return NewMultiPanelProject({{2, kModelOv200}});
       },
       Answer::Ok, 0, CommandResult::Done, true},
      {"the same project", [&] { return inPanel; }, Answer::Ok, 0, CommandResult::Done, false},
      {"cancelled question", [&] { return NewProject(kModelOv200); }, Answer::Cancel, 0,
       CommandResult::Declined, false},
      // The device falls silent in the middle of the messages.
      {"a failed read", [&] { return NewProject(kModelOv200); }, Answer::Ok, 8,
       CommandResult::Failed, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    UsePanel(kModelOv400);
    Preload(inPanel);
    const int commandsBefore = Sim().CommandCount();
    if (c.silentAfter != 0) {
      Sim().SetFaults({.stopAfter = commandsBefore + c.silentAfter});
    }
    TOvProject document = c.document();
    const TOvProject before = document;
    ui_.QueueAnswer(c.answer);
    PanelCommands& commands = Commands(document);
    EXPECT_EQ(commands.Read(), c.result);
    EXPECT_EQ(commands.DocumentModified(), c.replaced);
    EXPECT_EQ(FirstTraceLine(kReadTrace), "-- -- Program version: " + LoadProgramVersion().text);
    const RecordedCall& question = ui_.Calls().front();
    EXPECT_EQ(question.text, Text(strings::kReadOverwritesQuestion));
    EXPECT_EQ(question.buttons, Buttons::OkCancel);
    if (c.replaced) {
      EXPECT_TRUE(document.Equals(inPanel));
      EXPECT_EQ(document.portTable.selectedPort, 1);
    } else {
      EXPECT_TRUE(document.Equals(before));
      EXPECT_EQ(document.portTable.selectedPort, before.portTable.selectedPort);
    }
    if (c.result == CommandResult::Done) {
      EXPECT_EQ(ui_.MessageTexts(), std::vector<std::string>{Text(strings::kReadFromPanel)});
    } else if (c.result == CommandResult::Declined) {
      EXPECT_EQ(Sim().CommandCount(), commandsBefore);
    } else {
      // The owner marked the job finished once it had shown the error; the
      // command still saw a failure.
      EXPECT_TRUE(owner_.jobFinished);
      EXPECT_EQ(commands.LastError(), "ERROR On COM Port. " + std::string(kTimeoutText));
      EXPECT_TRUE(ui_.MessageTexts().empty());
    }
  }
}

TEST_F(PanelCommandsTest, VerifyComparesAndListsTheDifferences) {
  UsePanel(kModelOv400);
  TOvProject document = FullProject(kModelOv400);
  Preload(document);
  VerifyResult result = Commands(document).Verify();
  EXPECT_EQ(result.result, CommandResult::Done);
  EXPECT_TRUE(result.equal);
  EXPECT_TRUE(result.differences.empty());
  EXPECT_EQ(ui_.MessageTexts(), std::vector<std::string>{Text(strings::kVerifySame)});
  EXPECT_EQ(FirstTraceLine(kReadTrace), "-- -- Program version: " + LoadProgramVersion().text);

  ui_.Clear();
  document.panels.front().messages.front().text = "Speed changed";
  result = Commands(document).Verify();
  EXPECT_EQ(result.result, CommandResult::Done);
  EXPECT_FALSE(result.equal);
  ASSERT_EQ(result.differences.size(), 1u);
  EXPECT_EQ(result.differences.front().kind, DifferenceKind::Message);
  EXPECT_EQ(result.differences.front().messageNumber, 3);
  EXPECT_EQ(result.differences.front().field, "text");
  EXPECT_EQ(ui_.MessageTexts(), std::vector<std::string>{Text(strings::kVerifyDifferent)});
}

TEST_F(PanelCommandsTest, VerifyOfAMultiPanelSystemTestsThePanelsFirst) {
  UseMultiplexer({{3, kModelOv200L}});
  TOvProject empty = NewMultiPanelProject({});
  EXPECT_EQ(Commands(empty).Verify().result, CommandResult::Declined);
  TOvProject document = NewMultiPanelProject({{3, kModelOv200}});
  EXPECT_EQ(Commands(document).Verify().result, CommandResult::Failed);
  EXPECT_EQ(ui_.MessageTexts(),
            std::vector<std::string>{"ERROR On Port 3. " + Text(strings::kC001Multiplexer)});
  EXPECT_EQ(owner_.runs, 0);
  EXPECT_EQ(SwitchedPorts(), (std::vector<int>{0, 3, 0}));
}

TEST_F(PanelCommandsTest, ClearMemoryAsksFirst) {
  struct Case {
    bool multiPanel;
    Answer answer;
    CommandResult result;
    std::vector<std::string> messages;
  };
  std::vector<std::string> silentPorts;
  for (const int port : {1, 2, 3, 5}) {
    silentPorts.push_back("ERROR On Port " + std::to_string(port) + ". " + kTimeoutText);
  }
  silentPorts.push_back(Text(strings::kPanelsMemoryCleared));
  const Case cases[] = {
      {false, Answer::Yes, CommandResult::Done, {Text(strings::kPanelsMemoryCleared)}},
      {false, Answer::No, CommandResult::Declined, {}},
      {true, Answer::Yes, CommandResult::Done, silentPorts},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.multiPanel);
    TOvProject document =
        c.multiPanel ? NewMultiPanelProject({{4, kModelOv200}}) : FullProject(kModelOv200);
    if (c.multiPanel) {
      UseMultiplexer({{4, kModelOv200}});
      FillTextPanel(document, document.panels.front());
    } else {
      UsePanel(kModelOv200);
    }
    Preload(document);
    ui_.QueueAnswer(c.answer);
    EXPECT_EQ(Commands(document).ClearMemory(), c.result);
    ASSERT_FALSE(ui_.Calls().empty());
    const RecordedCall& question = ui_.Calls().front();
    EXPECT_EQ(question.text,
              Text(c.multiPanel ? strings::kClearPanelsQuestion : strings::kClearPanelQuestion));
    EXPECT_EQ(question.defaultAnswer, Answer::No);
    EXPECT_EQ(ui_.MessageTexts(), c.messages);
    const sim::PanelMemory& memory =
        c.multiPanel ? Sim().Multiplexer().Panel(4)->Memory() : Sim().Panel().Memory();
    EXPECT_EQ(memory.IsEmpty(), c.result == CommandResult::Done);
  }
}

TEST_F(PanelCommandsTest, InformationShowsTheStatus) {
  UsePanel(kModelOv400);
  TOvProject document = FullProject(kModelOv400);
  Preload(document);
  StatusResult status = Commands(document).Information();
  ASSERT_EQ(status.result, CommandResult::Done);
  EXPECT_FALSE(status.status.multiplexer);
  EXPECT_EQ(status.status.model, kModelOv400);
  EXPECT_EQ(status.status.modelName, "Ov400");
  EXPECT_EQ(status.status.firmware, "B.2");
  EXPECT_EQ(status.status.memory, "  64 KB");
  // The stand-in driver of the test install reports the SLC 500's codes.
  EXPECT_TRUE(status.status.hasDriver);
  EXPECT_EQ(status.status.driverManufacturer, 1);
  EXPECT_EQ(status.status.driverModel, 4);
  EXPECT_EQ(status.status.driverName, catalog_.LookupDriver(1, 4).name);

  TOvProject other = NewProject(kModelOv200);
  EXPECT_EQ(Commands(other).Information().result, CommandResult::Failed);
  EXPECT_EQ(ui_.MessageTexts(),
            std::vector<std::string>{"ERROR On COM Port. " + Text(strings::kC001)});

  UseMultiplexer({{4, kModelOvSP}});
  TOvProject multi = NewMultiPanelProject({{4, kModelOvSP}});
  status = Commands(multi).Information();
  ASSERT_EQ(status.result, CommandResult::Done);
  EXPECT_TRUE(status.status.multiplexer);
  EXPECT_EQ(status.status.modelName, "Multiplexer");
  EXPECT_EQ(status.status.memory, "131072 Bytes");
  EXPECT_FALSE(status.status.hasDriver);
}

TEST_F(PanelCommandsTest, PortInformationAlwaysSwitchesBack) {
  UseMultiplexer({{4, kModelOvSP}});
  TOvProject document = NewMultiPanelProject({{3, kModelOv200}, {4, kModelOvSP}});
  StatusResult status = Commands(document).PortInformation();
  ASSERT_EQ(status.result, CommandResult::Done);
  EXPECT_EQ(status.status.port, 4);
  EXPECT_EQ(status.status.model, kModelOvSP);
  EXPECT_EQ(SwitchedPorts(), (std::vector<int>{0, 4, 0}));

  // Nothing answers on port 3.
  UseMultiplexer({{4, kModelOvSP}});
  document.portTable.selectedPort = 3;
  ui_.Clear();
  EXPECT_EQ(Commands(document).PortInformation().result, CommandResult::Failed);
  EXPECT_EQ(ui_.MessageTexts(),
            std::vector<std::string>{"ERROR On Port 3. " + std::string(kTimeoutText)});
  EXPECT_EQ(SwitchedPorts(), (std::vector<int>{0, 3, 0}));

  document.portTable.selectedPort = 2;
  EXPECT_EQ(Commands(document).PortInformation().result, CommandResult::Declined);
}

TEST_F(PanelCommandsTest, FirmwareUpgradesAtTheirBaudRates) {
  struct Case {
    const char* name;
    std::function<void()> device;
    std::function<TOvProject()> project;
    bool multiplexerFirmware;
    std::function<char()> revision;
  };
  const Case cases[] = {
      {"panel", [&] { UsePanel(kModelOv200); }, [&] { return NewProject(kModelOv200); }, false,
       [&] { return Sim().Panel().Firmware().letter; }},
      {"panel behind the multiplexer",
       [&] {
         UseMultiplexer({{2, kModelOv200}});
       },
       [&] {
         return NewMultiPanelProject({{2, kModelOv200}});
       },
       false, [&] { return Sim().Multiplexer().Panel(2)->Firmware().letter; }},
      // The multiplexer's firmware goes at 38400 baud whatever the project.
      {"multiplexer", [&] { UseMultiplexer({}); }, [&] { return NewProject(kModelOv200); }, true,
       [&] { return Sim().Multiplexer().Firmware().letter; }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    c.device();
    TOvProject document = c.project();
    PanelCommands& commands = Commands(document);
    const CommandResult result =
        c.multiplexerFirmware
            ? commands.UpgradeMuxFirmware(
                  ImageFile(sim::MakeMultiplexerFirmwareHeader('E', 1), 120).string())
            : commands.UpgradeFirmware(
                  ImageFile(sim::MakePanelFirmwareHeader(1, 'E', 1), 120).string());
    EXPECT_EQ(result, CommandResult::Done);
    EXPECT_EQ(c.revision(), 'E');
    EXPECT_TRUE(std::filesystem::exists(traceDir_ / kWriteTrace));
  }
}

}  // namespace
}  // namespace orvane::testing
