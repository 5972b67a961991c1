#include "sim/PlcAttributeRecords.h"

#include "link/Crc16.h"

namespace orvane::sim {
namespace {

constexpr size_t kLengthFieldSize = 2;
constexpr size_t kChecksumSize = 2;

uint16_t LittleEndian16(std::span<const uint8_t> bytes) {
  return static_cast<uint16_t>(bytes[0] | bytes[1] << 8);
}

// Whether the record is at least a length field and a checksum long and its
// length field (raised by 2) is its own length.
bool LengthFits(std::span<const uint8_t> bytes) {
  return bytes.size() >= kLengthFieldSize + kChecksumSize && LittleEndian16(bytes) == bytes.size();
}

Bytes WithLength(std::span<const uint8_t> rest, size_t length) {
  Bytes block = {static_cast<uint8_t>(length & 0xFF), static_cast<uint8_t>(length >> 8)};
  block.insert(block.end(), rest.begin(), rest.end());
  return block;
}

}  // namespace

uint8_t CheckPlcRecord(std::span<const uint8_t> payload, PlcRecordForm form) {
  if (!LengthFits(payload)) {
    return codes::kInvalidMessageLength;
  }
  const size_t blockSize = payload.size() - kChecksumSize;
  uint16_t stored = 0;
  uint16_t computed = 0;
  if (form == PlcRecordForm::SinglePanel) {
    stored = static_cast<uint16_t>(payload[blockSize] << 8 | payload[blockSize + 1]);
    computed = CalcCrc16(payload.first(blockSize));
  } else {
    stored = LittleEndian16(payload.subspan(kLengthFieldSize));
    Bytes block(payload.begin(), payload.begin() + kLengthFieldSize);
    block.insert(block.end(), payload.begin() + kLengthFieldSize + kChecksumSize, payload.end());
    computed = CalcCrc16(block);
  }
  return stored == computed ? codes::kOk : codes::kInvalidByte;
}

uint8_t CheckMultiplexerPlcStream(std::span<const uint8_t> stream) {
  if (!LengthFits(stream)) {
    return codes::kInvalidMessageLength;
  }
  const size_t blockSize = stream.size() - kChecksumSize;
  const uint16_t stored = LittleEndian16(stream.subspan(blockSize));
  return stored == CalcCrc16(stream.first(blockSize)) ? codes::kOk : codes::kInvalidByte;
}

Bytes PlcBlockFromRecord(std::span<const uint8_t> payload, PlcRecordForm form) {
  if (payload.size() < kLengthFieldSize + kChecksumSize) {
    return {};
  }
  const size_t blockSize = payload.size() - kChecksumSize;
  if (form == PlcRecordForm::SinglePanel) {
    return WithLength(payload.subspan(kLengthFieldSize, blockSize - kLengthFieldSize), blockSize);
  }
  return WithLength(payload.subspan(kLengthFieldSize + kChecksumSize), blockSize);
}

Bytes PlcBlockFromStoredStream(std::span<const uint8_t> stored) {
  if (stored.size() < kLengthFieldSize) {
    return {};
  }
  return WithLength(stored.subspan(kLengthFieldSize), stored.size());
}

}  // namespace orvane::sim
