// Arbitrary text through the S-record reader.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "link/TOvMuxExec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) {
    return 0;
  }
  static constexpr uint32_t kStarts[] = {0, orvane::TOvMuxExec::kFirmwareStart,
                                         orvane::TOvMuxExec::kPlcDriverStart, 0x100};
  std::istringstream in(std::string(reinterpret_cast<const char*>(data) + 1, size - 1));
  const orvane::TOvMuxExec image(in, kStarts[data[0] % 4]);
  if (!image.IsValid() && image.ImageLength() != 0) {
    __builtin_trap();
  }
  return 0;
}
