// The transfer tests' world: an install directory with the SLC 500 driver
// and stand-in driver images, an in-process simulated device, projects on
// the real driver, and operations run on the worker thread with every
// notification recorded.
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "link/SerialPort.h"
#include "plchost/DriverCatalog.h"
#include "project/TOvProject.h"
#include "sim/InProcessSimulator.h"
#include "sim/StandInFiles.h"
#include "tests/support/ScriptedUserInterface.h"
#include "tests/support/TestInstall.h"
#include "transfer/TOvProjectHelper.h"

namespace orvane::testing {

using Bytes = std::vector<uint8_t>;
using Blocks = std::vector<std::vector<int>>;

inline constexpr const char* kTimeoutText =
    "Error C009: Time out Error.\n\nMake sure Panel is in Setup Mode.\nTo enter Setup Mode, "
    "press the up and down arrow keys\nsimultaneously.";

/// Sequence, phase and count of block frames, or count fields from the
/// offset on.
Blocks Fields(const std::vector<Bytes>& frames, size_t offset = 5, size_t count = 3);

/// Records the waits instead of sleeping.
class RecordingClock : public TransferClock {
 public:
  void Wait_ms(uint32_t duration_ms) override {
    std::lock_guard<std::mutex> lock(mutex_);
    waits_.push_back(duration_ms);
  }
  std::vector<uint32_t> Waits() {
    std::lock_guard<std::mutex> lock(mutex_);
    return waits_;
  }

 private:
  std::mutex mutex_;
  std::vector<uint32_t> waits_;
};

/// What one operation posted, in order.
struct TransferRun {
  std::vector<TransferNotification> notes;
  bool finished = false;

  std::vector<std::string> Errors() const;
  /// The details of the errors, in the same order.
  std::vector<std::string> ErrorDetails() const;
  /// Stages and texts of the progress notifications, repeats (and stage 0)
  /// left out.
  std::vector<int32_t> Stages() const;
  std::vector<std::string> Texts() const;
  std::vector<int32_t> Percents() const;
  bool HasStage(int32_t stage) const;
};

/// Runs on the worker's thread for every notification before it is
/// recorded: the place to cancel at an exact point.
using NotificationHook = std::function<void(TransferJob&, const TransferNotification&)>;
/// Cancels at the first progress notification for which when() holds.
NotificationHook CancelWhen(std::function<bool(const TransferJobState&)> when);

/// Rewrites the family byte of status replies while the device is routed
/// to one port (0: the device on the line), so it reports no known type.
class StatusFamilyPatch : public sim::SimulatedDevice {
 public:
  StatusFamilyPatch(std::unique_ptr<sim::SimulatedDevice> inner, int port)
      : inner_(std::move(inner)), port_(port) {}
  std::optional<sim::Bytes> Answer(std::span<const uint8_t> frame) override;
  int DefaultBaudRate() const override { return inner_->DefaultBaudRate(); }

 private:
  std::unique_ptr<sim::SimulatedDevice> inner_;
  int port_ = 0;
  int routed_ = 0;
};

/// The addresses FillTextPanel sets, in one PLC's syntax: read/write words.
struct PanelAddresses {
  std::string ledWord;
  std::string buttonWord;
  std::vector<std::string> lineRegisters;  // four
  std::string item1;                       // binary 16
  std::string item2;                       // BCD 16
  std::string item32;                      // binary 32, written by the operator
};

/// The SLC 500 driver's.
PanelAddresses SlcAddresses();

class TransferTest : public ::testing::Test {
 protected:
  TransferTest() : TransferTest(false) {}
  /// With everyStagedDriver the install holds every staged driver plug-in.
  explicit TransferTest(bool everyStagedDriver);
  ~TransferTest() override;

  void UseDevice(std::unique_ptr<sim::SimulatedDevice> device);
  void UsePanel(int model, char firmwareLetter = 'B');
  /// A multiplexer with panels of the models on the ports.
  void UseMultiplexer(const std::vector<std::pair<int, int>>& portModels);
  sim::InProcessSimulator& Sim() { return *sim_; }
  /// Frames the device received ("<-") or sent ("->"), with the message
  /// code unless code is negative.
  std::vector<Bytes> Logged(const std::string& direction, int code = -1) const;
  bool LogHas(const std::string& line) const;

  /// A panel driver of exactly 100 bytes, the multiplexer's driver and the
  /// driver behind a multiplexer, written anew into the install.
  void InstallDriverImages();
  std::filesystem::path DriverDir() const { return install_.Dir() / "driver"; }
  std::filesystem::path ImageFile(const sim::StandInHeader& header, size_t length);

  /// Bound to the SLC 500 driver with its default attributes.
  TOvProject NewProject(int32_t model);
  TOvProject NewMultiPanelProject(const std::vector<std::pair<int32_t, int32_t>>& portModels);
  /// Messages, keys, LEDs and line registers in use; model 3 adds the
  /// passwords and the annunciator, model 5 is set point entries.
  TOvProject FullProject(int32_t model);
  /// PLC messages 3 and 7, a folder with a local message, LEDs, keys and
  /// line registers, at the SLC 500 driver's addresses or the ones given.
  void FillTextPanel(TOvProject& project, TOvPanel& panel,
                     const PanelAddresses& addresses = SlcAddresses());
  void SetAddress(TOvProject& project, TOvTag& tag, const std::string& text,
                  uint32_t dataType = kDataTypeBinary16);

  /// Runs one operation on the worker thread and waits for its end.
  TransferRun Run(int32_t operation, TOvProject* project, const std::string& file = {},
                  const NotificationHook& hook = nullptr);
  /// A write at the system's baud rate, and a read.
  TransferRun Write(TOvProject& project, const NotificationHook& hook = nullptr);
  TransferRun Read(TOvProject& project, const NotificationHook& hook = nullptr) {
    return Run(operations::kReadProject, &project, {}, hook);
  }

  TestInstall install_;
  DriverCatalog catalog_;
  ScriptedUserInterface ui_;
  RecordingClock clock_;

 private:
  std::unique_ptr<sim::InProcessSimulator> sim_;
  std::unique_ptr<ScopedSerialPortFactory> ports_;
  mutable std::mutex logMutex_;
  std::vector<std::string> log_;
  int savedBaudRate_ = 0;
};

}  // namespace orvane::testing
