#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "link/BlockCommands.h"
#include "link/SimpleCommands.h"

namespace orvane {
namespace {

using Bytes = std::vector<uint8_t>;

Bytes Frame(TOvXCmd& command) {
  const auto frame = command.MakeFrame();
  return Bytes(frame.begin(), frame.end());
}

struct FrameCase {
  const char* name;
  std::function<std::unique_ptr<TOvXCmd>()> make;
  Bytes expected;
};

// A stream whose byte i is i * 3.
const Bytes& Stream() {
  static const Bytes stream = [] {
    Bytes bytes(120);
    for (size_t i = 0; i < bytes.size(); ++i) {
      bytes[i] = static_cast<uint8_t>(i * 3);
    }
    return bytes;
  }();
  return stream;
}

TEST(CommandFrames, ExactBytes) {
  const std::vector<FrameCase> cases = {
      {"status",
       [] { return std::make_unique<TOvStatusIdCmd>(); },
       {0xAA, 0x06, 0x10, 0x01, 0x12, 0xB8, 0x65}},
      {"clear memory",
       [] { return std::make_unique<TOvClrMemCmd>(); },
       {0xAA, 0x06, 0x10, 0x01, 0x0B, 0xA0, 0xE6}},
      {"restart",
       [] { return std::make_unique<TOvRestartCmd>(); },
       {0xAA, 0x06, 0x10, 0x01, 0xBE, 0xDE, 0x11}},
      {"exec boot",
       [] { return std::make_unique<TOvExecBootCmd>(); },
       {0xAA, 0x06, 0x10, 0x01, 0x3E, 0x56, 0x80}},
      {"exec exec",
       [] { return std::make_unique<TOvExecExecCmd>(); },
       {0xAA, 0x06, 0x10, 0x01, 0x3F, 0x77, 0x90}},
      {"read system attributes",
       [] { return std::make_unique<TOvReadSysAttrCmd>(); },
       {0xAA, 0x06, 0x10, 0x01, 0xB8, 0x18, 0x71}},
      {"read PLC attributes",
       [] { return std::make_unique<TOvReadPlcAttrCmd>(); },
       {0xAA, 0x06, 0x10, 0x01, 0xBB, 0x7B, 0x41}},
      {"switch to port 3",
       [] { return std::make_unique<TOvSwitchPrtCmd>(3); },
       {0xAA, 0x07, 0x10, 0x01, 0xC1, 0x03, 0x45, 0x5E}},
      // Block reads: sequence at offset 5, phase at offset 6.
      {"read messages, start",
       [] { return std::make_unique<TOvReadMsgCmd>(1, 0); },
       {0xAA, 0x08, 0x10, 0x01, 0xB4, 0x00, 0x01, 0xB2, 0x4D}},
      {"read tags, block 5",
       [] { return std::make_unique<TOvReadTagCmd>(0, 5); },
       {0xAA, 0x08, 0x10, 0x01, 0xB6, 0x05, 0x00, 0x06, 0xCC}},
      {"read mux PLC attributes",
       [] { return std::make_unique<TOvReadMuxPlcAttrCmd>(2, 9); },
       {0xAA, 0x08, 0x10, 0x01, 0x2A, 0x09, 0x02, 0x71, 0xA4}},
      // Block writes: sequence, phase, count, data.
      {"write tags, empty start block",
       [] { return std::make_unique<TOvWriteTagCmd>(1, Stream(), 0, 0, 0); },
       {0xAA, 0x09, 0x10, 0x01, 0xB7, 0x00, 0x01, 0x00, 0xD4, 0x08}},
      {"load PLC driver, bytes 10 to 14",
       [] { return std::make_unique<TOvLoadPlcCmd>(0, Stream(), 1, 10, 15); },
       {0xAA, 0x0E, 0x10, 0x01, 0xBA, 0x01, 0x00, 0x05, 0x1E, 0x21, 0x24, 0x27, 0x2A, 0x43, 0x40}},
      {"load exec, empty last block",
       [] { return std::make_unique<TOvLoadExecCmd>(2, Stream(), 3, 120, 120); },
       {0xAA, 0x09, 0x10, 0x01, 0xBD, 0x03, 0x02, 0x00, 0x7C, 0x6C}},
      {"write mux PLC attributes, bytes 0 to 2",
       [] { return std::make_unique<TOvWriteMuxPlcAttrCmd>(0, Stream(), 2, 0, 3); },
       {0xAA, 0x0C, 0x10, 0x01, 0x29, 0x02, 0x00, 0x03, 0x00, 0x03, 0x06, 0x60, 0x93}},
  };
  for (const FrameCase& c : cases) {
    auto command = c.make();
    EXPECT_EQ(Frame(*command), c.expected) << c.name;
    // Framing twice gives the same bytes.
    EXPECT_EQ(Frame(*command), c.expected) << c.name << ", framed again";
  }
}

TEST(CommandFrames, FullBlockCarriesFiftyBytes) {
  TOvLoadExecCmd command(0, Stream(), 2, 50, 100);
  const Bytes frame = Frame(command);
  ASSERT_EQ(frame.size(), 60u);
  EXPECT_EQ(frame[1], 59);
  EXPECT_EQ(frame[7], 50);
  EXPECT_EQ(Bytes(frame.begin() + 8, frame.begin() + 58),
            Bytes(Stream().begin() + 50, Stream().begin() + 100));
}

TEST(CommandFrames, SlicesOutsideTheRulesAreNotFramed) {
  const struct {
    const char* name;
    uint32_t start;
    uint32_t end;
  } cases[] = {
      {"51 bytes", 0, 51},
      {"end before start", 10, 9},
      {"end past the stream", 100, 121},
      {"start and end far past the stream", 1000, 1010},
  };
  for (const auto& c : cases) {
    TOvWriteTagCmd command(0, Stream(), 1, c.start, c.end);
    EXPECT_FALSE(command.IsValidSlice()) << c.name;
    EXPECT_TRUE(command.MakeFrame().empty()) << c.name;
  }
}

}  // namespace
}  // namespace orvane
