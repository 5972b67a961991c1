// The real serial port, on Qt Serial Port. Works on built-in ports, USB
// adapters and pseudo-terminals, used synchronously from whatever thread
// calls it (the worker thread of a transfer, or the user-interface thread).
#pragma once

#include <memory>
#include <string>

#include "link/SerialPort.h"

class QSerialPort;

namespace orvane {

class QtSerialPort final : public SerialPort {
 public:
  QtSerialPort();
  ~QtSerialPort() override;
  QtSerialPort(const QtSerialPort&) = delete;
  QtSerialPort& operator=(const QtSerialPort&) = delete;

  bool Open(const std::string& name) override;
  int OpenError() const override { return openError_; }
  bool IsOpen() const override;
  bool GetTimeouts(PortTimeouts& timeouts) override;
  bool SetTimeouts(const PortTimeouts& timeouts) override;
  bool GetLineSettings(LineSettings& settings) override;
  bool SetLineSettings(const LineSettings& settings) override;
  int ReadByte() override;
  void ExpectBytes(size_t count) override { expectedBytes_ = count; }
  bool Write(std::span<const uint8_t> bytes) override;
  void Close() override;

 private:
  std::unique_ptr<QSerialPort> port_;
  PortTimeouts timeouts_;
  int openError_ = 0;
  // Bytes of the frame under way still to come (ExpectBytes).
  size_t expectedBytes_ = 0;
};

}  // namespace orvane
