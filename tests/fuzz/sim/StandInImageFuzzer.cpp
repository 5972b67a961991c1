// Arbitrary bytes as the start of a driver or firmware image: the stand-in
// header reader. A header it reads makes an image that reads back to the
// same header, and that image written as the program's file (Intel HEX or
// S-records) is read by the program's image reader to the same bytes. The
// rest of the input is a firmware revision as users write it.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>

#include "link/TOvExec.h"
#include "link/TOvMuxExec.h"
#include "sim/StandInFiles.h"
#include "sim/StandInImage.h"

namespace {

using orvane::sim::StandInHeader;

bool Same(const StandInHeader& a, const StandInHeader& b) {
  return a.kind == b.kind && a.manufacturer == b.manufacturer && a.plcModel == b.plcModel &&
         a.driverRevision == b.driverRevision && a.family == b.family &&
         a.deviceModel == b.deviceModel && a.firmwareLetter == b.firmwareLetter &&
         a.firmwareNumber == b.firmwareNumber && a.name == b.name;
}

void CheckFile(const StandInHeader& header, const std::vector<uint8_t>& image) {
  const auto format = orvane::sim::DefaultFormat(header.kind);
  const uint32_t start = orvane::sim::DefaultStartAddress(header.kind);
  const auto text = orvane::sim::StandInFileText(header, image.size(), format, start);
  if (!text) {
    std::abort();
  }
  std::istringstream in(*text);
  const bool same = format == orvane::sim::RecordFormat::IntelHex
                        ? orvane::TOvExec(in, start).Image() == image
                        : orvane::TOvMuxExec(in, start).Image() == image;
  if (!same) {
    std::abort();
  }
}

}  // namespace

// Input: the image's first bytes, a 0xFF byte, then the revision text,
// whose first byte also sets the length of the image made from a header
// read (54 + 4 x its low six bits).
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const size_t split = std::min(input.find('\xFF'), input.size());
  const std::span<const uint8_t> image(data, split);
  const std::string_view revision = split < size ? input.substr(split + 1) : std::string_view();

  if (const auto header = orvane::sim::ReadStandInHeader(image)) {
    volatile size_t sink = orvane::sim::DescribeStandIn(*header).size();
    (void)sink;
    const size_t length =
        orvane::sim::kStandInHeaderSize + 4 * (revision.empty() ? 0 : revision[0] & 0x3F);
    const std::vector<uint8_t> made = orvane::sim::MakeStandInImage(*header, length);
    const auto again = orvane::sim::ReadStandInHeader(made);
    StandInHeader expected = *header;
    if (image.size() < orvane::sim::kStandInHeaderSize) {
      expected.name.clear();
    }
    if (made.size() != length || !again || !Same(*again, expected)) {
      std::abort();
    }
    CheckFile(*header, made);
  }

  if (const auto parsed = orvane::sim::ParseFirmwareRevision(revision)) {
    const std::string text = parsed->first + std::to_string(parsed->second);
    if (orvane::sim::ParseFirmwareRevision(text) != parsed) {
      std::abort();
    }
  }
  return 0;
}
