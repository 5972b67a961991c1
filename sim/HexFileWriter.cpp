#include "sim/HexFileWriter.h"

#include <vector>

namespace orvane::sim {
namespace {

void AppendHexByte(std::string& text, uint8_t byte) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  text += kDigits[byte >> 4];
  text += kDigits[byte & 0x0F];
}

// One Intel HEX line: ":", count, address, type, data, two's complement
// checksum of all the bytes before it.
void AppendIntelRecord(std::string& text, uint16_t address, uint8_t type,
                       std::span<const uint8_t> data) {
  std::vector<uint8_t> bytes = {static_cast<uint8_t>(data.size()),
                                static_cast<uint8_t>(address >> 8),
                                static_cast<uint8_t>(address & 0xFF), type};
  bytes.insert(bytes.end(), data.begin(), data.end());
  uint8_t sum = 0;
  text += ':';
  for (const uint8_t byte : bytes) {
    sum = static_cast<uint8_t>(sum + byte);
    AppendHexByte(text, byte);
  }
  AppendHexByte(text, static_cast<uint8_t>(-sum));
  text += '\n';
}

// One S-record line: "S", type, count of the bytes that follow (address,
// data, checksum), address, data, one's complement of the low byte of the
// sum of count, address and data.
void AppendSRecord(std::string& text, char type, uint32_t address, int address_bytes,
                   std::span<const uint8_t> data) {
  std::vector<uint8_t> bytes = {static_cast<uint8_t>(address_bytes + data.size() + 1)};
  for (int shift = 8 * (address_bytes - 1); shift >= 0; shift -= 8) {
    bytes.push_back(static_cast<uint8_t>(address >> shift));
  }
  bytes.insert(bytes.end(), data.begin(), data.end());
  uint8_t sum = 0;
  text += 'S';
  text += type;
  for (const uint8_t byte : bytes) {
    sum = static_cast<uint8_t>(sum + byte);
    AppendHexByte(text, byte);
  }
  AppendHexByte(text, static_cast<uint8_t>(~sum));
  text += '\n';
}

}  // namespace

std::optional<std::string> WriteIntelHex(std::span<const uint8_t> image, uint32_t start_address) {
  if (uint64_t{start_address} + image.size() > 0x10000) {
    return std::nullopt;
  }
  std::string text;
  for (size_t offset = 0; offset < image.size(); offset += kBytesPerRecord) {
    const size_t count = std::min(kBytesPerRecord, image.size() - offset);
    AppendIntelRecord(text, static_cast<uint16_t>(start_address + offset), 0x00,
                      image.subspan(offset, count));
  }
  AppendIntelRecord(text, 0, 0x01, {});
  return text;
}

std::optional<std::string> WriteSRecords(std::span<const uint8_t> image, uint32_t start_address,
                                         std::string_view header_text) {
  const uint64_t last = uint64_t{start_address} + (image.empty() ? 0 : image.size() - 1);
  if (last > 0xFFFFFFFFu) {
    return std::nullopt;
  }
  int addressBytes = 4;
  char dataType = '3';
  char endType = '7';
  if (last <= 0xFFFF) {
    addressBytes = 2;
    dataType = '1';
    endType = '9';
  } else if (last <= 0xFFFFFF) {
    addressBytes = 3;
    dataType = '2';
    endType = '8';
  }
  std::string text;
  const std::string_view header = header_text.substr(0, 64);
  AppendSRecord(
      text, '0', 0, 2,
      std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(header.data()), header.size()));
  for (size_t offset = 0; offset < image.size(); offset += kBytesPerRecord) {
    const size_t count = std::min(kBytesPerRecord, image.size() - offset);
    AppendSRecord(text, dataType, static_cast<uint32_t>(start_address + offset), addressBytes,
                  image.subspan(offset, count));
  }
  AppendSRecord(text, endType, start_address, addressBytes, {});
  return text;
}

}  // namespace orvane::sim
