#include "link/Crc16.h"

namespace orvane {

uint16_t CalcCrc16(std::span<const uint8_t> bytes) {
  uint8_t high = 0;
  uint8_t low = 0;
  for (const uint8_t data : bytes) {
    uint8_t x = high ^ data;
    x ^= static_cast<uint8_t>(x >> 4);
    high = static_cast<uint8_t>(low ^ static_cast<uint8_t>(x << 4) ^ static_cast<uint8_t>(x >> 3));
    low = static_cast<uint8_t>(x ^ static_cast<uint8_t>(x << 5));
  }
  return static_cast<uint16_t>(high << 8 | low);
}

}  // namespace orvane
