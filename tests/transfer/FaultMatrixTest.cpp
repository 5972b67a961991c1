// Every fault at every exchange of every panel command: each run ends with
// the work done and checked against the device, or with the error the
// program gives for that fault; never a false success, never past the
// time-outs, never a changed project on the PC.
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <map>
#include <mutex>
#include <optional>

#include "base/StringTable.h"
#include "link/StandardReplies.h"
#include "sim/StandInImage.h"
#include "tests/support/TestPaths.h"
#include "tests/transfer/TransferFixture.h"
#include "view/PanelCommands.h"
#include "view/TransferOwner.h"

namespace orvane::testing {
namespace {

// A line with nothing on it.
class SilentDevice : public sim::SimulatedDevice {
 public:
  std::optional<sim::Bytes> Answer(std::span<const uint8_t>) override { return std::nullopt; }
  int DefaultBaudRate() const override { return 9600; }
};

enum class FaultKind { Drop, Crc, Stray, Refuse, Silence, UnknownCode, Unplug, Cancel };

struct Fault {
  FaultKind kind;
  uint8_t error = 0;  // of a refusal
};

// Sequences of up to this many exchanges get every fault at every exchange.
constexpr int kFullProductSteps = 30;
// The message code of a standard reply (an acknowledge or a refusal).
constexpr int kStandardReplyCode = 0x00;

// Every error code a panel or the multiplexer may refuse a command with.
const uint8_t kDeviceErrorCodes[] = {3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 21, 22, 24};

std::vector<Fault> AllFaults() {
  std::vector<Fault> faults = {{FaultKind::Drop}, {FaultKind::Crc}, {FaultKind::Stray}};
  for (const uint8_t error : kDeviceErrorCodes) {
    faults.push_back({FaultKind::Refuse, error});
  }
  for (const FaultKind kind :
       {FaultKind::Silence, FaultKind::UnknownCode, FaultKind::Unplug, FaultKind::Cancel}) {
    faults.push_back({kind});
  }
  return faults;
}

std::string FaultName(const Fault& fault) {
  switch (fault.kind) {
    case FaultKind::Drop:
      return "dropped reply";
    case FaultKind::Crc:
      return "corrupted CRC";
    case FaultKind::Stray:
      return "stray bytes";
    case FaultKind::Refuse:
      return "refusal " + std::to_string(fault.error);
    case FaultKind::Silence:
      return "silence";
    case FaultKind::UnknownCode:
      return "unknown reply code";
    case FaultKind::Unplug:
      return "line unplugged";
    case FaultKind::Cancel:
      return "cancel";
  }
  return {};
}

enum class Operation {
  Write,
  Read,
  Verify,
  Clear,
  Information,
  PanelFirmware,
  MuxFirmware,
  MultiPanelWrite,
  MultiPanelRead,
};

std::string OperationName(Operation operation) {
  static const std::map<Operation, std::string> names = {
      {Operation::Write, "Write"},
      {Operation::Read, "Read"},
      {Operation::Verify, "Verify"},
      {Operation::Clear, "Clear"},
      {Operation::Information, "Information"},
      {Operation::PanelFirmware, "PanelFirmware"},
      {Operation::MuxFirmware, "MuxFirmware"},
      {Operation::MultiPanelWrite, "MultiPanelWrite"},
      {Operation::MultiPanelRead, "MultiPanelRead"},
  };
  return names.at(operation);
}

// Clear Memory and Information run on the caller's thread without a job
// the user could cancel.
bool Cancellable(Operation operation) {
  return operation != Operation::Clear && operation != Operation::Information;
}

// The outcome counts of the whole matrix, printed when every row ran in one
// process.
struct Tally {
  std::mutex mutex;
  int runs = 0;
  int steps = 0;
  int faults = 0;
  int operations = 0;
  std::map<std::string, int> outcomes;
  int wrong = 0;  // false successes, hangs, changed projects, other errors
};
Tally& Totals() {
  static Tally tally;
  return tally;
}

class MatrixSummary : public ::testing::Environment {
 public:
  void TearDown() override {
    Tally& t = Totals();
    if (t.operations < 2) {
      return;
    }
    std::cout << "[ MATRIX   ] " << t.faults << " faults x " << t.operations << " operations, "
              << t.steps << " operation steps, " << t.runs << " runs\n";
    for (const auto& [outcome, count] : t.outcomes) {
      std::cout << "[ MATRIX   ]   " << outcome << ": " << count << "\n";
    }
    std::cout << "[ MATRIX   ]   wrong outcomes: " << t.wrong << "\n";
  }
};
[[maybe_unused]] const auto* const kSummary =
    ::testing::AddGlobalTestEnvironment(new MatrixSummary);

// Runs the worker as orvane-cli does; the fault plan's cancel reaches the
// job of the operation that runs, on the worker's thread.
class MatrixOwner : public QueuedTransferOwner {
 public:
  TransferOutcome RunTransfer(TransferJob& job, const TransferServices& services) override {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      job_ = &job;
      if (cancelNow_) {
        job.RequestCancel();
      }
    }
    TransferOutcome outcome = QueuedTransferOwner::RunTransfer(job, services);
    std::lock_guard<std::mutex> lock(mutex_);
    job_ = nullptr;
    // The cancel came from the user, as the progress dialog's would.
    outcome.cancelled = outcome.cancelled || cancelNow_;
    return outcome;
  }
  void Cancel() {
    std::lock_guard<std::mutex> lock(mutex_);
    cancelNow_ = true;
    if (job_ != nullptr) {
      job_->RequestCancel();
    }
  }
  void Reset() {
    std::lock_guard<std::mutex> lock(mutex_);
    cancelNow_ = false;
  }

