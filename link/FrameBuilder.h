// Building a whole frame from a message code and a payload, for the side
// that answers (the simulator) and for tests.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace orvane {

/// AA, L, 10, 01, code, payload, CRC low, CRC high. Empty when the payload is
/// longer than 249 bytes (L would not fit its byte).
std::vector<uint8_t> BuildFrame(uint8_t code, std::span<const uint8_t> payload);

}  // namespace orvane
