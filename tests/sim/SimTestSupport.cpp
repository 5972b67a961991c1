#include "tests/sim/SimTestSupport.h"

#include "link/BaudRate.h"
#include "link/BlockCommands.h"
#include "link/BlockReplies.h"
#include "link/Crc16.h"
#include "link/StandardReplies.h"
#include "sim/StandInFiles.h"

namespace orvane::sim::testing {
namespace {

void Append16(Bytes& bytes, uint16_t value) {
  bytes.push_back(static_cast<uint8_t>(value >> 8));
  bytes.push_back(static_cast<uint8_t>(value & 0xFF));
}

void Append32(Bytes& bytes, uint32_t value) {
  Append16(bytes, static_cast<uint16_t>(value >> 16));
  Append16(bytes, static_cast<uint16_t>(value & 0xFFFF));
}

void AppendText(Bytes& bytes, const std::string& text, size_t size) {
  for (size_t i = 0; i < size; ++i) {
    bytes.push_back(i < text.size() ? static_cast<uint8_t>(text[i]) : ' ');
  }
}

Bytes Raised(const Bytes& block) {
  Bytes raised = block;
  const size_t length = block.size() + 2;
  raised[0] = static_cast<uint8_t>(length & 0xFF);
  raised[1] = static_cast<uint8_t>(length >> 8);
  return raised;
}

}  // namespace

bool RawCommand::FillPayload(FrameBuffer frame) {
  if (payload_.size() > 249) {
    return false;
  }
  frame[1] = static_cast<uint8_t>(payload_.size() + 6);
  std::copy(payload_.begin(), payload_.end(), frame.begin() + 5);
  return true;
}

BaudRateScope::BaudRateScope(int baud_rate) : saved_(BaudRateSetting()) {
  SetBaudRateSetting(baud_rate);
}

BaudRateScope::~BaudRateScope() {
  SetBaudRateSetting(saved_);
}

SimLink::SimLink(InProcessSimulator& simulator, int baud_rate, ResponseContext context)
    : baud_(baud_rate), link_(std::make_unique<TOvXComm>(simulator.Connect(), "COM1", context)) {}

int SimLink::Acknowledge(TOvXCmd& command) {
  const std::unique_ptr<TOvXResp> reply = Send(command);
  const auto* standard = As<TOvStdResp>(reply);
  return standard != nullptr ? standard->ErrorCode() : -1;
}

int SimLink::Acknowledge(uint8_t code, Bytes payload) {
  RawCommand command(code, std::move(payload));
  return Acknowledge(command);
}

int SimLink::WriteBlocks(uint8_t code, const Bytes& stream) {
  constexpr uint32_t kBlock = 50;
  TOvBlockWriteCmd start(code, 1, stream, 0, 0, 0);
  if (const int error = Acknowledge(start); error != 0) {
    return error;
  }
  uint8_t sequence = 1;
  uint32_t offset = 0;
  for (; offset + kBlock <= stream.size(); offset += kBlock, ++sequence) {
    TOvBlockWriteCmd data(code, 0, stream, sequence, offset, offset + kBlock);
    if (const int error = Acknowledge(data); error != 0) {
      return error;
    }
  }
  TOvBlockWriteCmd end(code, 2, stream, sequence, offset, static_cast<uint32_t>(stream.size()));
  return Acknowledge(end);
}

std::optional<Bytes> SimLink::ReadBlocks(uint8_t code) {
  Bytes stream;
  uint8_t sequence = 0;
  for (uint8_t phase = 1;; phase = 0, ++sequence) {
    TOvBlockReadCmd request(code, phase, sequence);
    const std::unique_ptr<TOvXResp> reply = Send(request);
    const auto* block = As<TOvBlockResp>(reply);
    if (block == nullptr) {
      return std::nullopt;
    }
    stream.insert(stream.end(), block->Data().begin(), block->Data().end());
    if (block->IsLastBlock()) {
      return stream;
    }
  }
}

Bytes TextRecord(uint16_t number, const std::string& text, uint16_t tag1, uint16_t tag2,
                 uint16_t tag3, uint8_t flags) {
  Bytes record;
  Append16(record, number);
  AppendText(record, text, 20);
  record.push_back(0);  // folder
  record.push_back(0);  // depth
  Append16(record, tag1);
  Append16(record, tag2);
  Append16(record, tag3);
  record.push_back(1);  // local password
  record.push_back(1);  // limits
  Append32(record, 9999);
  Append32(record, 10);
  Append16(record, 0xFFFF);
  record.push_back(flags);
  return record;
}

Bytes SetPointRecord(uint16_t number, const std::string& text, uint16_t tag) {
  Bytes record;
  Append16(record, number);
  AppendText(record, text, 16);
  record.push_back(0xFF);
  record.push_back(0x00);
  Append16(record, tag);
  record.push_back(2);  // decimals
  record.push_back(1);  // limits
  Append32(record, 99999999);
  Append32(record, 0);
  Append16(record, 0xFFFF);
  record.push_back(0x04);  // read only
  return record;
}

Bytes BlankRecord(uint16_t number, size_t record_size) {
  Bytes record;
  Append16(record, number);
  record.resize(record_size, 0xFF);
  return record;
}

Bytes SystemRecord() {
  Bytes record = {0x00};
  Append16(record, 1);       // button word
  Append16(record, 2);       // LED word
  Append16(record, 0xFFFF);  // annunciator word
  Append16(record, 0x825B);  // key/LED word
  Append16(record, 3);       // password register
  Append32(record, 4321);    // local password
  for (uint16_t line : {4, 5, 0xFFFF, 0xFFFF}) {
    Append16(record, line);
  }
  for (uint8_t action : {0, 1, 2, 0, 1}) {
    record.push_back(action);
  }
  Append16(record, 12);  // first message number
  record.push_back(0x03);
  return record;
}

Bytes TagStream(uint16_t count, uint8_t address_length) {
  Bytes stream;
  Append16(stream, count);
  stream.push_back(address_length);
  static constexpr uint8_t kTypes[] = {8, 5, 9, 6};
  for (uint16_t entry = 0; entry < count; ++entry) {
    const uint8_t type = kTypes[entry % 4];
    stream.push_back(static_cast<uint8_t>(entry % 3));
    stream.push_back(type);
    stream.push_back(type == 9 || type == 6 ? 4 : 2);
    for (uint8_t i = 0; i < address_length; ++i) {
      stream.push_back(static_cast<uint8_t>(entry * 7 + i));
    }
  }
  return stream;
}

Bytes PlcBlock(size_t size) {
  Bytes block(size);
  block[0] = static_cast<uint8_t>(size & 0xFF);
  block[1] = static_cast<uint8_t>(size >> 8);
  for (size_t i = 2; i < size; ++i) {
    block[i] = static_cast<uint8_t>(i * 13 + 1);
  }
  return block;
}

Bytes SinglePanelPlcRecord(const Bytes& block) {
  Bytes record = Raised(block);
  const uint16_t crc = CalcCrc16(record);
  record.push_back(static_cast<uint8_t>(crc >> 8));
  record.push_back(static_cast<uint8_t>(crc & 0xFF));
  return record;
}

Bytes MultiPanelPlcRecord(const Bytes& block) {
  const Bytes raised = Raised(block);
  const uint16_t crc = CalcCrc16(raised);
  // The checksum goes in right after the length field.
  Bytes record = raised;
  record.insert(record.begin() + 2, static_cast<uint8_t>(crc >> 8));
  record.insert(record.begin() + 2, static_cast<uint8_t>(crc & 0xFF));
  return record;
}

Bytes MultiplexerPlcStream(const Bytes& block) {
  Bytes stream = Raised(block);
  const uint16_t crc = CalcCrc16(stream);
  stream.push_back(static_cast<uint8_t>(crc & 0xFF));
  stream.push_back(static_cast<uint8_t>(crc >> 8));
  return stream;
}

Bytes StandInPanelDriver(uint8_t manufacturer, uint8_t model, char revision, size_t length) {
  return MakeStandInImage(
      MakeDriverHeader(ImageKind::PanelDriver, manufacturer, model, revision, "test driver"),
      length);
}

Bytes StandInPanelFirmware(int panel_model, char letter, uint8_t number, size_t length) {
  return MakeStandInImage(MakePanelFirmwareHeader(panel_model, letter, number), length);
}

Bytes StandInMultiplexerFirmware(char letter, uint8_t number, size_t length) {
  return MakeStandInImage(MakeMultiplexerFirmwareHeader(letter, number), length);
}

}  // namespace orvane::sim::testing
