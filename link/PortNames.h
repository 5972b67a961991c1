// Port names as the user chooses them ("COM1".."COM4") and the devices they
// stand for on this platform.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace orvane {

/// The names the port choice offers, "COM1" to "COM4".
std::vector<std::string> ComPortNames();

/// The device a port name opens. "COM1".."COM4" (in any letter case) map to
/// /dev/ttyS0../dev/ttyS3 unless SetComPortDevice or the environment variable
/// ORVANE_COM1..ORVANE_COM4 names another device (the former wins). Any other
/// name is a device path and is returned unchanged.
std::string ResolvePortDevice(const std::string& name);

/// Points "COMn" (n = 1..4) at another device for the rest of the process; an
/// empty device removes the override. Other numbers are ignored.
void SetComPortDevice(int number, const std::string& device);

/// The port as the user reads it: "COM1 (/dev/ttyS0)" for a COM name, the
/// path alone for a device path.
std::string PortNameAndDevice(const std::string& name);

/// Why a port did not open, from the operating system's error number: "no
/// such device" (ENOENT, ENODEV, ENXIO), "permission denied" (EACCES,
/// EPERM), "in use by another program" (EBUSY), else the system's text.
std::string PortOpenFailureReason(int errorNumber);

/// What the user can do about it; empty when nothing better than the reason
/// can be said.
std::string PortOpenFailureHint(int errorNumber);

/// The "COMn" name whose device is the given path, if any.
std::optional<std::string> ComPortNameOfDevice(const std::string& device);

/// A serial port present on this machine.
struct SerialPortEntry {
  std::string name;         // "COMn" when a COM name maps to the device, else the device path
  std::string device;       // the device path
  std::string description;  // what the system says about it; may be empty
};

/// The serial ports present now, ordered by device path. Pseudo-terminals are
/// not listed (they are opened by path). Implemented with the real port.
std::vector<SerialPortEntry> ListSerialPorts();

}  // namespace orvane
