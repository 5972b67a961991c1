// What a simulated device holds, decoded for people: each message as the
// panel shows it with the digit positions of its data items marked, the
// system attributes, the tag list with its map strings, the PLC attributes
// and the image lengths.
#pragma once

#include <span>
#include <string>

#include "sim/SimulatedDevice.h"
#include "sim/SimulatedMultiplexer.h"
#include "sim/SimulatedPanel.h"

namespace orvane::sim {

/// The whole device: a panel, or a multiplexer and every port.
std::string DumpDevice(const SimulatedDevice& device);

std::string DumpPanel(const SimulatedPanel& panel);
std::string DumpMultiplexer(const SimulatedMultiplexer& multiplexer);

/// A text panel's 20 text bytes as the panel shows them: digit positions of
/// data item 1, 2, 3 as '1', '2', '3', the decimal point of data item 1 as
/// '.', bytes outside printable ASCII as '?'.
std::string ShowMessageText(std::span<const uint8_t> text);

}  // namespace orvane::sim