 protected:
  void Show(const TransferNotification&, const TransferProgress&) override {}
  bool CancelRequested() override { return false; }

 private:
  std::mutex mutex_;
  TransferJob* job_ = nullptr;
  bool cancelNow_ = false;
};

// What one run left behind, for the checks.
struct RunEnd {
  CommandResult result = CommandResult::Failed;
  std::string error;
  bool dataIntact = false;  // the device (or the read project) holds what it should
  bool projectKept = false;
  int commands = 0;
  uint64_t elapsed_ms = 0;
  bool runaway = false;
};

class FaultMatrixTest : public TransferTest, public ::testing::WithParamInterface<Operation> {
 protected:
  static constexpr std::pair<int, int> kPort2 = {2, kModelOv200};
  static constexpr std::pair<int, int> kPort4 = {4, kModelOv400};

  FaultMatrixTest() {
    // The device contents a clean write leaves, to set up reads and to
    // compare writes with.
    UsePanel(kModelOv200);
    single_ = FullProject(kModelOv200);
    TOvProject copy = single_;
    EXPECT_TRUE(Write(copy).finished);
    singleMemory_ = Sim().Panel().Memory();
    UseMultiplexer({kPort2, kPort4});
    multi_ = NewMultiPanelProject({kPort2, kPort4});
    for (TOvPanel& panel : multi_.panels) {
      FillTextPanel(multi_, panel);
    }
    copy = multi_;
    EXPECT_TRUE(Write(copy).finished);
    muxMemory_ = Sim().Multiplexer().Memory();
    port2Memory_ = Sim().Multiplexer().Panel(2)->Memory();
    port4Memory_ = Sim().Multiplexer().Panel(4)->Memory();
    // The multi-panel read goes through every message number of every
    // panel: one panel behind the multiplexer keeps its runs short.
    UseMultiplexer({kPort2});
    multiRead_ = NewMultiPanelProject({kPort2});
    FillTextPanel(multiRead_, multiRead_.panels.front());
    copy = multiRead_;
    EXPECT_TRUE(Write(copy).finished);
    readMuxMemory_ = Sim().Multiplexer().Memory();
    readPortMemory_ = Sim().Multiplexer().Panel(2)->Memory();
    panelImage_ = ImageFile(sim::MakePanelFirmwareHeader(1, 'C', 1), 120);
    muxImage_ = MakeTempDir("matrix-mux") / "mux.hex";
    std::filesystem::copy_file(ImageFile(sim::MakeMultiplexerFirmwareHeader('D', 1), 101),
                               muxImage_, std::filesystem::copy_options::overwrite_existing);
  }

  bool MultiPanel(Operation operation) const {
    return operation == Operation::MultiPanelWrite || operation == Operation::MultiPanelRead ||
           operation == Operation::MuxFirmware;
  }

  // A fresh device holding what the operation starts from.
  void Arrange(Operation operation) {
    if (operation == Operation::MultiPanelRead) {
      UseMultiplexer({kPort2});
      Sim().Multiplexer().Memory() = readMuxMemory_;
      Sim().Multiplexer().Panel(2)->Memory() = readPortMemory_;
      return;
    }
    if (MultiPanel(operation)) {
      UseMultiplexer({kPort2, kPort4});
      return;
    }
    UsePanel(kModelOv200);
    if (operation != Operation::Write) {
      Sim().Panel().Memory() = singleMemory_;
    }
  }

