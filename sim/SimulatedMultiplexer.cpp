#include "sim/SimulatedMultiplexer.h"

#include "sim/PlcAttributeRecords.h"
#include "sim/TagList.h"

namespace orvane::sim {
namespace {

namespace p = protocol;

constexpr uint8_t kNoPayloadLength = 6;
constexpr uint8_t kSwitchPortLength = 7;
constexpr uint8_t kMultiplexerFamily = '4';
constexpr size_t kInnerChecksumSize = 2;

void AppendLittleEndian32(Bytes& bytes, uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) {
    bytes.push_back(static_cast<uint8_t>(value >> shift));
  }
}

}  // namespace

SimulatedMultiplexer::SimulatedMultiplexer(const MultiplexerSettings& settings)
    : settings_(settings) {
  firmware_.letter = settings.firmwareLetter;
  firmware_.number = settings.firmwareNumber;
}

bool SimulatedMultiplexer::AttachPanel(int port, const PanelSettings& settings) {
  if (port < 1 || port > kMultiplexerPortCount) {
    return false;
  }
  panels_[port] = std::make_unique<SimulatedPanel>(settings, true);
  return true;
}

void SimulatedMultiplexer::DetachPanel(int port) {
  if (port >= 1 && port <= kMultiplexerPortCount) {
    panels_[port].reset();
  }
}

SimulatedPanel* SimulatedMultiplexer::Panel(int port) {
  return port >= 1 && port <= kMultiplexerPortCount ? panels_[port].get() : nullptr;
}

const SimulatedPanel* SimulatedMultiplexer::Panel(int port) const {
  return port >= 1 && port <= kMultiplexerPortCount ? panels_[port].get() : nullptr;
}

size_t SimulatedMultiplexer::SpaceFor(size_t replaced_size) const {
  return SpaceLeft(settings_.memoryBytes, memory_.UsedBytes(), replaced_size);
}

std::optional<Bytes> SimulatedMultiplexer::Answer(std::span<const uint8_t> frame) {
  const CommandFrame command(frame);
  if (inBootLoader_) {
    return AnswerBootLoader(command);
  }
  // The port switch is always the multiplexer's own, whatever the route.
  if (command.Code() == p::kSwitchPort) {
    return SwitchPort(command);
  }
  if (routedPort_ != 0) {
    // The line goes through to the panel; with no panel there, nobody answers.
    SimulatedPanel* panel = Panel(routedPort_);
    if (panel == nullptr) {
      return std::nullopt;
    }
    return panel->Answer(frame);
  }
  return AnswerOwn(command);
}

std::optional<Bytes> SimulatedMultiplexer::AnswerOwn(const CommandFrame& command) {
  const bool noPayload = command.Length() == kNoPayloadLength;
  switch (command.Code()) {
    case p::kStatusId:
      return noPayload ? RecordReply(p::kStatusReply, StatusRecord())
                       : StandardReply(codes::kInvalidMessageLength);
    case p::kClearMemory:
      return noPayload ? ClearMemory() : StandardReply(codes::kInvalidMessageLength);
    case p::kWriteTags:
      return WriteTags(command);
    case p::kReadTags:
      return tagSender_.Take(command, memory_.tagStream);
    case p::kWriteMuxPlcAttributes:
      return WritePlcStream(command);
    case p::kReadMuxPlcAttributes:
      if (memory_.plcStream.empty()) {
        // No block: an empty one, nothing but its (raised) length field.
        return plcSender_.Take(command, Bytes{0x04, 0x00});
      }
      return plcSender_.Take(command, memory_.plcStream);
    case p::kLoadPlcDriver:
      return LoadDriver(command);
    case p::kExecBoot:
      if (!noPayload) {
        return StandardReply(codes::kInvalidMessageLength);
      }
      inBootLoader_ = true;
      firmwareLoader_.Reset();
      return StandardReply(codes::kOk);
    case p::kLoadExec:
      // Firmware goes only into the boot loader.
      return StandardReply(codes::kStartLoadNotRequested);
    default:
      return StandardReply(codes::kInvalidMessageCode);
  }
}

