// Arbitrary text through the Intel HEX reader.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "link/TOvExec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) {
    return 0;
  }
  const uint32_t start =
      (data[0] & 1) != 0 ? orvane::TOvExec::kPlcDriverStart : orvane::TOvExec::kFirmwareStart;
  std::istringstream in(std::string(reinterpret_cast<const char*>(data) + 1, size - 1));
  const orvane::TOvExec image(in, start);
  if (!image.IsValid() && image.ImageLength() != 0) {
    __builtin_trap();
  }
  return 0;
}
