// The state file of orvane-panelsim: what a simulated device holds, kept
// across restarts of the simulator.
//
// Text, one item a line, binary data as hexadecimal digits:
//
//   orvane-panelsim state 1
//   [panel]                  a single panel, or
//   [multiplexer]            a multiplexer, followed by one section per panel:
//   [port 3]
//
// A panel section (single or on a port) begins with "model M" (1..5) and
// may hold "firmware L N" (revision letter and number), "firmware-image
// HEX", "driver HEX", "system HEX", "tags HEX", "plc HEX" and any number of
// "message N HEX" (wire number, then the record as written). A multiplexer
// section may hold "firmware L N", "firmware-image HEX", "driver HEX",
// "tags HEX" and "plc HEX" (the PLC attribute stream without its
// checksum). A key without a value is empty; a missing key leaves the item
// empty. Lines that are empty or start with '#' are skipped.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "sim/SimulatedDevice.h"

namespace orvane::sim {

/// The state file text of what the device holds.
std::string SaveState(const SimulatedDevice& device);

/// Restores what a state file holds into a device built from the command
/// line. The file must describe the same kind of device, the same model,
/// and no panel on a port the device does not have (that panel's memory
/// would be lost); ports without a section start empty. Returns an empty
/// text on success, else what is wrong (the device is then unchanged).
std::string LoadState(std::string_view text, SimulatedDevice& device);

/// A device built from a state file alone (models and ports as the file
/// says, everything else at its defaults), with the state loaded; nothing,
/// with error set, when the file is not a valid state file.
std::unique_ptr<SimulatedDevice> DeviceFromState(std::string_view text, std::string& error);

}  // namespace orvane::sim
