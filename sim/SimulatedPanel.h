// A simulated text panel (models 1 to 4) or set point panel (model 5): it
// answers every command of the panel protocol as a panel would, keeps a
// project in its memory and gives it back byte for byte, and goes through
// the loader when its firmware is replaced.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

#include "sim/BlockTransfer.h"
#include "sim/DeviceMemory.h"
#include "sim/FirmwareLoader.h"
#include "sim/ImageReceiver.h"
#include "sim/SimulatedDevice.h"

namespace orvane::sim {

/// Memory size in kilobytes each model reports by default.
int DefaultMemoryKilobytes(int model);

/// The largest firmware image a panel's loader takes (its flash): 64 KB,
/// all that Intel HEX addresses from 0 can hold.
inline constexpr size_t kPanelFirmwareCapacity = 64 * 1024;

struct PanelSettings {
  int model = 1;  // 1..5
  char firmwareLetter = 'B';
  uint8_t firmwareNumber = 2;
  /// 1..255 KB; 0 takes the model's size.
  int memoryKilobytes = 0;
  /// Status requests the loader leaves unanswered after a restart.
  int loaderSilentStatusRequests = 3;
};

class SimulatedPanel : public SimulatedDevice {
 public:
  /// A panel behind a multiplexer expects the multi-panel PLC attribute
  /// record and the driver for a panel behind a multiplexer.
  explicit SimulatedPanel(const PanelSettings& settings, bool behind_multiplexer = false);

  std::optional<Bytes> Answer(std::span<const uint8_t> frame) override;
  int DefaultBaudRate() const override { return kPanelBaudRate; }

  int Model() const { return settings_.model; }
  bool IsSetPointModel() const { return settings_.model == 5; }
  bool BehindMultiplexer() const { return behindMultiplexer_; }
  /// Memory size in bytes (the reported kilobytes times 1024).
  size_t MemoryCapacity() const;
  int MemoryKilobytes() const;
  /// Size of one stored message record: 43 bytes on a text panel, 35 on the
  /// set point panel.
  size_t MessageRecordSize() const;

  PanelMemory& Memory() { return memory_; }
  const PanelMemory& Memory() const { return memory_; }
  FirmwareSlot& Firmware() { return firmware_; }
  const FirmwareSlot& Firmware() const { return firmware_; }

  /// Whether the panel is in its loader (after a restart, until the next).
  bool InLoader() const { return inLoader_; }
  /// Status requests the loader will still leave unanswered.
  int SilentStatusRequestsLeft() const { return silentLeft_; }
  void SetLoaderSilence(int status_requests) {
    settings_.loaderSilentStatusRequests = status_requests;
  }

  /// The status record (frame bytes 5 to 15): family, variant bytes,
  /// firmware revision, memory size, the driver codes of the stand-in driver
  /// image held (0 when none), one kept byte.
  Bytes StatusRecord() const;

 private:
  std::optional<Bytes> AnswerRunning(const CommandFrame& command);
  std::optional<Bytes> AnswerLoader(const CommandFrame& command);

  Bytes Status() const;
  Bytes ClearMemory();
  Bytes Restart();
  Bytes WriteMessage(const CommandFrame& command);
  Bytes ReadMessage(const CommandFrame& command);
  Bytes MessageReply(uint16_t number) const;
  Bytes EmptyMessageReply() const;
  Bytes WriteSystemAttributes(const CommandFrame& command);
  Bytes ReadSystemAttributes() const;
  Bytes WritePlcAttributes(const CommandFrame& command);
  Bytes ReadPlcAttributes() const;
  Bytes WriteTags(const CommandFrame& command);
  Bytes LoadDriver(const CommandFrame& command);
  Bytes LoadFirmware(const CommandFrame& command);
  /// What the memory can still take for a record or stream that replaces one
  /// of replaced_size bytes.
  size_t SpaceFor(size_t replaced_size) const;

  PanelSettings settings_;
  bool behindMultiplexer_ = false;
  PanelMemory memory_;
  FirmwareSlot firmware_;

  BlockReceiver tagReceiver_;
  ImageReceiver driverReceiver_;
  FirmwareLoader firmwareLoader_;
  BlockSender tagSender_;

  // Message reads: the last number asked for; reading_ after a start
  // request.
  uint16_t readCursor_ = 0;
  bool reading_ = false;

  bool inLoader_ = false;
  int silentLeft_ = 0;
};

}  // namespace orvane::sim
