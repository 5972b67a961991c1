#include "link/TOvMuxExec.h"

#include <numeric>

namespace orvane {

TOvMuxExec::TOvMuxExec(std::istream& file, uint32_t start_address)
    : HexRecordImage(file, start_address) {
  while (ReadLine()) {
    const std::string& line = Line();
    if (line.empty() || (line[0] != 'S' && line[0] != 's')) {
      continue;
    }
    if (!ParseLine()) {
      Invalidate();
      return;
    }
  }
}

bool TOvMuxExec::ParseLine() {
  const std::string& line = Line();
  if (line.size() < 4 || line[0] != 'S') {
    return false;
  }
  size_t addressBytes = 0;
  switch (line[1]) {
    case '0':
    case '5':
    case '7':
    case '8':
    case '9':
      return true;
    case '1':
      addressBytes = 2;
      break;
    case '2':
      addressBytes = 3;
      break;
    case '3':
      addressBytes = 4;
      break;
    default:
      return false;
  }
  // Count, address, data and checksum.
  const auto bytes = HexBytes(line, 2);
  if (!bytes || bytes->size() < 2 + addressBytes || bytes->size() != 1u + (*bytes)[0]) {
    return false;
  }
  uint64_t address = 0;
  for (size_t i = 0; i < addressBytes; ++i) {
    address = address << 8 | (*bytes)[1 + i];
  }
  if (ExpectedAddress() == kFirmwareStart && address != kFirmwareStart) {
    return false;
  }
  const unsigned sum = std::accumulate(bytes->begin(), bytes->end() - 1, 0u);
  if (static_cast<uint8_t>(~sum) != bytes->back()) {
    return false;
  }
  const std::span<const uint8_t> data(bytes->data() + 1 + addressBytes,
                                      bytes->size() - 2 - addressBytes);
  return PlaceData(address, data);
}

}  // namespace orvane
