#include "tests/transfer/TransferFixture.h"

#include <algorithm>
#include <sstream>

#include "link/BaudRate.h"
#include "link/Crc16.h"
#include "link/Protocol.h"
#include "tests/support/TestPaths.h"
#include "transfer/NotificationQueue.h"
#include "transfer/TransferWorker.h"
#include "view/DocumentBinding.h"

namespace orvane::testing {
namespace {

namespace fs = std::filesystem;
namespace p = protocol;

class HookSink : public TransferSink {
 public:
  HookSink(TransferJob& job, NotificationHook hook) : job_(job), hook_(std::move(hook)) {}
  void Post(const TransferNotification& notification) override {
    if (hook_) {
      hook_(job_, notification);
    }
    queue.Post(notification);
  }
  NotificationQueue queue;

 private:
  TransferJob& job_;
  NotificationHook hook_;
};

// The values of the progress notifications, repeats left out.
template <typename Field>
auto ProgressValues(const std::vector<TransferNotification>& notes, Field field) {
  std::vector<std::decay_t<decltype(field(notes.front().state))>> values;
  for (const TransferNotification& note : notes) {
    if (note.notice == TransferNotice::Progress &&
        (values.empty() || values.back() != field(note.state))) {
      values.push_back(field(note.state));
    }
  }
  return values;
}

TOvMessage& AddMessage(TOvPanel& panel, int32_t number, bool plc, const std::string& text) {
  TOvMessage message(&panel);
  message.number = number;
  message.isPlcMessage = plc ? 1 : 0;
  message.text = text;
  return panel.AddMessage(std::move(message));
}

}  // namespace

Blocks Fields(const std::vector<Bytes>& frames, size_t offset, size_t count) {
  Blocks fields;
  for (const Bytes& frame : frames) {
    fields.emplace_back(frame.begin() + offset, frame.begin() + offset + count);
  }
  return fields;
}

// One field of every error notification.
template <typename Field>
std::vector<std::string> ErrorField(const std::vector<TransferNotification>& notes, Field field) {
  std::vector<std::string> values;
  for (const TransferNotification& note : notes) {
    if (note.notice == TransferNotice::Error) {
      values.push_back(field(note.state));
    }
  }
  return values;
}

std::vector<std::string> TransferRun::Errors() const {
  return ErrorField(notes, [](const TransferJobState& s) { return s.text; });
}

std::vector<std::string> TransferRun::ErrorDetails() const {
  return ErrorField(notes, [](const TransferJobState& s) { return s.details; });
}

std::vector<int32_t> TransferRun::Stages() const {
  std::vector<int32_t> stages = ProgressValues(notes, [](const auto& s) { return s.stage; });
  std::erase(stages, 0);
  return stages;
}

std::vector<std::string> TransferRun::Texts() const {
  return ProgressValues(notes, [](const auto& s) { return s.text; });
}

std::vector<int32_t> TransferRun::Percents() const {
  return ProgressValues(notes, [](const auto& s) { return s.percent; });
}

bool TransferRun::HasStage(int32_t stage) const {
  const std::vector<int32_t> stages = Stages();
  return std::find(stages.begin(), stages.end(), stage) != stages.end();
}

NotificationHook CancelWhen(std::function<bool(const TransferJobState&)> when) {
  return [when = std::move(when)](TransferJob& job, const TransferNotification& note) {
    if (note.notice == TransferNotice::Progress && when(note.state)) {
      job.RequestCancel();
    }
  };
}

std::optional<sim::Bytes> StatusFamilyPatch::Answer(std::span<const uint8_t> frame) {
  if (frame[p::kCodeOffset] == p::kSwitchPort) {
    routed_ = frame[p::kPayloadOffset];
  }
  std::optional<sim::Bytes> reply = inner_->Answer(frame);
  if (reply && routed_ == port_ && (*reply)[p::kCodeOffset] == p::kStatusReply) {
    sim::Bytes& bytes = *reply;
    bytes[p::kPayloadOffset] = 'X';
    const size_t length = bytes[p::kLengthOffset];
    const uint16_t crc = CalcCrc16(std::span<const uint8_t>(bytes).subspan(1, length - 2));
    bytes[length - 1] = static_cast<uint8_t>(crc & 0xFF);
    bytes[length] = static_cast<uint8_t>(crc >> 8);
  }
  return reply;
}

TransferTest::TransferTest(bool everyStagedDriver)
    : install_("transfer", false, everyStagedDriver),
      catalog_(install_.Dir() / "dll"),
      savedBaudRate_(BaudRateSetting()) {
  InstallDriverImages();
  catalog_.ScanDrivers();
}

TransferTest::~TransferTest() {
  ports_.reset();
  SetBaudRateSetting(savedBaudRate_);
}

void TransferTest::InstallDriverImages() {
  using sim::ImageKind;
  const auto write = [this](const char* name, ImageKind kind, uint8_t plc, size_t length) {
    const sim::StandInHeader header = sim::MakeDriverHeader(kind, plc, 4 * plc, 'C', name);
    std::string error;
    ASSERT_TRUE(sim::WriteStandInFile(DriverDir() / name, header, length, sim::DefaultFormat(kind),
                                      sim::DefaultStartAddress(kind), error))
        << error;
  };
  write("BriskoPanel.plx", ImageKind::PanelDriver, 1, 100);
  write("BriskoPanel.plc", ImageKind::MultiplexerDriver, 1, 120);
  write("multiplexer.plx", ImageKind::PanelBehindMultiplexerDriver, 0, 80);
}

fs::path TransferTest::ImageFile(const sim::StandInHeader& header, size_t length) {
  const fs::path path = MakeTempDir("transfer-image") / "image.hex";
  std::string error;
  EXPECT_TRUE(sim::WriteStandInFile(path, header, length, sim::DefaultFormat(header.kind),
                                    sim::DefaultStartAddress(header.kind), error))
      << error;
  return path;
}

void TransferTest::UseDevice(std::unique_ptr<sim::SimulatedDevice> device) {
  ports_.reset();
  sim_ = std::make_unique<sim::InProcessSimulator>(std::move(device));
  {
    std::lock_guard<std::mutex> lock(logMutex_);
    log_.clear();
  }
  sim_->SetLog([this](const std::string& line) {
    std::lock_guard<std::mutex> lock(logMutex_);
    log_.push_back(line);
  });
  ports_ = std::make_unique<ScopedSerialPortFactory>(sim_->PortFactory());
}

void TransferTest::UsePanel(int model, char firmwareLetter) {
  UseDevice(std::make_unique<sim::SimulatedPanel>(
      sim::PanelSettings{.model = model, .firmwareLetter = firmwareLetter}));
}

void TransferTest::UseMultiplexer(const std::vector<std::pair<int, int>>& portModels) {
  auto multiplexer = std::make_unique<sim::SimulatedMultiplexer>();
  for (const auto& [port, model] : portModels) {
    multiplexer->AttachPanel(port, {.model = model});
  }
  UseDevice(std::move(multiplexer));
}

std::vector<Bytes> TransferTest::Logged(const std::string& direction, int code) const {
  std::lock_guard<std::mutex> lock(logMutex_);
  std::vector<Bytes> frames;
  for (const std::string& line : log_) {
    if (line.rfind(direction + " ", 0) != 0) {
      continue;
    }
    Bytes frame;
    std::istringstream in(line.substr(direction.size()));
    for (std::string pair; in >> pair && pair.size() == 2 && std::isxdigit(pair[0]) != 0;) {
      frame.push_back(static_cast<uint8_t>(std::stoi(pair, nullptr, 16)));
    }
    if (code < 0 || frame.at(p::kCodeOffset) == code) {
      frames.push_back(std::move(frame));
    }
  }
  return frames;
}

bool TransferTest::LogHas(const std::string& line) const {
  std::lock_guard<std::mutex> lock(logMutex_);
  return std::find(log_.begin(), log_.end(), line) != log_.end();
}

TOvProject TransferTest::NewProject(int32_t model) {
  TOvProject project;
  AddFirstPanel(project, model);
  EXPECT_TRUE(BindNewProject(project, catalog_.Entries(), 0, ui_));
  return project;
}

TOvProject TransferTest::NewMultiPanelProject(
    const std::vector<std::pair<int32_t, int32_t>>& portModels) {
  TOvProject project = NewProject(kModelOv200);
  project.systemMode = kMultiPanelSystem;
  project.panels.clear();
  project.portTable.Clear(kFirstPort);
  for (const auto& [port, model] : portModels) {
    project.portTable.selectedPort = port;
    project.PutPanel(TOvPanel(&project, model));
    project.portTable.SetModel(port, model);
  }
  return project;
}

void TransferTest::SetAddress(TOvProject& project, TOvTag& tag, const std::string& text,
                              uint32_t dataType) {
  PlcDriver driver = project.Driver(&ui_);
  DriverAddress address;
  ASSERT_TRUE(driver.ValidateAddress(address, text, 0, static_cast<int>(dataType))) << text;
  tag.dataType = dataType;
  tag.SetPlcAddress(address.Record());
  tag.addressText = driver.AddressText(address);
}

PanelAddresses SlcAddresses() {
  return {"B3:1", "B3:2", {"N7:0", "N7:1", "N7:2", "N7:3"}, "N7:10", "N7:12", "N7:20"};
}

void TransferTest::FillTextPanel(TOvProject& project, TOvPanel& panel,
                                 const PanelAddresses& addresses) {
  SetAddress(project, panel.keysLeds.ledWord, addresses.ledWord);
  SetAddress(project, panel.keysLeds.buttonWord, addresses.buttonWord);
  panel.keysLeds.ledMode = {1, 2, 0, 1, 0};
  panel.keysLeds.buttonAction = {0, 1, 2, 0, 1};
  for (size_t line = 0; line < panel.LineRegistersInUse(); ++line) {
    SetAddress(project, panel.lineRegisters[line], addresses.lineRegisters.at(line));
  }
  TOvMessage& speed = AddMessage(panel, 3, true, "Speed " + std::string(4, kItem1Marker) + " rpm");
  SetAddress(project, speed.item1, addresses.item1);
  TOvMessage& temperature = AddMessage(panel, 7, true, "Temp " + std::string(3, kItem2Marker));
  SetAddress(project, temperature.item2, addresses.item2, kDataTypeBcd16);
  AddMessage(panel, 256, false, "Setup").isFolder = 1;
  TOvMessage& limit = AddMessage(panel, 255, false, "Limit " + std::string(8, kItem1Marker));
  limit.depth = 1;
  SetAddress(project, limit.item1, addresses.item32, kDataTypeBinary32);
  limit.item1.accessType = kAccessWriteOnly;
  panel.firstMessageNumber = 8;
  panel.beeperEnabled = false;
}

TOvProject TransferTest::FullProject(int32_t model) {
  TOvProject project = NewProject(model);
  TOvPanel& panel = project.panels.front();
  if (model == kModelOvSP) {
    SetAddress(project, panel.lineRegisters[0], "N7:0");
    for (const int32_t number : {5, 6, 9}) {
      TOvMessage& entry = AddMessage(panel, number, true, "Entry " + std::to_string(number));
      entry.setPointValue = true;
      SetAddress(project, entry.item1, "N7:" + std::to_string(40 + number), kDataTypeBcd32);
      entry.item1.fixedDecimalPoint = 2;
    }
    panel.firstMessageNumber = 5;
    return project;
  }
  FillTextPanel(project, panel);
  if (model == kModelOv200P) {
    panel.localPassword = 4321;
    SetAddress(project, panel.passwordRegister, "N7:30");
    SetAddress(project, panel.annunciatorWord, "B3:5");
    panel.messages.front().item1.passwordProtected = true;
    panel.messages.front().item1.passwordIsLocal = false;
  }
  return project;
}

TransferRun TransferTest::Run(int32_t operation, TOvProject* project, const std::string& file,
                              const NotificationHook& hook) {
  TransferJob job(operation, project, file);
  job.SetPortName("COM1");
  HookSink sink(job, hook);
  job.SetSink(&sink);
  TransferWorker worker;
  EXPECT_TRUE(worker.Start(job, TransferServices{ui_, clock_, &catalog_}));
  worker.Wait();
  TransferRun run{sink.queue.Drain(), job.IsFinished()};
  EXPECT_EQ(run.notes.back().notice, TransferNotice::Ended);
  return run;
}

TransferRun TransferTest::Write(TOvProject& project, const NotificationHook& hook) {
  SetBaudRateSetting(project.systemMode == kMultiPanelSystem ? kMultiplexerBaudRate
                                                             : kSinglePanelBaudRate);
  return Run(operations::kWriteProject, &project, {}, hook);
}

}  // namespace orvane::testing
