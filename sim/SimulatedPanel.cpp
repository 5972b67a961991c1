#include "sim/SimulatedPanel.h"

#include <algorithm>

#include "sim/MessageRecords.h"
#include "sim/PlcAttributeRecords.h"
#include "sim/SystemAttributes.h"
#include "sim/TagList.h"

namespace orvane::sim {
namespace {

namespace p = protocol;

constexpr uint8_t kNoPayloadLength = 6;
constexpr uint8_t kTextMessageLength = 49;
constexpr uint8_t kSetPointMessageLength = 41;
constexpr uint8_t kSystemAttributeLength = 37;
constexpr uint8_t kBlockReadLength = 8;
/// Block writes and message reads: offset 5 the sequence number, 6 the
/// phase.
constexpr size_t kSequenceOffset = 5;
constexpr size_t kPhaseOffset = 6;
/// The reply carries the stored record two bytes later than the write.
constexpr uint8_t kRecordReplyPadding = 2;
/// Byte 7 of the message record (frame offset 9 of the reply): 0xFF marks an
/// empty number.
constexpr uint8_t kBlank = 0xFF;

// Variant bytes that make the program's model rule give each model back.
struct ModelIdentity {
  uint8_t family;
  uint8_t variant1;
  uint8_t variant2;
  uint8_t variant3;
};

ModelIdentity IdentityOf(int model) {
  switch (model) {
    case 2:
      return {'3', 0, 8, 3};
    case 3:
      return {'3', 0, 11, 0};
    case 4:
      return {'3', 1, 0, 0};
    case 5:
      return {'7', 0, 0, 0};
    default:
      return {'3', 0, 8, 0};
  }
}

// A system attribute record of a panel nobody has set up: every tag index
// 0xFFFF (none), the key/LED word, password, key actions and flags 0, and no
// first message number (0xFFFF).
Bytes UnsetSystemAttributes() {
  Bytes record(kSystemAttributeSize, 0x00);
  auto none = [&record](size_t offset) {
    record[offset - p::kPayloadOffset] = 0xFF;
    record[offset - p::kPayloadOffset + 1] = 0xFF;
  };
  for (const size_t offset : {6, 8, 10, 14, 20, 22, 24, 26, 33}) {
    none(offset);
  }
  return record;
}

}  // namespace

int DefaultMemoryKilobytes(int model) {
  switch (model) {
    case 3:
    case 4:
      return 64;
    default:
      return 32;
  }
}

SimulatedPanel::SimulatedPanel(const PanelSettings& settings, bool behind_multiplexer)
    : settings_(settings), behindMultiplexer_(behind_multiplexer) {
  settings_.model = std::clamp(settings_.model, 1, 5);
  firmware_.letter = settings.firmwareLetter;
  firmware_.number = settings.firmwareNumber;
}

int SimulatedPanel::MemoryKilobytes() const {
  return settings_.memoryKilobytes > 0 ? std::min(settings_.memoryKilobytes, 255)
                                       : DefaultMemoryKilobytes(settings_.model);
}

size_t SimulatedPanel::MemoryCapacity() const {
  return size_t(MemoryKilobytes()) * 1024;
}

size_t SimulatedPanel::MessageRecordSize() const {
  return IsSetPointModel() ? kSetPointRecordSize : kTextRecordSize;
}

size_t SimulatedPanel::SpaceFor(size_t replaced_size) const {
  return SpaceLeft(MemoryCapacity(), memory_.UsedBytes(), replaced_size);
}

std::optional<Bytes> SimulatedPanel::Answer(std::span<const uint8_t> frame) {
  const CommandFrame command(frame);
  return inLoader_ ? AnswerLoader(command) : AnswerRunning(command);
}

std::optional<Bytes> SimulatedPanel::AnswerRunning(const CommandFrame& command) {
  const uint8_t code = command.Code();
  const bool noPayload = command.Length() == kNoPayloadLength;
  switch (code) {
    case p::kStatusId:
      return noPayload ? Status() : StandardReply(codes::kInvalidMessageLength);
    case p::kClearMemory:
      return noPayload ? ClearMemory() : StandardReply(codes::kInvalidMessageLength);
    case p::kRestart:
      return noPayload ? Restart() : StandardReply(codes::kInvalidMessageLength);
    case p::kWriteMessage:
      return WriteMessage(command);
    case p::kReadMessage:
      return ReadMessage(command);
    case p::kWriteSystemAttributes:
      return WriteSystemAttributes(command);
    case p::kReadSystemAttributes:
      return noPayload ? ReadSystemAttributes() : StandardReply(codes::kInvalidMessageLength);
    case p::kWritePlcAttributes:
      return WritePlcAttributes(command);
    case p::kReadPlcAttributes:
      return noPayload ? ReadPlcAttributes() : StandardReply(codes::kInvalidMessageLength);
    case p::kWriteTags:
      return WriteTags(command);
    case p::kReadTags:
      return tagSender_.Take(command, memory_.tagStream);
    case p::kLoadPlcDriver:
      return LoadDriver(command);
    case p::kLoadExec:
      // Firmware goes only into the loader, which a restart starts.
      return StandardReply(codes::kStartLoadNotRequested);
    default:
      return StandardReply(codes::kInvalidMessageCode);
  }
}

std::optional<Bytes> SimulatedPanel::AnswerLoader(const CommandFrame& command) {
  // The loader is still starting: it hears nothing, and counts the status
  // requests it leaves unanswered.
  if (silentLeft_ > 0) {
    if (command.Code() == p::kStatusId) {
      --silentLeft_;
    }
    return std::nullopt;
  }
  const bool noPayload = command.Length() == kNoPayloadLength;
  switch (command.Code()) {
    case p::kStatusId:
      return noPayload ? Status() : StandardReply(codes::kInvalidMessageLength);
    case p::kLoadExec:
      return LoadFirmware(command);
    case p::kRestart:
      if (!noPayload) {
        return StandardReply(codes::kInvalidMessageLength);
      }
      // Into the new firmware when the loader received a whole image. Without
      // one (an image refused or cut short) the loader starts again, as after
      // the restart of a running panel, so that the upgrade can simply be
      // repeated.
      if (!firmwareLoader_.HasImage()) {
        return Restart();
      }
      firmwareLoader_.Start(firmware_);
      inLoader_ = false;
      return StandardReply(codes::kOk);
    default:
      return StandardReply(codes::kInvalidMessageCode);
  }
}

Bytes SimulatedPanel::StatusRecord() const {
  const ModelIdentity identity = IdentityOf(settings_.model);
  const std::optional<StandInHeader> driver = DriverHeader(memory_.driverImage);
  return Bytes{identity.family,
               identity.variant1,
               identity.variant2,
               identity.variant3,
               static_cast<uint8_t>(firmware_.letter),
               firmware_.number,
               static_cast<uint8_t>(MemoryKilobytes()),
               driver ? driver->manufacturer : uint8_t{0},
               driver ? driver->plcModel : uint8_t{0},
               driver ? static_cast<uint8_t>(driver->driverRevision) : uint8_t{0},
               0x00};
}

Bytes SimulatedPanel::Status() const {
  return RecordReply(p::kStatusReply, StatusRecord());
}

Bytes SimulatedPanel::ClearMemory() {
  memory_.Clear();
  tagReceiver_.Abandon();
  driverReceiver_.Abandon();
  tagSender_.Reset();
  reading_ = false;
  readCursor_ = 0;
  return StandardReply(codes::kOk);
}

Bytes SimulatedPanel::Restart() {
  tagReceiver_.Abandon();
  driverReceiver_.Abandon();
  firmwareLoader_.Reset();
  tagSender_.Reset();
  reading_ = false;
  inLoader_ = true;
  silentLeft_ = std::max(0, settings_.loaderSilentStatusRequests);
  return StandardReply(codes::kOk);
}

Bytes SimulatedPanel::WriteMessage(const CommandFrame& command) {
  const uint8_t expected = IsSetPointModel() ? kSetPointMessageLength : kTextMessageLength;
  if (command.Length() != expected) {
    return StandardReply(codes::kInvalidMessageLength);
  }
  // The panel reads the record as it will use it, refuses what it cannot,
  // and keeps it as it would write it itself.
  const std::span<const uint8_t> payload = command.Payload();
  uint16_t number = 0;
  Bytes record;
  if (IsSetPointModel()) {
    const Decoded<SetPointEntryRecord> entry = DecodeSetPointEntry(payload);
    if (entry.error != codes::kOk) {
      return StandardReply(entry.error);
    }
    number = entry.record.number;
    record = EncodeSetPointEntry(entry.record);
  } else {
    const Decoded<TextMessageRecord> message = DecodeTextMessage(payload);
    if (message.error != codes::kOk) {
      return StandardReply(message.error);
    }
    number = message.record.number;
    record = EncodeTextMessage(message.record);
  }
  const auto existing = memory_.messages.find(number);
  const size_t replaced = existing != memory_.messages.end() ? existing->second.size() : 0;
  if (record.size() > SpaceFor(replaced)) {
    return StandardReply(codes::kInsufficientSpace);
  }
  memory_.messages[number] = std::move(record);
  return StandardReply(codes::kOk);
}

Bytes SimulatedPanel::MessageReply(uint16_t number) const {
  Bytes payload(kRecordReplyPadding, 0x00);
  const Bytes& record = memory_.messages.at(number);
  payload.insert(payload.end(), record.begin(), record.end());
  return RecordReply(p::kMessageReply, payload);
}

Bytes SimulatedPanel::EmptyMessageReply() const {
  // Padding, number 0, then 0xFF where the text begins and on to the end of
  // the record.
  Bytes payload(kRecordReplyPadding + 2, 0x00);
  payload.resize(kRecordReplyPadding + MessageRecordSize(), kBlank);
  return RecordReply(p::kMessageReply, payload);
}

Bytes SimulatedPanel::ReadMessage(const CommandFrame& command) {
  if (command.Length() != kBlockReadLength) {
    return StandardReply(codes::kInvalidMessageLength);
  }
  switch (command.At(kPhaseOffset)) {
    case p::kPhaseStart:
      reading_ = true;
      readCursor_ = 0;
      return EmptyMessageReply();
    case p::kPhaseContinue: {
      if (!reading_) {
        return StandardReply(codes::kStartDumpNotRequested);
      }
      // The sequence byte names the message asked for: request i of a read
      // carries i (0 to 256) in its 8 bits, so it is taken as the low byte
      // of the first number from the last one asked for on (a 0 after 255
      // asks for 256).
      const uint8_t low = command.At(kSequenceOffset);
      readCursor_ = static_cast<uint16_t>(readCursor_ + static_cast<uint8_t>(low - readCursor_));
      // Number 0 holds nothing; the system messages (257 and up) are the
      // panel's own and never read back.
      const auto found = memory_.messages.find(readCursor_);
      if (found == memory_.messages.end() || readCursor_ < kFirstMessageNumber ||
          readCursor_ > kLastUserMessageNumber) {
        return EmptyMessageReply();
      }
      return MessageReply(found->first);
    }
    default:
      reading_ = false;
      return StandardReply(codes::kInvalidLoadFormat);
  }
}

Bytes SimulatedPanel::WriteSystemAttributes(const CommandFrame& command) {
  if (command.Length() != kSystemAttributeLength) {
    return StandardReply(codes::kInvalidMessageLength);
  }
  const Decoded<SystemAttributes> attributes = DecodeSystemAttributes(command.Payload());
  if (attributes.error != codes::kOk) {
    return StandardReply(attributes.error);
  }
  Bytes record = EncodeSystemAttributes(attributes.record);
  const size_t replaced = memory_.systemAttributes ? memory_.systemAttributes->size() : 0;
  if (record.size() > SpaceFor(replaced)) {
    return StandardReply(codes::kInsufficientSpace);
  }
  memory_.systemAttributes = std::move(record);
  return StandardReply(codes::kOk);
}

Bytes SimulatedPanel::ReadSystemAttributes() const {
  return RecordReply(p::kSystemAttributesReply, memory_.systemAttributes ? *memory_.systemAttributes
                                                                         : UnsetSystemAttributes());
}

Bytes SimulatedPanel::WritePlcAttributes(const CommandFrame& command) {
  const std::span<const uint8_t> record = command.Payload();
  // The read reply carries the record as it came, so a record whose reply
  // would not fit the program's 70-byte receive limit cannot be kept.
  if (size_t{command.Length()} >= p::kReplyLengthLimit) {
    return StandardReply(codes::kInvalidMessageLength);
  }
  const PlcRecordForm form =
      behindMultiplexer_ ? PlcRecordForm::MultiPanel : PlcRecordForm::SinglePanel;
  if (const uint8_t error = CheckPlcRecord(record, form); error != codes::kOk) {
    return StandardReply(error);
  }
  if (record.size() > SpaceFor(memory_.plcAttributes.size())) {
    return StandardReply(codes::kInsufficientSpace);
  }
  memory_.plcAttributes.assign(record.begin(), record.end());
  return StandardReply(codes::kOk);
}

Bytes SimulatedPanel::ReadPlcAttributes() const {
  if (memory_.plcAttributes.empty()) {
    // No block: an empty one, nothing but its (raised) length field.
    const uint8_t empty[] = {0x04, 0x00};
    return RecordReply(p::kPlcAttributesReply, empty);
  }
  return RecordReply(p::kPlcAttributesReply, memory_.plcAttributes);
}

Bytes SimulatedPanel::WriteTags(const CommandFrame& command) {
  const bool indexForm = behindMultiplexer_;
  return tagReceiver_.TakeInto(
      command, SpaceFor(memory_.tagStream.size()),
      [indexForm](Bytes& stream) { return CheckTagStream(stream, indexForm, kMaxTagEntries); },
      memory_.tagStream);
}

Bytes SimulatedPanel::LoadDriver(const CommandFrame& command) {
  // A stand-in image names what it is for: a panel takes only the driver
  // meant for where it sits.
  const ImageKind wanted =
      behindMultiplexer_ ? ImageKind::PanelBehindMultiplexerDriver : ImageKind::PanelDriver;
  return driverReceiver_.TakeInto(command, SpaceFor(memory_.driverImage.size()),
                                  DriverImageCheck(wanted), memory_.driverImage);
}

Bytes SimulatedPanel::LoadFirmware(const CommandFrame& command) {
  const int model = settings_.model;
  const auto fits = [model](const std::optional<StandInHeader>& header) {
    const bool forThisPanel = header && header->kind == ImageKind::PanelFirmware &&
                              header->family == PanelFamily(model) &&
                              header->deviceModel == model &&
                              IsRevisionLetter(header->firmwareLetter);
    return forThisPanel ? codes::kOk : codes::kFirmwareMismatch;
  };
  const BlockReceiver::Result result = firmwareLoader_.Take(command, kPanelFirmwareCapacity, fits);
  if (result.completed) {
    // The new firmware is in the flash; it erased the user program.
    ClearMemory();
  }
  return StandardReply(result.error);
}

}  // namespace orvane::sim
