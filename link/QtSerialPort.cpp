// The only file of the core that includes Qt.
#include "link/QtSerialPort.h"

#include <QtCore/QElapsedTimer>
#include <QtCore/QString>
#include <QtCore/QtGlobal>
#include <QtSerialPort/QSerialPort>
#include <QtSerialPort/QSerialPortInfo>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <limits>
#include <mutex>
#include <thread>

#include "link/PortNames.h"

namespace orvane {
namespace {

// The port is driven synchronously (the waitFor functions poll the device
// themselves), so it needs no event loop. Qt still creates socket notifiers
// for it and, on a thread without a Qt event loop (a std::thread, or any
// thread of a program without a QCoreApplication), warns once per open and
// once per write that it cannot enable them. Those warnings say nothing
// about the link, so exactly that one text is dropped; every other message
// goes on to the handler that was installed before.
constexpr char kNotifierWarning[] =
    "QSocketNotifier: Can only be used with threads started with QThread";

std::atomic<QtMessageHandler> previousHandler{nullptr};

void DropNotifierWarning(QtMsgType type, const QMessageLogContext& context,
                         const QString& message) {
  if (type == QtWarningMsg && message.startsWith(QLatin1String(kNotifierWarning))) {
    return;
  }
  if (QtMessageHandler previous = previousHandler.load(); previous != nullptr) {
    previous(type, context, message);
  } else {
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
  }
}

void InstallWarningFilter() {
  static std::once_flag once;
  std::call_once(once, [] { previousHandler.store(qInstallMessageHandler(DropNotifierWarning)); });
}

// The time count bytes take on the line: 10 bits each (start bit, 8 data
// bits, stop bit), in microseconds.
uint64_t LineTime_us(size_t count, qint32 baud_rate) {
  if (baud_rate <= 0) {
    return 0;
  }
  return uint64_t{count} * 10u * 1'000'000u / static_cast<uint64_t>(baud_rate);
}

int ClampToInt(uint64_t value_ms) {
  return static_cast<int>(std::min<uint64_t>(value_ms, std::numeric_limits<int>::max()));
}

QSerialPort::Parity ToQt(Parity parity) {
  switch (parity) {
    case Parity::Even:
      return QSerialPort::EvenParity;
    case Parity::Odd:
      return QSerialPort::OddParity;
    case Parity::Mark:
      return QSerialPort::MarkParity;
    case Parity::Space:
      return QSerialPort::SpaceParity;
    case Parity::None:
      break;
  }
  return QSerialPort::NoParity;
}

Parity FromQt(QSerialPort::Parity parity) {
  switch (parity) {
    case QSerialPort::EvenParity:
      return Parity::Even;
    case QSerialPort::OddParity:
      return Parity::Odd;
    case QSerialPort::MarkParity:
      return Parity::Mark;
    case QSerialPort::SpaceParity:
      return Parity::Space;
    default:
      return Parity::None;
  }
}

QSerialPort::StopBits ToQt(StopBits stopBits) {
  switch (stopBits) {
    case StopBits::OneAndHalf:
      return QSerialPort::OneAndHalfStop;
    case StopBits::Two:
      return QSerialPort::TwoStop;
    case StopBits::One:
      break;
  }
  return QSerialPort::OneStop;
}

StopBits FromQt(QSerialPort::StopBits stopBits) {
  switch (stopBits) {
    case QSerialPort::OneAndHalfStop:
      return StopBits::OneAndHalf;
    case QSerialPort::TwoStop:
      return StopBits::Two;
    default:
      return StopBits::One;
  }
}

QSerialPort::FlowControl ToQt(FlowControl flow) {
  switch (flow) {
    case FlowControl::Hardware:
      return QSerialPort::HardwareControl;
    case FlowControl::Software:
      return QSerialPort::SoftwareControl;
    case FlowControl::None:
      break;
  }
  return QSerialPort::NoFlowControl;
}

FlowControl FromQt(QSerialPort::FlowControl flow) {
  switch (flow) {
    case QSerialPort::HardwareControl:
      return FlowControl::Hardware;
    case QSerialPort::SoftwareControl:
      return FlowControl::Software;
    default:
      return FlowControl::None;
  }
}

// The operating system's reason a device did not open. Qt folds "no
// permission" and "held by another program" (its lock file, TIOCEXCL) into
// one error, so the device is looked at first: missing, or not readable and
// writable for this user; what is left of a permission error is the lock.
int OpenErrorOf(const std::string& device, QSerialPort::SerialPortError error) {
  const std::string path = device.empty() || device.front() == '/' ? device : "/dev/" + device;
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) {
    return errno;
  }
  if (::access(path.c_str(), R_OK | W_OK) != 0) {
    return errno;
  }
  switch (error) {
    case QSerialPort::DeviceNotFoundError:
      return ENOENT;
    case QSerialPort::PermissionError:
      return EBUSY;
    default:
      return EIO;
  }
}

}  // namespace

QtSerialPort::QtSerialPort() = default;

QtSerialPort::~QtSerialPort() {
  Close();
}