  // The project on the PC the command starts from.
  TOvProject Document(Operation operation) {
    switch (operation) {
      case Operation::Read:
        return NewProject(kModelOv200);
      case Operation::MultiPanelRead:
        return NewMultiPanelProject({{1, kModelOv200}});
      case Operation::MuxFirmware:
      case Operation::MultiPanelWrite:
        return multi_;
      default:
        return single_;
    }
  }

  RunEnd RunOnce(Operation operation, const sim::FaultPlan& plan, int cancelAt, int limit,
                 bool silentDevice = false) {
    Arrange(operation);
    if (silentDevice) {
      // stopAfter 0 is no fault: silence from the first exchange on is a
      // device that takes nothing in.
      UseDevice(std::make_unique<SilentDevice>());
    }
    replyCodes_.clear();
    Sim().SetLog([this](const std::string& line) {
      // The message code of the reply to each command, -1 when none.
      if (line.starts_with("<- ") && line.find("(not addressed") == std::string::npos) {
        replyCodes_.push_back(-1);
      } else if (line.starts_with("-> ") && !replyCodes_.empty() && line.size() > 16) {
        replyCodes_.back() = std::stoi(line.substr(15, 2), nullptr, 16);
      }
    });
    owner_.Reset();
    ui_.Clear();
    bool runaway = false;
    Sim().SetCommandHook([this, cancelAt, limit, &runaway](int command) {
      if (command == cancelAt) {
        owner_.Cancel();
      }
      if (command > limit) {
        // Far more exchanges than a clean run: stop a sequence that loops.
        runaway = true;
        owner_.Cancel();
      }
    });
    Sim().SetFaults(plan);
    TOvProject document = Document(operation);
    const TOvProject before = document;
    PanelCommands commands(document, ui_, owner_, &catalog_);
    commands.SetPortName("COM1");
    commands.SetTraceDirectory(traceDir_);
    commands.SetClock(clock_);
    RunEnd end;
    switch (operation) {
      case Operation::Write:
        end.result = commands.Write();
        end.dataIntact =
            end.result == CommandResult::Done && (Sim().Panel().Memory() == singleMemory_);
        break;
      case Operation::MultiPanelWrite:
        end.result = commands.Write();
        end.dataIntact = end.result == CommandResult::Done &&
                         (Sim().Multiplexer().Memory() == muxMemory_ &&
                          Sim().Multiplexer().Panel(2)->Memory() == port2Memory_ &&
                          Sim().Multiplexer().Panel(4)->Memory() == port4Memory_);
        break;
      case Operation::Read:
      case Operation::MultiPanelRead:
        ui_.QueueAnswer(Answer::Ok);
        end.result = commands.Read();
        end.dataIntact = end.result == CommandResult::Done &&
                         (document.Equals(operation == Operation::Read ? single_ : multiRead_));
        break;
      case Operation::Verify: {
        const VerifyResult verify = commands.Verify();
        end.result = verify.result;
        end.dataIntact =
            end.result == CommandResult::Done && (verify.equal && verify.differences.empty());
        break;
      }
      case Operation::Clear:
        ui_.QueueAnswer(Answer::Yes);
        end.result = commands.ClearMemory();
        end.dataIntact = end.result == CommandResult::Done && (Sim().Panel().Memory().IsEmpty());
        break;
      case Operation::Information: {
        const StatusResult status = commands.Information();
        end.result = status.result;
        end.dataIntact = end.result == CommandResult::Done &&
                         (status.status.model == kModelOv200 && status.status.firmware == "B.2" &&
                          status.status.hasDriver && status.status.driverManufacturer == 1);
        break;
      }
      case Operation::PanelFirmware:
        end.result = commands.UpgradeFirmware(panelImage_.string());
        end.dataIntact = end.result == CommandResult::Done &&
                         (Sim().Panel().Firmware().letter == 'C' && !Sim().Panel().InLoader());
        break;
      case Operation::MuxFirmware:
        end.result = commands.UpgradeMuxFirmware(muxImage_.string());
        end.dataIntact =
            end.result == CommandResult::Done && (Sim().Multiplexer().Firmware().letter == 'D');
        break;
    }
    Sim().SetCommandHook(nullptr);
    const bool readSucceeded =
        (operation == Operation::Read || operation == Operation::MultiPanelRead) &&
        end.result == CommandResult::Done;
    end.projectKept = readSucceeded || document.Equals(before);
    end.error = commands.LastError();
    end.commands = Sim().CommandCount();
    end.elapsed_ms = Sim().Elapsed_ms();
    end.runaway = runaway;
    return end;
  }

