#include "sim/DeviceLine.h"

#include <algorithm>
#include <cstdio>

#include "link/FrameBuilder.h"
#include "link/Protocol.h"

namespace orvane::sim {
namespace {

namespace p = protocol;

/// Commands of any length up to 255, and any number of bytes of noise
/// before a start byte.
constexpr int kCommandLengthLimit = 256;
constexpr int kUnlimitedStrayBytes = -1;

bool Matches(const LineSettings& sender, int baud_rate) {
  return sender.baud_rate == baud_rate && sender.data_bits == 8 && sender.parity == Parity::None;
}

}  // namespace

std::string HexText(std::span<const uint8_t> bytes) {
  std::string text;
  char digits[4] = {};
  for (const uint8_t byte : bytes) {
    std::snprintf(digits, sizeof digits, "%02x", byte);
    text += text.empty() ? "" : " ";
    text += digits;
  }
  return text;
}

DeviceLine::DeviceLine(std::unique_ptr<SimulatedDevice> device)
    : device_(std::move(device)),
      baudRate_(device_->DefaultBaudRate()),
      receiver_(kCommandLengthLimit, kUnlimitedStrayBytes) {}

void DeviceLine::Note(const std::string& text) const {
  if (log_) {
    log_(text);
  }
}

std::vector<Transmission> DeviceLine::Receive(std::span<const uint8_t> bytes,
                                              const LineSettings& sender) {
  std::vector<Transmission> out;
  if (bytes.empty() || unplugged_) {
    return out;
  }
  if (!Matches(sender, baudRate_)) {
    receiver_.Reset();
    char text[160] = {};
    std::snprintf(text, sizeof text,
                  "   %zu bytes at %d baud, %d data bits%s ignored: the device listens at %d "
                  "baud, 8 data bits, no parity",
                  bytes.size(), sender.baud_rate, sender.data_bits,
                  sender.parity == Parity::None ? "" : " with parity", baudRate_);
    Note(text);
    return out;
  }
  for (const uint8_t byte : bytes) {
    switch (receiver_.Feed(byte)) {
      case FrameReceiver::Status::NeedMore:
        break;
      case FrameReceiver::Status::Complete: {
        const Bytes frame(receiver_.Frame().begin(), receiver_.Frame().end());
        receiver_.Reset();
        if (std::optional<Transmission> reply = HandleFrame(frame)) {
          out.push_back(std::move(*reply));
        }
        if (unplugged_) {
          return out;
        }
        break;
      }
      case FrameReceiver::Status::Failed:
        Note(receiver_.Error() == p::kLinkChecksum ? "   a frame with a bad CRC ignored"
                                                   : "   a frame with a bad length ignored");
        receiver_.Reset();
        break;
    }
  }
  return out;
}

std::optional<Bytes> DeviceLine::DeviceReply(std::span<const uint8_t> frame) {
  if (lastReply_ &&
      std::equal(frame.begin(), frame.end(), lastCommand_.begin(), lastCommand_.end())) {
    Note("   the same command again: the same reply again");
    return lastReply_;
  }
  std::optional<Bytes> reply = device_->Answer(frame);
  lastCommand_.assign(frame.begin(), frame.end());
  lastReply_ = reply;
  return reply;
}

std::optional<Transmission> DeviceLine::HandleFrame(std::span<const uint8_t> frame) {
  if (frame[2] != p::kAddressByte1 || frame[3] != p::kAddressByte2) {
    Note("<- " + HexText(frame) + "   (not addressed to this device, ignored)");
    return std::nullopt;
  }
  const int command = ++commands_;
  if (faults_.unplugAt == command) {
    Note("   fault: the line is unplugged: " + HexText(frame) + " is lost");
    unplugged_ = true;
    return std::nullopt;
  }
  Note("<- " + HexText(frame));
  if (faults_.stopAfter > 0 && command > faults_.stopAfter) {
    Note("   fault: stopped answering after " + std::to_string(faults_.stopAfter) + " commands");
    return std::nullopt;
  }

  std::optional<Bytes> reply;
  const auto byCode = faults_.refuse.find(frame[p::kCodeOffset]);
  const auto byNumber = faults_.refuseCommand.find(command);
  if (byNumber != faults_.refuseCommand.end() || byCode != faults_.refuse.end()) {
    const uint8_t error =
        byNumber != faults_.refuseCommand.end() ? byNumber->second : byCode->second;
    Note("   fault: refused with error code " + std::to_string(error));
    reply = StandardReply(error);
    lastCommand_.clear();
    lastReply_.reset();
  } else {
    reply = DeviceReply(frame);
  }

  if (faults_.unknownCodeOn.contains(command)) {
    Note("   fault: answered with an unknown reply code");
    const Bytes shape = reply ? *reply : StandardReply(0);
    reply =
        BuildFrame(kUnknownReplyCode, std::span<const uint8_t>(shape).subspan(
                                          p::kPayloadOffset, shape.size() - p::kPayloadOffset - 2));
  }
  if (!reply) {
    Note("   (no reply)");
    return std::nullopt;
  }
  if (faults_.dropReplyTo.contains(command)) {
    Note("   fault: reply dropped: " + HexText(*reply));
    return std::nullopt;
  }

  const int replyNumber = ++replies_;
  Transmission out;
  if (faults_.strayBytes > 0 && (faults_.strayReply == 0 || faults_.strayReply == replyNumber)) {
    Note("   fault: " + std::to_string(faults_.strayBytes) + " stray bytes first");
    out.bytes.assign(static_cast<size_t>(faults_.strayBytes), kStrayByte);
  }
  Bytes frameOut = std::move(*reply);
  if (faults_.corruptCrcOf.contains(replyNumber)) {
    Note("   fault: CRC corrupted");
    frameOut[frameOut.size() - 2] ^= 0xFF;
  }
  out.bytes.insert(out.bytes.end(), frameOut.begin(), frameOut.end());
  out.delay_ms = faults_.delay_ms;
  if (out.delay_ms > 0) {
    Note("   fault: reply delayed by " + std::to_string(out.delay_ms) + " ms");
  }
  Note("-> " + HexText(frameOut));
  return out;
}

}  // namespace orvane::sim
