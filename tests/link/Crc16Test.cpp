#include "link/Crc16.h"

#include <gtest/gtest.h>

#include <random>
#include <string_view>
#include <vector>

namespace orvane {
namespace {

// The textbook bit-by-bit form of the same CRC, to check the byte-wise one.
uint16_t BitwiseCrc(const std::vector<uint8_t>& bytes) {
  uint16_t crc = 0;
  for (const uint8_t byte : bytes) {
    crc ^= static_cast<uint16_t>(byte << 8);
    for (int bit = 0; bit < 8; ++bit) {
      crc = (crc & 0x8000) != 0 ? static_cast<uint16_t>(crc << 1 ^ 0x1021)
                                : static_cast<uint16_t>(crc << 1);
    }
  }
  return crc;
}

TEST(Crc16, KnownValues) {
  constexpr std::string_view digits = "123456789";
  EXPECT_EQ(CalcCrc16(std::span(reinterpret_cast<const uint8_t*>(digits.data()), digits.size())),
            0x31C3);
  // The status request: CRC over length, address bytes and code.
  const std::vector<uint8_t> status = {0x06, 0x10, 0x01, 0x12};
  EXPECT_EQ(CalcCrc16(status), 0x65B8);
  EXPECT_EQ(CalcCrc16({}), 0);
}

TEST(Crc16, AgreesWithTheBitwiseForm) {
  std::mt19937 random(12345);
  for (int round = 0; round < 500; ++round) {
    std::vector<uint8_t> bytes(random() % 80);
    for (uint8_t& byte : bytes) {
      byte = static_cast<uint8_t>(random());
    }
    ASSERT_EQ(CalcCrc16(bytes), BitwiseCrc(bytes)) << "round " << round;
  }
}

}  // namespace
}  // namespace orvane