  MatrixOwner owner_;
  std::vector<int> replyCodes_;  // of the last run
  std::filesystem::path traceDir_ = MakeTempDir("matrix-trace");
  TOvProject single_;
  TOvProject multi_;
  TOvProject multiRead_;
  sim::MultiplexerMemory readMuxMemory_;
  sim::PanelMemory readPortMemory_;
  sim::PanelMemory singleMemory_;
  sim::MultiplexerMemory muxMemory_;
  sim::PanelMemory port2Memory_;
  sim::PanelMemory port4Memory_;
  std::filesystem::path panelImage_;
  std::filesystem::path muxImage_;
};

// The plan that puts the fault on exchange step; the cancel goes through the
// job instead.
sim::FaultPlan PlanFor(const Fault& fault, int step) {
  switch (fault.kind) {
    case FaultKind::Drop:
      return {.dropReplyTo = {step}};
    case FaultKind::Crc:
      return {.corruptCrcOf = {step}};
    case FaultKind::Stray:
      return {.strayBytes = 40, .strayReply = step};
    case FaultKind::Refuse:
      return {.refuseCommand = {{step, fault.error}}};
    case FaultKind::Silence:
      // Silent from the step on: nothing from it is answered or carried
      // out (from the first step on, RunOnce puts a silent device there).
      return {.stopAfter = step - 1};
    case FaultKind::UnknownCode:
      return {.unknownCodeOn = {step}};
    case FaultKind::Unplug:
      return {.unplugAt = step};
    case FaultKind::Cancel:
      return {};
  }
  return {};
}

// The class of a reported error, for the counts.
std::string ErrorClass(const std::string& error) {
  if (error.find("Error C009") != std::string::npos) {
    return "error: time-out (C009)";
  }
  if (error.find("Error C008") != std::string::npos) {
    return "error: checksum (C008)";
  }
  if (error.find(LoadString(strings::kUnknownError)) != std::string::npos) {
    return "error: unknown reply";
  }
  for (const uint8_t code : kDeviceErrorCodes) {
    if (error.find(ErrorCodeText(code)) != std::string::npos) {
      return "error: refusal " + std::to_string(code);
    }
  }
  return "error: " + error.substr(0, error.find('\n'));
}

TEST_P(FaultMatrixTest, EveryFaultAtEveryExchange) {
  const Operation operation = GetParam();
  // A clean run counts the exchanges and proves the checks hold without a
  // fault.
  const RunEnd clean = RunOnce(operation, {}, 0, 10'000);
  ASSERT_EQ(clean.result, CommandResult::Done) << clean.error;
  ASSERT_TRUE(clean.dataIntact);
  ASSERT_TRUE(clean.projectKept);
  const int steps = clean.commands;
  ASSERT_GT(steps, 0);
  const std::vector<int> cleanReplies = replyCodes_;
  ASSERT_EQ(cleanReplies.size(), static_cast<size_t>(steps));
  // Single faults cost a retry or end the operation; the longest wait the
  // program has is the firmware loader's start (500 polls of 100 ms, each
  // tried twice): bounds well above both.
  const int limit = 3 * steps + 1100;
  const uint64_t timeLimit_ms = clean.elapsed_ms + 150'000;
  // Long sequences (the reads go through every message number) get one
  // fault per exchange, the fault turning with the exchange so that every
  // fault meets every part of the sequence; short ones get every fault at
  // every exchange. ORVANE_FULL_FAULT_MATRIX=1 gives every operation the
  // whole product.
  const bool full =
      steps <= kFullProductSteps || std::getenv("ORVANE_FULL_FAULT_MATRIX") != nullptr;

  std::map<std::string, int> outcomes;
  int runs = 0;
  int wrong = 0;
  const std::vector<Fault> faults = AllFaults();
  int faultsApplied = 0;
  std::vector<Fault> applicable;
  for (const Fault& fault : faults) {
    if (fault.kind != FaultKind::Cancel || Cancellable(operation)) {
      applicable.push_back(fault);
    }
  }
  faultsApplied = static_cast<int>(applicable.size());
  for (size_t index = 0; index < applicable.size(); ++index) {
    const Fault& fault = applicable[index];
    for (int step = 1; step <= steps; ++step) {
      if (!full && static_cast<size_t>(step) % applicable.size() != index) {
        continue;
      }
      SCOPED_TRACE(FaultName(fault) + " at exchange " + std::to_string(step));
      const bool silentDevice = fault.kind == FaultKind::Silence && step == 1;
      const RunEnd run = RunOnce(operation, PlanFor(fault, step),
                                 fault.kind == FaultKind::Cancel ? step : 0, limit, silentDevice);
      ++runs;
      bool ok = true;
      const auto fail = [&](const std::string& why) {
        ADD_FAILURE() << why << " (result " << static_cast<int>(run.result) << ", error \""
                      << run.error << "\")";
        ok = false;
      };
      if (run.runaway || run.elapsed_ms > timeLimit_ms) {
        fail("ran past the time-outs");
      }
      if (!run.projectKept) {
        fail("the project on the PC changed");
      }
      std::string outcome;
      if (run.result == CommandResult::Done) {
        outcome = "success, verified";
        if (!run.dataIntact || !run.error.empty()) {
          fail("false success");
        }
      } else if (run.result == CommandResult::Cancelled) {
        outcome = "cancelled";
        if (fault.kind != FaultKind::Cancel || !run.error.empty()) {
          fail("cancelled without a cancel");
        }
      } else {
        outcome = ErrorClass(run.error);
        std::string expected;
        switch (fault.kind) {
          case FaultKind::Drop:
          case FaultKind::Crc:
          case FaultKind::Stray:
          case FaultKind::Cancel:
            expected = "success or cancelled";
            break;
          case FaultKind::Refuse:
            expected = ErrorCodeText(fault.error);
            break;
          case FaultKind::Silence:
          case FaultKind::Unplug:
            expected = "Error C009";
            break;
          case FaultKind::UnknownCode:
            expected = LoadString(strings::kUnknownError);
            break;
        }
        // In place of a reply that carries data (a status, a record, a
        // block), a refusal or an unknown reply is no answer of that kind:
        // the status check reports the device as not the configured one
        // (C001), or as not answering when the read looks for a panel and
        // then for a multiplexer; other reads report "Unknown Error".
        const bool dataReply = cleanReplies[static_cast<size_t>(step - 1)] != kStandardReplyCode;
        const bool documented =
            dataReply &&
            (fault.kind == FaultKind::Refuse || fault.kind == FaultKind::UnknownCode) &&
            (run.error.find(LoadString(strings::kUnknownError)) != std::string::npos ||
             run.error.find(LoadString(strings::kC001)) != std::string::npos ||
             run.error.find(LoadString(strings::kC001Multiplexer)) != std::string::npos ||
             run.error.find("Error C009") != std::string::npos);
        if (run.error.find(expected) == std::string::npos && !documented) {
          fail("not the error for the fault, expected \"" + expected + "\"");
        }
      }
      ++outcomes[outcome];
      wrong += ok ? 0 : 1;
    }
  }
  std::cout << "[ MATRIX   ] " << OperationName(operation) << ": " << faultsApplied << " faults x "
            << steps << " exchanges = " << runs << " runs;";
  for (const auto& [outcome, count] : outcomes) {
    std::cout << " " << outcome << " " << count << ";";
  }
  std::cout << " wrong " << wrong << "\n";
  RecordProperty("runs", runs);
  Tally& t = Totals();
  std::lock_guard<std::mutex> lock(t.mutex);
  t.runs += runs;
  t.steps += steps;
  t.faults = static_cast<int>(faults.size());
  ++t.operations;
  t.wrong += wrong;
  for (const auto& [outcome, count] : outcomes) {
    t.outcomes[outcome] += count;
  }
}

INSTANTIATE_TEST_SUITE_P(Operations, FaultMatrixTest,
                         ::testing::Values(Operation::Write, Operation::Read, Operation::Verify,
                                           Operation::Clear, Operation::Information,
                                           Operation::PanelFirmware, Operation::MuxFirmware,
                                           Operation::MultiPanelWrite, Operation::MultiPanelRead),
                         [](const ::testing::TestParamInfo<Operation>& info) {
                           return OperationName(info.param);
                         });

}  // namespace
}  // namespace orvane::testing
