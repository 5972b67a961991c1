#include "link/TOvXComm.h"

#include "base/StringTable.h"
#include "link/BaudRate.h"
#include "link/PortNames.h"
#include "link/Protocol.h"
#include "link/StandardReplies.h"
#include "link/Trace.h"

namespace orvane {
namespace {

constexpr char kWriteFailedText[] = "Error Writing File";

}  // namespace

TOvXComm::TOvXComm(const std::string& port_name, ResponseContext context)
    : port_(CreateSerialPort()), context_(context) {
  Open(port_name);
}

TOvXComm::TOvXComm(std::unique_ptr<SerialPort> port, const std::string& port_name,
                   ResponseContext context)
    : port_(std::move(port)), context_(context) {
  Open(port_name);
}

TOvXComm::~TOvXComm() {
  if (port_ != nullptr) {
    port_->Close();
  }
}

void TOvXComm::Open(const std::string& port_name) {
  if (port_ == nullptr || !port_->Open(port_name)) {
    isOk_ = false;
    errorText_ = LoadString(strings::kC003);
    const int reason = port_ != nullptr ? port_->OpenError() : 0;
    if (reason != 0) {
      errorDetails_ = PortNameAndDevice(port_name) + ": " + PortOpenFailureReason(reason) + ".";
      if (const std::string hint = PortOpenFailureHint(reason); !hint.empty()) {
        errorDetails_ += "\n" + hint;
      }
    }
    return;
  }
  if (!ApplySettings()) {
    isOk_ = false;
    errorText_ = LoadString(strings::kC004);
  }
}

bool TOvXComm::ApplySettings() {
  if (port_ == nullptr || !port_->SetTimeouts(kStandardTimeouts)) {
    return false;
  }
  LineSettings settings{};
  if (!port_->GetLineSettings(settings)) {
    return false;
  }
  settings.baud_rate = BaudRateSetting();
  settings.data_bits = 8;
  settings.parity = Parity::None;
  settings.parity_check = false;
  return port_->SetLineSettings(settings);
}

bool TOvXComm::SetReadTimeout(uint32_t timeout_ms) {
  PortTimeouts timeouts{};
  if (port_ == nullptr || !port_->GetTimeouts(timeouts)) {
    return false;
  }
  timeouts.read_interval_ms = timeout_ms;
  timeouts.read_total_constant_ms = timeout_ms;
  return port_->SetTimeouts(timeouts);
}

void TOvXComm::SendFrame(std::span<const uint8_t> frame) {
  for (const uint8_t byte : frame) {
    TraceByte(byte);
  }
  if (port_ == nullptr || !port_->Write(frame)) {
    isOk_ = false;
    errorText_ = kWriteFailedText;
  }
}

int TOvXComm::ReadByte() {
  const int byte = port_ != nullptr ? port_->ReadByte() : -1;
  if (byte >= 0) {
    TraceByte(static_cast<uint8_t>(byte));
  }
  return byte;
}

std::span<const uint8_t> TOvXComm::ReceiveFrame() {
  TraceHeader("Panel said:\n");
  receiver_.Reset();
  bool lengthKnown = false;
  for (;;) {
    const int byte = ReadByte();
    if (byte < 0) {
      linkError_ = protocol::kLinkTimeout;
      return {};
    }
    switch (receiver_.Feed(static_cast<uint8_t>(byte))) {
      case FrameReceiver::Status::NeedMore:
        // With the length known the rest of the frame is on its way: the
        // port may take it in one go.
        if (!lengthKnown && receiver_.BytesToCome() > 0) {
          lengthKnown = true;
          if (port_ != nullptr) {
            port_->ExpectBytes(receiver_.BytesToCome());
          }
        }
        break;
      case FrameReceiver::Status::Complete:
        return receiver_.Frame();
      case FrameReceiver::Status::Failed:
        linkError_ = receiver_.Error();
        return {};
    }
  }
}

std::unique_ptr<TOvXResp> TOvXComm::MakeResponse(std::span<const uint8_t> frame) {
  std::unique_ptr<TOvXResp> reply = orvane::MakeResponse(frame, linkError_, context_);
  if (!frame.empty()) {
    if (const auto* error = dynamic_cast<const TOvErrorResp*>(reply.get()); error != nullptr) {
      linkError_ = error->ErrorCode();
    }
  }
  return reply;
}

std::unique_ptr<TOvXResp> TOvXComm::Transact(TOvXCmd& command) {
  constexpr int kAttempts = 2;
  std::unique_ptr<TOvXResp> reply;
  for (int attempt = 1; attempt <= kAttempts; ++attempt) {
    const std::span<const uint8_t> frame = command.MakeFrame();
    if (frame.empty()) {
      return nullptr;
    }
    TraceHeader("I said:\n");
    SendFrame(frame);
    reply = MakeResponse(ReceiveFrame());
    if (dynamic_cast<const TOvErrorResp*>(reply.get()) == nullptr) {
      break;
    }
  }
  return reply;
}

}  // namespace orvane
