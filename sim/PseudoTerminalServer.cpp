#include "sim/PseudoTerminalServer.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <thread>

#include "sim/LinePacing.h"

namespace orvane::sim {
namespace {

using Clock = std::chrono::steady_clock;

struct SpeedEntry {
  speed_t speed;
  int baudRate;
};

constexpr SpeedEntry kSpeeds[] = {
    {B300, 300},     {B600, 600},       {B1200, 1200},     {B2400, 2400},
    {B4800, 4800},   {B9600, 9600},     {B19200, 19200},   {B38400, 38400},
    {B57600, 57600}, {B115200, 115200}, {B230400, 230400},
};

std::string ErrnoText(const std::string& what) {
  return what + ": " + std::strerror(errno);
}

// Waits until deadline, to the nanosecond rather than the millisecond of
// poll(): a paced line would otherwise lose half a millisecond on average
// at every reply. false when stop_fd became readable first.
bool WaitUntil(Clock::time_point deadline, int stop_fd) {
  for (auto left = deadline - Clock::now(); left > Clock::duration::zero();
       left = deadline - Clock::now()) {
    const auto nanos = std::chrono::duration_cast<std::chrono::nanoseconds>(left).count();
    const timespec timeout{static_cast<time_t>(nanos / 1'000'000'000),
                           static_cast<long>(nanos % 1'000'000'000)};
    pollfd stop{stop_fd, POLLIN, 0};
    if (::ppoll(&stop, 1, &timeout, nullptr) > 0 &&
        (stop.revents & (POLLIN | POLLHUP | POLLERR)) != 0) {
      return false;
    }
  }
  return true;
}

}  // namespace

int BaudRateOfSpeed(unsigned speed) {
  for (const SpeedEntry& entry : kSpeeds) {
    if (entry.speed == speed) {
      return entry.baudRate;
    }
  }
  return 0;
}

unsigned SpeedOfBaudRate(int baud_rate) {
  for (const SpeedEntry& entry : kSpeeds) {
    if (entry.baudRate == baud_rate) {
      return entry.speed;
    }
  }
  return 0;
}

PseudoTerminalServer::PseudoTerminalServer(DeviceLine& line) : line_(line) {}

PseudoTerminalServer::~PseudoTerminalServer() {
  if (linkMade_) {
    // Only the link this server made: it still points at our slave.
    char target[256] = {};
    const ssize_t length = ::readlink(options_.linkPath.c_str(), target, sizeof target - 1);
    if (length > 0 && slavePath_ == std::string(target, static_cast<size_t>(length))) {
      ::unlink(options_.linkPath.c_str());
    }
  }
  if (slave_ >= 0) {
    ::close(slave_);
  }
  if (master_ >= 0) {
    ::close(master_);
  }
}

bool PseudoTerminalServer::Open(const PseudoTerminalOptions& options, std::string& error) {
  options_ = options;
  master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
  if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0) {
    error = ErrnoText("cannot make a pseudo-terminal");
    return false;
  }
  const char* name = ::ptsname(master_);
  if (name == nullptr) {
    error = ErrnoText("cannot name the pseudo-terminal");
    return false;
  }
  slavePath_ = name;
  slave_ = ::open(name, O_RDWR | O_NOCTTY);
  if (slave_ < 0) {
    error = ErrnoText("cannot open " + slavePath_);
    return false;
  }
  // Raw, so that nothing echoes or translates what crosses the line before
  // the program puts its own settings on it.
  termios settings{};
  if (::tcgetattr(slave_, &settings) == 0) {
    ::cfmakeraw(&settings);
    const speed_t speed = SpeedOfBaudRate(line_.BaudRate());
    if (speed != 0) {
      ::cfsetspeed(&settings, speed);
    }
    ::tcsetattr(slave_, TCSANOW, &settings);
  }

  if (!options.linkPath.empty()) {
    struct stat existing {};
    if (::lstat(options.linkPath.c_str(), &existing) == 0) {
      if (!S_ISLNK(existing.st_mode)) {
        error = options.linkPath + " exists and is not a symbolic link; not replacing it";
        return false;
      }
      ::unlink(options.linkPath.c_str());
    }
    if (::symlink(slavePath_.c_str(), options.linkPath.c_str()) != 0) {
      error = ErrnoText("cannot make the link " + options.linkPath);
      return false;
    }
    linkMade_ = true;
  }
  return true;
}

std::string PseudoTerminalServer::PortPath() const {
  return linkMade_ ? options_.linkPath : slavePath_;
}

LineSettings PseudoTerminalServer::SenderSettings() const {
  LineSettings settings;
  termios current{};
  if (::tcgetattr(master_, &current) != 0) {
    return settings;
  }
  settings.baud_rate = BaudRateOfSpeed(::cfgetospeed(&current));
  switch (current.c_cflag & CSIZE) {
    case CS5:
      settings.data_bits = 5;
      break;
    case CS6:
      settings.data_bits = 6;
      break;
    case CS7:
      settings.data_bits = 7;
      break;
    default:
      settings.data_bits = 8;
      break;
  }
  if ((current.c_cflag & PARENB) != 0) {
    settings.parity = (current.c_cflag & PARODD) != 0 ? Parity::Odd : Parity::Even;
  }
  settings.parity_check = (current.c_iflag & INPCK) != 0;
  return settings;
}

bool PseudoTerminalServer::Send(const Transmission& reply, Clock::time_point arrived, int stop_fd) {
  // A delayed reply may be long in coming; a stop does not wait for it.
  const Clock::time_point due = arrived + std::chrono::milliseconds(reply.delay_ms);
  if (!WaitUntil(due, stop_fd)) {
    return false;
  }
  const int baudRate = line_.BaudRate();
  size_t sent = 0;
  while (sent < reply.bytes.size()) {
    // Paced, a byte is there once its 10 bit times have passed, counted
    // from when the reply was due, so that one late wake-up does not delay
    // every byte after it.
    const size_t chunk = options_.paceLineRate ? 1 : reply.bytes.size() - sent;
    if (options_.paceLineRate && !WaitUntil(ReplyByteArrives(due, sent, baudRate), stop_fd)) {
      return false;
    }
    const ssize_t written = ::write(master_, reply.bytes.data() + sent, chunk);
    if (written > 0) {
      sent += static_cast<size_t>(written);
      continue;
    }
    if (written < 0 && errno == EINTR) {
      continue;
    }
    // Nothing more goes out (typically nobody reads the other side and its
    // buffer is full): the rest is lost, as on a line without a listener.
    return true;
  }
  return true;
}

void PseudoTerminalServer::Serve(int stop_fd, const std::function<void()>& idle, int idle_ms,
                                 const ServeHooks& hooks) {
  std::array<uint8_t, 256> buffer{};
  bool traffic = false;
  IncomingLine incoming;
  if (options_.paceLineRate) {
    // The kernel may otherwise wake a paced wait up to 50 us late.
    ::prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
  }
  for (;;) {
    pollfd fds[3] = {{master_, POLLIN, 0}, {stop_fd, POLLIN, 0}, {hooks.inputFd, POLLIN, 0}};
    const int ready = ::poll(fds, hooks.inputFd >= 0 ? 3 : 2, traffic ? idle_ms : -1);
    if (ready < 0) {
      if (errno == EINTR) {
        continue;
      }
      return;
    }
    if ((fds[1].revents & (POLLIN | POLLHUP | POLLERR)) != 0) {
      return;
    }
    if (hooks.inputFd >= 0 && (fds[2].revents & (POLLIN | POLLHUP | POLLERR)) != 0) {
      if (!hooks.onInput()) {
        return;
      }
      if ((fds[0].revents & POLLIN) == 0) {
        continue;
      }
    }
    if (ready == 0) {
      traffic = false;
      if (idle) {
        idle();
      }
      continue;
    }
    if ((fds[0].revents & POLLIN) == 0) {
      // With our own slave held open the master does not hang up; anything
      // else here is a passing condition.
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
      continue;
    }
    const ssize_t count = ::read(master_, buffer.data(), buffer.size());
    if (count <= 0) {
      continue;
    }
    traffic = true;
    const LineSettings sender = SenderSettings();
    Clock::time_point arrived = Clock::now();
    if (options_.paceLineRate) {
      arrived = incoming.Arrived(arrived, static_cast<size_t>(count), line_.BaudRate());
    }
    const std::vector<Transmission> replies =
        line_.Receive(std::span<const uint8_t>(buffer.data(), static_cast<size_t>(count)), sender);
    for (const Transmission& reply : replies) {
      if (!Send(reply, arrived, stop_fd)) {
        return;
      }
      arrived = Clock::now();
    }
    if (hooks.afterTraffic) {
      hooks.afterTraffic();
    }
  }
}

}  // namespace orvane::sim
