#include "link/TOvExec.h"

#include <numeric>

namespace orvane {
namespace {

enum RecordType : uint8_t {
  kData = 0x00,
  kEndOfFile = 0x01,
  kExtendedSegmentAddress = 0x02,
  kStartSegmentAddress = 0x03,
  kExtendedLinearAddress = 0x04,
  kStartLinearAddress = 0x05,
};

// Count, two address bytes, type, checksum.
constexpr size_t kRecordOverhead = 5;

}  // namespace

TOvExec::TOvExec(std::istream& file, uint32_t start_address) : HexRecordImage(file, start_address) {
  for (;;) {
    ReadLine();  // at the end of the file the line is empty, which fails below
    const LineResult result = ParseLine();
    if (result == LineResult::Invalid) {
      Invalidate();
      return;
    }
    if (result == LineResult::End) {
      return;
    }
  }
}

TOvExec::LineResult TOvExec::ParseLine() {
  const std::string& line = Line();
  if (line.empty() || line[0] != ':') {
    return LineResult::Invalid;
  }
  const auto bytes = HexBytes(line, 1);
  if (!bytes || bytes->size() < kRecordOverhead || bytes->size() != kRecordOverhead + (*bytes)[0]) {
    return LineResult::Invalid;
  }
  const unsigned sum = std::accumulate(bytes->begin(), bytes->end(), 0u);
  if (sum % 256 != 0) {
    return LineResult::Invalid;
  }
  const uint32_t address = uint32_t{(*bytes)[1]} << 8 | (*bytes)[2];
  lastRecordType_ = (*bytes)[3];
  const std::span<const uint8_t> data(bytes->data() + 4, (*bytes)[0]);

  switch (lastRecordType_) {
    case kData:
      return PlaceData(address, data) ? LineResult::Continue : LineResult::Invalid;
    case kEndOfFile:
      return LineResult::End;
    case kExtendedSegmentAddress:
    case kExtendedLinearAddress:
      if (data.size() == 2 && data[0] == 0 && data[1] == 0) {
        return LineResult::Continue;
      }
      return LineResult::Invalid;
    case kStartSegmentAddress:
    case kStartLinearAddress:
      return LineResult::Continue;
    default:
      return LineResult::Invalid;
  }
}

}  // namespace orvane
