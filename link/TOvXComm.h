// The serial link to one panel or multiplexer: one command frame out, one
// reply frame back, with a CRC, one retry on a link failure and an optional
// byte trace.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "link/FrameReceiver.h"
#include "link/ResponseFactory.h"
#include "link/SerialPort.h"
#include "link/TOvXCmd.h"
#include "link/TOvXResp.h"

namespace orvane {

/// One link object serves one operation: it opens the port when it is made
/// and closes it when it goes. It is used by one thread at a time; create it
/// on the thread that uses it.
class TOvXComm {
 public:
  /// The standard time-outs ApplySettings puts on the port.
  static constexpr PortTimeouts kStandardTimeouts{20, 10, 2500, 10, 10};

  /// Opens the named port (from the current port factory) and applies the
  /// standard settings. Test IsOk afterwards: a link that failed to open or
  /// configure is good only for IsOk and ErrorText.
  explicit TOvXComm(const std::string& port_name, ResponseContext context = {});
  /// The same on a port the caller supplies.
  TOvXComm(std::unique_ptr<SerialPort> port, const std::string& port_name,
           ResponseContext context = {});
  virtual ~TOvXComm();
  TOvXComm(const TOvXComm&) = delete;
  TOvXComm& operator=(const TOvXComm&) = delete;

  /// False when the port could not be opened or configured, or a write failed.
  bool IsOk() const { return isOk_; }
  /// "Error C003: Error opening port", "Error C004: Error in setting
  /// communication attributes", "Error Writing File", or empty.
  const std::string& ErrorText() const { return errorText_; }
  /// The help that goes with ErrorText for a port that did not open: the
  /// device, the operating system's reason and what to do; empty otherwise.
  const std::string& ErrorDetails() const { return errorDetails_; }
  /// The last receive failure: 0 none, 1 checksum, 2 time-out, 25 invalid
  /// length.
  int LinkError() const { return linkError_; }

  /// Puts the standard time-outs on the port, then the line settings: baud
  /// rate from the process-wide setting, 8 data bits, no parity, parity
  /// checking off, everything else as the port reports it. Call it again
  /// after changing the baud rate setting, or to undo SetReadTimeout.
  bool ApplySettings();

  /// Sets the read interval time-out and the read total constant to
  /// timeout_ms and leaves the other time-outs as they are.
  bool SetReadTimeout(uint32_t timeout_ms);

  /// One exchange: frame and send the command, receive the reply, make the
  /// reply object. A link failure (checksum, time-out, invalid length) is
  /// retried once at once; the second result is final and comes back as a
  /// TOvErrorResp. Nothing comes back for a valid frame with an unknown
  /// message code, and for a command that cannot be framed (nothing is sent).
  std::unique_ptr<TOvXResp> Transact(TOvXCmd& command);

  /// Sends one frame (traced first). A failed write sets IsOk false and
  /// "Error Writing File"; the exchange goes on and ends in a time-out.
  void SendFrame(std::span<const uint8_t> frame);
  /// One byte from the port (traced), or -1 on time-out or failure.
  int ReadByte();
  /// Receives one frame; an empty span on failure, with LinkError set. The
  /// frame stays valid until the next receive.
  std::span<const uint8_t> ReceiveFrame();
  /// The reply object of a received frame (see MakeResponse in
  /// ResponseFactory.h); LinkError becomes 25 when the frame is refused.
  std::unique_ptr<TOvXResp> MakeResponse(std::span<const uint8_t> frame);

  const ResponseContext& Context() const { return context_; }
  void SetContext(const ResponseContext& context) { context_ = context; }

 private:
  void Open(const std::string& port_name);

  std::unique_ptr<SerialPort> port_;
  FrameReceiver receiver_;
  ResponseContext context_;
  std::string errorText_;
  std::string errorDetails_;
  bool isOk_ = true;
  int linkError_ = 0;
};

}  // namespace orvane
