// Arbitrary frames into the response factory, every field of the reply read.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "fuzz/link/ReplyInspection.h"
#include "link/ResponseFactory.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) {
    return 0;
  }
  // An exact-size copy, so a read past the frame is caught.
  const std::vector<uint8_t> frame(data + 1, data + size);
  const auto reply = orvane::MakeResponse(frame, data[0], orvane::ResponseContext{data[0] & 1});
  volatile size_t sink = orvane::fuzzing::Inspect(reply.get());
  (void)sink;
  return 0;
}
