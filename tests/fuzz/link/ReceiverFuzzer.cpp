// Bytes from the line: the link receives frame after frame from them until
// they are used up, and every reply is read through.
#include <cstddef>
#include <cstdint>
#include <span>

#include "link/SimpleCommands.h"
#include "link/TOvXComm.h"
#include "tests/fuzz/link/ReplyInspection.h"
#include "tests/support/FakeSerialPort.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) {
    return 0;
  }
  orvane::testing::FakeSerialPort fake;
  orvane::TOvXComm link(fake.Connect(), "COM1", orvane::ResponseContext{data[0] & 1});
  fake.Feed(std::span<const uint8_t>(data + 1, size - 1));
  orvane::TOvStatusIdCmd command;
  // Each exchange takes at least one byte while any are left.
  while (fake.PendingBytes() > 0) {
    const auto reply = link.Transact(command);
    volatile size_t sink = orvane::fuzzing::Inspect(reply.get());
    (void)sink;
  }
  return 0;
}
