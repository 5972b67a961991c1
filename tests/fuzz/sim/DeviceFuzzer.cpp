// Command frames into a simulated panel or multiplexer, as the program
// sends them: every record decoder of the devices (messages, system and
// PLC attributes, tag lists, block transfers, driver and firmware images)
// sees arbitrary payloads. Every reply must be a frame the program can
// receive, and what the device then holds must save to a state file that
// restores into a device saving the same text.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <span>
#include <string>

#include "link/Crc16.h"
#include "link/FrameBuilder.h"
#include "link/Protocol.h"
#include "sim/DeviceLine.h"
#include "sim/SimulatedMultiplexer.h"
#include "sim/SimulatedPanel.h"
#include "sim/StateFile.h"

namespace {

namespace p = orvane::protocol;
using orvane::sim::Bytes;

// The codes the devices know; a code byte below their count picks one.
constexpr uint8_t kCodes[] = {
    p::kClearMemory,   p::kStatusId,          p::kWriteMuxPlcAttributes, p::kReadMuxPlcAttributes,
    p::kExecBoot,      p::kExecExec,          p::kReadMessage,           p::kWriteMessage,
    p::kReadTags,      p::kWriteTags,         p::kReadSystemAttributes,  p::kWriteSystemAttributes,
    p::kLoadPlcDriver, p::kReadPlcAttributes, p::kWritePlcAttributes,    p::kLoadExec,
    p::kRestart,       p::kSwitchPort};

void CheckReply(const Bytes& reply) {
  const bool framed = reply.size() >= 7 && reply[0] == p::kStartByte &&
                      reply[1] + 1u == reply.size() && reply[1] < p::kReplyLengthLimit &&
                      reply[2] == p::kAddressByte1 && reply[3] == p::kAddressByte2;
  if (!framed) {
    std::abort();
  }
  const uint16_t crc =
      orvane::CalcCrc16(std::span<const uint8_t>(reply).subspan(1, reply.size() - 3));
  if (reply[reply.size() - 2] != (crc & 0xFF) || reply[reply.size() - 1] != (crc >> 8)) {
    std::abort();
  }
}

std::unique_ptr<orvane::sim::SimulatedDevice> MakeDevice(uint8_t selector) {
  const int kind = selector % 6;
  if (kind < 5) {
    return std::make_unique<orvane::sim::SimulatedPanel>(
        orvane::sim::PanelSettings{.model = kind + 1});
  }
  auto multiplexer = std::make_unique<orvane::sim::SimulatedMultiplexer>();
  multiplexer->AttachPanel(1, {.model = 1});
  multiplexer->AttachPanel(3, {.model = 5});
  multiplexer->AttachPanel(5, {.model = 3});
  return multiplexer;
}

}  // namespace

// Input: the device (selector), then either raw line bytes (selector bit 7)
// or frames, each a length byte, a code byte and that many payload bytes.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) {
    return 0;
  }
  const uint8_t selector = data[0];
  std::span<const uint8_t> rest(data + 1, size - 1);
  if ((selector & 0x80) != 0) {
    orvane::sim::DeviceLine line(MakeDevice(selector));
    orvane::LineSettings settings;
    settings.baud_rate = line.BaudRate();
    settings.data_bits = 8;
    for (const auto& sent : line.Receive(rest, settings)) {
      (void)sent;
    }
    return 0;
  }
  const auto device = MakeDevice(selector);
  while (rest.size() >= 2) {
    const size_t length = std::min<size_t>(rest[0], rest.size() - 2);
    const uint8_t code = rest[1] < std::size(kCodes) ? kCodes[rest[1]] : rest[1];
    const Bytes frame = orvane::BuildFrame(code, rest.subspan(2, length));
    rest = rest.subspan(2 + length);
    if (frame.empty()) {
      continue;
    }
    if (const auto reply = device->Answer(frame)) {
      CheckReply(*reply);
    }
  }
  const std::string saved = orvane::sim::SaveState(*device);
  std::string error;
  const auto restored = orvane::sim::DeviceFromState(saved, error);
  const std::string again = restored != nullptr ? orvane::sim::SaveState(*restored) : error;
  if (again != saved) {
    std::fprintf(stderr, "saved:\n%s\nrestored:\n%s\n", saved.c_str(), again.c_str());
    std::abort();
  }
  return 0;
}
