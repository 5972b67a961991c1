// The transfer tests' world: an install directory with the SLC 500 driver
// and stand-in driver images, an in-process simulated device, projects on
// the real driver, and a transfer run on the worker thread with every
// notification recorded.
#pragma once

#include <cstdint>
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
#include "transfer/TransferJob.h"

namespace orvane::testing {

using Bytes = std::vector<uint8_t>;

/// Records the waits instead of sleeping.
class RecordingClock : public TransferClock {
 public:
  void Wait_ms(uint32_t duration_ms) override;
  std::vector<uint32_t> Waits() const;

 private:
  mutable std::mutex mutex_;
  std::vector<uint32_t> waits_;
};

/// What one operation posted, in order.
struct TransferRun {
  std::vector<TransferNotification> notes;
  bool finished = false;

  std::vector<std::string> Errors() const;
  /// Stages of the progress notifications, 0 and repeats left out.
  std::vector<int32_t> Stages() const;
  /// Texts of the progress notifications, repeats left out.
  std::vector<std::string> Texts() const;
};

/// Called on the worker's thread for every notification, before it is
/// recorded: the place to cancel at an exact point.
using NotificationHook = std::function<void(TransferJob&, const TransferNotification&)>;
/// A hook that cancels at the first progress notification for which
/// when() holds.
NotificationHook CancelWhen(std::function<bool(const TransferJobState&)> when);

/// Rewrites the family byte of status replies while the device is routed
/// to one port (0: the device on the line itself), so it reports a type no
/// panel has.
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

class TransferTest : public ::testing::Test {
 protected:
  TransferTest();
  ~TransferTest() override;

  void UseDevice(std::unique_ptr<sim::SimulatedDevice> device);
  void UsePanel(int model, char firmwareLetter = 'B');
  void UseMultiplexer(const std::vector<std::pair<int, sim::PanelSettings>>& panels);
  sim::InProcessSimulator& Sim() { return *sim_; }
  /// Frames the device received ("<-") or sent ("->"), in order; only
  /// those with the message code when code is not negative.
  std::vector<Bytes> Logged(const std::string& direction, int code = -1) const;
  bool LogHas(const std::string& line) const;

  /// A project bound to the SLC 500 driver with its default attributes and
  /// one panel of the model.
  TOvProject NewProject(int32_t model);
  /// The same as a multi-panel system with panels of the models on the
  /// ports.
  TOvProject NewMultiPanelProject(const std::vector<std::pair<int32_t, int32_t>>& portModels);
  /// A project with messages, keys, LEDs and line registers in use; model 3
  /// adds passwords and the annunciator, model 5 is set point entries.
  TOvProject FullProject(int32_t model);
  /// Fills a panel of a project with PLC messages 3 and 7, a folder with a
  /// local message, LEDs, keys and line registers.
  void FillTextPanel(TOvProject& project, TOvPanel& panel);
  /// The address validated by the driver, as an address field stores it.
  void SetAddress(TOvProject& project, TOvTag& tag, const std::string& text,
                  uint32_t dataType = kDataTypeBinary16);
  TOvMessage& AddMessage(TOvPanel& panel, int32_t number, bool plc, const std::string& text);

  /// Runs one operation on the worker thread and waits for it.
  TransferRun Run(int32_t operation, TOvProject* project, const std::string& file = {},
                  const NotificationHook& hook = nullptr);
  TransferRun Write(TOvProject& project, const NotificationHook& hook = nullptr);
  TransferRun Read(TOvProject& project, const NotificationHook& hook = nullptr);

  /// A stand-in image file in the test's folder.
  std::filesystem::path ImageFile(const std::string& name, const sim::StandInHeader& header,
                                  size_t length);
  /// The install's driver folder, and its stand-in images written anew: a
  /// panel driver of exactly 100 bytes (two data blocks and an empty end
  /// block), the multiplexer's driver and the driver behind a multiplexer.
  std::filesystem::path DriverDir() const { return install_.Dir() / "driver"; }
  void InstallDriverImages();

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

/// The standard reply texts of the link, for expectations.
inline constexpr const char* kTimeoutText =
    "Error C009: Time out Error.\n\nMake sure Panel is in Setup Mode.\nTo enter Setup Mode, "
    "press the up and down arrow keys\nsimultaneously.";

}  // namespace orvane::testing
