#include "link/PortNames.h"

#include <array>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <mutex>

namespace orvane {
namespace {

constexpr int kComPortCount = 4;

std::mutex& OverrideMutex() {
  static std::mutex mutex;
  return mutex;
}

std::array<std::string, kComPortCount>& Overrides() {
  static std::array<std::string, kComPortCount> overrides;
  return overrides;
}

// 1..4 for "COM1".."COM4" in any letter case, 0 for any other name.
int ComPortNumber(const std::string& name) {
  if (name.size() != 4) {
    return 0;
  }
  for (size_t i = 0; i < 3; ++i) {
    const char upper = static_cast<char>(name[i] & ~0x20);
    if (upper != "COM"[i]) {
      return 0;
    }
  }
  const char digit = name[3];
  return digit >= '1' && digit <= '0' + kComPortCount ? digit - '0' : 0;
}

std::string ComPortDevice(int number) {
  {
    std::lock_guard<std::mutex> lock(OverrideMutex());
    const std::string& device = Overrides()[static_cast<size_t>(number - 1)];
    if (!device.empty()) {
      return device;
    }
  }
  const std::string variable = "ORVANE_COM" + std::to_string(number);
  if (const char* device = std::getenv(variable.c_str()); device != nullptr && *device != '\0') {
    return device;
  }
  return "/dev/ttyS" + std::to_string(number - 1);
}

}  // namespace

std::vector<std::string> ComPortNames() {
  std::vector<std::string> names;
  for (int number = 1; number <= kComPortCount; ++number) {
    names.push_back("COM" + std::to_string(number));
  }
  return names;
}

std::string ResolvePortDevice(const std::string& name) {
  const int number = ComPortNumber(name);
  return number == 0 ? name : ComPortDevice(number);
}

void SetComPortDevice(int number, const std::string& device) {
  if (number < 1 || number > kComPortCount) {
    return;
  }
  std::lock_guard<std::mutex> lock(OverrideMutex());
  Overrides()[static_cast<size_t>(number - 1)] = device;
}

std::string PortNameAndDevice(const std::string& name) {
  const std::string device = ResolvePortDevice(name);
  return device == name ? name : name + " (" + device + ")";
}

std::string PortOpenFailureReason(int errorNumber) {
  switch (errorNumber) {
    case ENOENT:
    case ENODEV:
    case ENXIO:
      return "no such device";
    case EACCES:
    case EPERM:
      return "permission denied";
    case EBUSY:
      return "in use by another program";
    default:
      return std::strerror(errorNumber);
  }
}

std::string PortOpenFailureHint(int errorNumber) {
  switch (errorNumber) {
    case ENOENT:
    case ENODEV:
    case ENXIO:
      return "Check the port name and the cable or USB adapter; \"orvane-cli port list\" shows "
             "the ports present.";
    case EACCES:
    case EPERM:
      return "Your user may not use the device: add it to the group that owns the device "
             "(usually dialout) and log in again.";
    case EBUSY:
      return "Close the other program that holds the port (another Orvane, a terminal program) "
             "and try again.";
    default:
      return {};
  }
}

std::optional<std::string> ComPortNameOfDevice(const std::string& device) {
  for (int number = 1; number <= kComPortCount; ++number) {
    if (ComPortDevice(number) == device) {
      return "COM" + std::to_string(number);
    }
  }
  return std::nullopt;
}

}  // namespace orvane