bool QtSerialPort::Open(const std::string& name) {
  Close();
  InstallWarningFilter();
  openError_ = 0;
  auto port = std::make_unique<QSerialPort>();
  // A path is used as it is; Qt puts /dev/ in front of a bare device name.
  const std::string device = ResolvePortDevice(name);
  port->setPortName(QString::fromLocal8Bit(device.c_str()));
  // Qt opens the device exclusively (TIOCEXCL and a lock file), in raw mode.
  if (!port->open(QIODevice::ReadWrite)) {
    openError_ = OpenErrorOf(device, port->error());
    return false;
  }
  port_ = std::move(port);
  timeouts_ = PortTimeouts{};
  expectedBytes_ = 0;
  return true;
}

bool QtSerialPort::IsOpen() const {
  return port_ != nullptr && port_->isOpen();
}

bool QtSerialPort::GetTimeouts(PortTimeouts& timeouts) {
  if (!IsOpen()) {
    return false;
  }
  timeouts = timeouts_;
  return true;
}

bool QtSerialPort::SetTimeouts(const PortTimeouts& timeouts) {
  if (!IsOpen()) {
    return false;
  }
  timeouts_ = timeouts;
  return true;
}

bool QtSerialPort::GetLineSettings(LineSettings& settings) {
  if (!IsOpen()) {
    return false;
  }
  settings.baud_rate = static_cast<int>(port_->baudRate());
  settings.data_bits = static_cast<int>(port_->dataBits());
  settings.parity = FromQt(port_->parity());
  // Qt checks parity exactly when the line carries a parity bit.
  settings.parity_check = settings.parity != Parity::None;
  settings.stop_bits = FromQt(port_->stopBits());
  settings.flow_control = FromQt(port_->flowControl());
  return true;
}

bool QtSerialPort::SetLineSettings(const LineSettings& settings) {
  if (!IsOpen() || settings.data_bits < 5 || settings.data_bits > 8 || settings.baud_rate <= 0) {
    return false;
  }
  return port_->setBaudRate(settings.baud_rate) &&
         port_->setDataBits(static_cast<QSerialPort::DataBits>(settings.data_bits)) &&
         port_->setParity(ToQt(settings.parity)) && port_->setStopBits(ToQt(settings.stop_bits)) &&
         port_->setFlowControl(ToQt(settings.flow_control));
}

int QtSerialPort::ReadByte() {
  if (!IsOpen()) {
    return -1;
  }
  if (port_->bytesAvailable() == 0) {
    const uint64_t timeout_ms =
        uint64_t{timeouts_.read_total_multiplier_ms} + uint64_t{timeouts_.read_total_constant_ms};
    QElapsedTimer waited;
    waited.start();
    // The rest of a frame comes at the line's rate: rather than wake up for
    // each byte, take what has come and then sleep while all but the last
    // of the others arrive, within the read time-out.
    if (expectedBytes_ > 1 && !port_->waitForReadyRead(0)) {
      // The link runs at 8N1, so the line time is exact; with more bits a
      // byte the sleep would only end early.
      const uint64_t rest_us = LineTime_us(expectedBytes_ - 1, port_->baudRate());
      const uint64_t sleep_us = std::min<uint64_t>(rest_us, timeout_ms * 1000);
      if (sleep_us > 0) {
        std::this_thread::sleep_for(std::chrono::microseconds(sleep_us));
      }
    }
    if (port_->bytesAvailable() == 0) {
      const int64_t left_ms = static_cast<int64_t>(timeout_ms) - waited.elapsed();
      port_->waitForReadyRead(ClampToInt(static_cast<uint64_t>(std::max<int64_t>(left_ms, 0))));
    }
  }
  char byte = 0;
  if (port_->read(&byte, 1) != 1) {
    expectedBytes_ = 0;
    return -1;
  }
  if (expectedBytes_ > 0) {
    --expectedBytes_;
  }
  return static_cast<unsigned char>(byte);
}

bool QtSerialPort::Write(std::span<const uint8_t> bytes) {
  if (!IsOpen()) {
    return false;
  }
  const auto count = static_cast<qint64>(bytes.size());
  if (port_->write(reinterpret_cast<const char*>(bytes.data()), count) != count) {
    port_->clear(QSerialPort::Output);
    return false;
  }
  const uint64_t budget_ms = uint64_t{timeouts_.write_total_multiplier_ms} * bytes.size() +
                             uint64_t{timeouts_.write_total_constant_ms};
  QElapsedTimer timer;
  timer.start();
  while (port_->bytesToWrite() > 0) {
    const int64_t left_ms = static_cast<int64_t>(budget_ms) - timer.elapsed();
    if (left_ms <= 0 || !port_->waitForBytesWritten(ClampToInt(static_cast<uint64_t>(left_ms)))) {
      // Bytes left behind would otherwise go out in front of the next frame.
      port_->clear(QSerialPort::Output);
      return false;
    }
  }
  return true;
}

void QtSerialPort::Close() {
  if (port_ != nullptr) {
    port_->close();
    port_.reset();
  }
}

std::vector<SerialPortEntry> ListSerialPorts() {
  std::vector<SerialPortEntry> entries;
  for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
    SerialPortEntry entry;
    entry.device = info.systemLocation().toStdString();
    entry.description = info.description().toStdString();
    entry.name = ComPortNameOfDevice(entry.device).value_or(entry.device);
    entries.push_back(std::move(entry));
  }
  std::sort(entries.begin(), entries.end(),
            [](const SerialPortEntry& a, const SerialPortEntry& b) { return a.device < b.device; });
  return entries;
}

}  // namespace orvane
