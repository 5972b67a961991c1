// Arbitrary text as orvane-panelsim's state file: a device built from a
// file it accepts is dumped for people, saves to a file that builds a
// device saving the same text again, and loads into a device of its kind.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "sim/MemoryDump.h"
#include "sim/StateFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  std::string error;
  const auto device = orvane::sim::DeviceFromState(text, error);
  if (device == nullptr) {
    if (error.empty()) {
      std::abort();
    }
    return 0;
  }
  volatile size_t sink = orvane::sim::DumpDevice(*device).size();
  (void)sink;
  const std::string saved = orvane::sim::SaveState(*device);
  const auto again = orvane::sim::DeviceFromState(saved, error);
  if (again == nullptr || orvane::sim::SaveState(*again) != saved ||
      !orvane::sim::LoadState(text, *again).empty() || orvane::sim::SaveState(*again) != saved) {
    std::abort();
  }
  return 0;
}
