// A simulated multiplexer with up to five panels on its ports: it answers
// for itself on port 0 (status, its merged tag list, its PLC attribute
// stream, its driver image, its firmware) and hands every command to the
// panel on the port it was switched to.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>

#include "sim/BlockTransfer.h"
#include "sim/DeviceMemory.h"
#include "sim/FirmwareLoader.h"
#include "sim/ImageReceiver.h"
#include "sim/SimulatedDevice.h"
#include "sim/SimulatedPanel.h"

namespace orvane::sim {

inline constexpr int kMultiplexerPortCount = 5;
/// The largest firmware image the boot loader takes.
inline constexpr size_t kMultiplexerFirmwareCapacity = 256 * 1024;

struct MultiplexerSettings {
  char firmwareLetter = 'C';
  uint8_t firmwareNumber = 1;
  uint32_t memoryBytes = 128 * 1024;
};

class SimulatedMultiplexer : public SimulatedDevice {
 public:
  explicit SimulatedMultiplexer(const MultiplexerSettings& settings = {});

  /// Puts a panel on port 1..5 (replacing one there); false for another port.
  bool AttachPanel(int port, const PanelSettings& settings);
  /// Takes the panel off a port.
  void DetachPanel(int port);
  /// The panel on port 1..5, or none.
  SimulatedPanel* Panel(int port);
  const SimulatedPanel* Panel(int port) const;

  std::optional<Bytes> Answer(std::span<const uint8_t> frame) override;
  int DefaultBaudRate() const override { return kMultiplexerBaudRate; }

  /// The port commands go to: 0 the multiplexer itself.
  int RoutedPort() const { return routedPort_; }
  bool InBootLoader() const { return inBootLoader_; }
  uint32_t MemoryCapacity() const { return settings_.memoryBytes; }

  MultiplexerMemory& Memory() { return memory_; }
  const MultiplexerMemory& Memory() const { return memory_; }
  FirmwareSlot& Firmware() { return firmware_; }
  const FirmwareSlot& Firmware() const { return firmware_; }

  /// The status record (frame bytes 5 to 22, L = 24): family '4', two kept
  /// bytes, firmware revision, the bytes in use (32-bit little-endian), the
  /// memory size (32-bit little-endian), the driver codes of its stand-in
  /// driver image (0 when none), two kept bytes.
  Bytes StatusRecord() const;

 private:
  std::optional<Bytes> AnswerOwn(const CommandFrame& command);
  std::optional<Bytes> AnswerBootLoader(const CommandFrame& command);
  Bytes SwitchPort(const CommandFrame& command);
  Bytes WriteTags(const CommandFrame& command);
  Bytes WritePlcStream(const CommandFrame& command);
  Bytes LoadDriver(const CommandFrame& command);
  Bytes LoadFirmware(const CommandFrame& command);
  Bytes ClearMemory();
  size_t SpaceFor(size_t replaced_size) const;

  MultiplexerSettings settings_;
  std::array<std::unique_ptr<SimulatedPanel>, kMultiplexerPortCount + 1> panels_;
  int routedPort_ = 0;
  MultiplexerMemory memory_;
  FirmwareSlot firmware_;

  BlockReceiver tagReceiver_;
  BlockReceiver plcReceiver_;
  ImageReceiver driverReceiver_;
  FirmwareLoader firmwareLoader_;
  BlockSender tagSender_;
  BlockSender plcSender_;

  bool inBootLoader_ = false;
};

}  // namespace orvane::sim