std::optional<Bytes> SimulatedMultiplexer::AnswerBootLoader(const CommandFrame& command) {
  const bool noPayload = command.Length() == kNoPayloadLength;
  switch (command.Code()) {
    case p::kStatusId:
      return noPayload ? RecordReply(p::kStatusReply, StatusRecord())
                       : StandardReply(codes::kInvalidMessageLength);
    case p::kExecBoot:
      if (!noPayload) {
        return StandardReply(codes::kInvalidMessageLength);
      }
      firmwareLoader_.Reset();
      return StandardReply(codes::kOk);
    case p::kLoadExec:
      return LoadFirmware(command);
    case p::kExecExec:
      if (!noPayload) {
        return StandardReply(codes::kInvalidMessageLength);
      }
      // Starts the image just loaded, or the one in the flash when no whole
      // image came.
      firmwareLoader_.Start(firmware_);
      inBootLoader_ = false;
      routedPort_ = 0;
      return StandardReply(codes::kOk);
    default:
      return StandardReply(codes::kInvalidMessageCode);
  }
}

Bytes SimulatedMultiplexer::StatusRecord() const {
  const std::optional<StandInHeader> driver = DriverHeader(memory_.driverImage);
  Bytes record = {kMultiplexerFamily, 0x00, 0x00, static_cast<uint8_t>(firmware_.letter),
                  firmware_.number};
  AppendLittleEndian32(record, static_cast<uint32_t>(memory_.UsedBytes()));
  AppendLittleEndian32(record, settings_.memoryBytes);
  record.push_back(driver ? driver->manufacturer : 0);
  record.push_back(driver ? driver->plcModel : 0);
  record.push_back(driver ? static_cast<uint8_t>(driver->driverRevision) : 0);
  record.push_back(0x00);
  record.push_back(0x00);
  return record;
}

Bytes SimulatedMultiplexer::SwitchPort(const CommandFrame& command) {
  if (command.Length() != kSwitchPortLength) {
    return StandardReply(codes::kInvalidMessageLength);
  }
  const uint8_t port = command.At(p::kPayloadOffset);
  if (port > kMultiplexerPortCount) {
    return StandardReply(codes::kInvalidByte);
  }
  routedPort_ = port;
  return StandardReply(codes::kOk);
}

Bytes SimulatedMultiplexer::ClearMemory() {
  memory_.Clear();
  tagReceiver_.Abandon();
  plcReceiver_.Abandon();
  driverReceiver_.Abandon();
  tagSender_.Reset();
  plcSender_.Reset();
  return StandardReply(codes::kOk);
}

Bytes SimulatedMultiplexer::WriteTags(const CommandFrame& command) {
  return tagReceiver_.TakeInto(
      command, SpaceFor(memory_.tagStream.size()),
      [](Bytes& stream) { return CheckTagStream(stream, false, kMaxMultiplexerTagEntries); },
      memory_.tagStream);
}

Bytes SimulatedMultiplexer::WritePlcStream(const CommandFrame& command) {
  // The stream carries its checksum, which is not stored.
  const BlockReceiver::Result result =
      plcReceiver_.Take(command, SpaceFor(memory_.plcStream.size()) + kInnerChecksumSize);
  if (!result.completed) {
    return StandardReply(result.error);
  }
  Bytes stream = plcReceiver_.TakeStream();
  if (const uint8_t error = CheckMultiplexerPlcStream(stream); error != codes::kOk) {
    return StandardReply(error);
  }
  stream.resize(stream.size() - kInnerChecksumSize);
  memory_.plcStream = std::move(stream);
  return StandardReply(codes::kOk);
}

Bytes SimulatedMultiplexer::LoadDriver(const CommandFrame& command) {
  return driverReceiver_.TakeInto(command, SpaceFor(memory_.driverImage.size()),
                                  DriverImageCheck(ImageKind::MultiplexerDriver),
                                  memory_.driverImage);
}

Bytes SimulatedMultiplexer::LoadFirmware(const CommandFrame& command) {
  const auto fits = [](const std::optional<StandInHeader>& header) {
    return header && header->kind == ImageKind::MultiplexerFirmware &&
                   IsRevisionLetter(header->firmwareLetter)
               ? codes::kOk
               : codes::kFirmwareMismatch;
  };
  // The multiplexer's loader takes the first 50 bytes with the start block.
  return StandardReply(
      firmwareLoader_.Take(command, kMultiplexerFirmwareCapacity, fits, true).error);
}

}  // namespace orvane::sim
