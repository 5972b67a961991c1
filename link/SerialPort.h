// The port interface of the serial link: the few operations the link needs
// from a serial port, so the real port, the test double and the simulator's
// ports are interchangeable.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>

namespace orvane {

/// Read and write time-outs of a port, in the classic serial-port shape.
/// A read of one byte waits at most read_total_multiplier_ms +
/// read_total_constant_ms; the interval time-out bounds the pause between two
/// bytes of one read call (the link reads single bytes, so it never applies
/// there, but it is kept and reported as set). A write of n bytes may take
/// write_total_multiplier_ms * n + write_total_constant_ms.
struct PortTimeouts {
  uint32_t read_interval_ms = 0;
  uint32_t read_total_multiplier_ms = 0;
  uint32_t read_total_constant_ms = 0;
  uint32_t write_total_multiplier_ms = 0;
  uint32_t write_total_constant_ms = 0;

  bool operator==(const PortTimeouts&) const = default;
};

enum class Parity { None, Even, Odd, Mark, Space };
enum class StopBits { One, OneAndHalf, Two };
enum class FlowControl { None, Hardware, Software };

/// The line settings of a port. The link changes only the baud rate, the data
/// bits, the parity and parity checking, and writes every other field back as
/// the port reported it.
struct LineSettings {
  int baud_rate = 0;
  int data_bits = 0;
  Parity parity = Parity::None;
  bool parity_check = false;
  StopBits stop_bits = StopBits::One;
  FlowControl flow_control = FlowControl::None;

  bool operator==(const LineSettings&) const = default;
};

/// One serial port, used synchronously by one thread at a time.
class SerialPort {
 public:
  virtual ~SerialPort() = default;

  /// Opens the port by name ("COM1".."COM4" or a device path) for reading and
  /// writing, held exclusively. false always leaves the port closed.
  virtual bool Open(const std::string& name) = 0;
  /// After an Open that failed: the operating system's error number for it
  /// (ENOENT, EACCES, EBUSY, ...); 0 when there is none to give.
  virtual int OpenError() const { return 0; }
  virtual bool IsOpen() const = 0;
  virtual bool GetTimeouts(PortTimeouts& timeouts) = 0;
  virtual bool SetTimeouts(const PortTimeouts& timeouts) = 0;
  virtual bool GetLineSettings(LineSettings& settings) = 0;
  virtual bool SetLineSettings(const LineSettings& settings) = 0;
  /// One byte 0..255, or -1 when no byte arrived within the read time-outs or
  /// the read failed.
  virtual int ReadByte() = 0;
  /// The next count bytes belong together (the rest of a frame whose length
  /// has arrived): a port may wait for them together rather than wake up
  /// for every byte. Each ReadByte still waits at most the read time-outs.
  virtual void ExpectBytes(size_t count) { (void)count; }
  /// Writes all bytes within the write time-outs; false when that failed.
  virtual bool Write(std::span<const uint8_t> bytes) = 0;
  virtual void Close() = 0;
};

/// Makes a new, closed port.
using SerialPortFactory = std::function<std::unique_ptr<SerialPort>()>;

/// A new, closed port from the current factory: the platform's real port
/// unless a test or the simulator has installed another factory.
std::unique_ptr<SerialPort> CreateSerialPort();

/// Installs the factory CreateSerialPort uses from now on and returns the one
/// it replaces; an empty factory restores the real ports.
SerialPortFactory SetSerialPortFactoryForTest(SerialPortFactory factory);

/// Installs a factory for the lifetime of the object, then puts the previous
/// one back.
class ScopedSerialPortFactory {
 public:
  explicit ScopedSerialPortFactory(SerialPortFactory factory)
      : previous_(SetSerialPortFactoryForTest(std::move(factory))) {}
  ~ScopedSerialPortFactory() { SetSerialPortFactoryForTest(std::move(previous_)); }
  ScopedSerialPortFactory(const ScopedSerialPortFactory&) = delete;
  ScopedSerialPortFactory& operator=(const ScopedSerialPortFactory&) = delete;

 private:
  SerialPortFactory previous_;
};

}  // namespace orvane
