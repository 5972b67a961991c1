// BCD packing and the checksums of the PLC protocols.
#include "corvel/Corvel.h"

uint32_t CCorvel::BCDToBinary(uint32_t bcd) const {
  // Nibbles above 9 are not refused: they weigh in with their own value.
  uint32_t result = 0;
  uint32_t weight = 1;
  for (int nibble = 0; nibble < 8; ++nibble) {
    result += ((bcd >> (4 * nibble)) & 0xFu) * weight;
    weight *= 10;
  }
  return result;
}

uint32_t CCorvel::BinaryToBCD(uint32_t value) const {
  uint32_t result = 0;
  for (int nibble = 0; nibble < 8 && value != 0; ++nibble) {
    result |= (value % 10) << (4 * nibble);
    value /= 10;
  }
  return result;
}

void CCorvel::CalculateChecksum(unsigned char kind, const unsigned char* data, uint16_t length,
                                uint16_t* result) const {
  if (result == nullptr) {
    return;
  }
  if (data == nullptr) {
    length = 0;
  }
  uint16_t checksum = 0;
  if (kind == CORVEL_CHECKSUM_CRC16) {
    // CRC-16/XMODEM: polynomial 0x1021, initial value 0, no reflection and
    // no final XOR.
    for (uint16_t i = 0; i < length; ++i) {
      checksum = static_cast<uint16_t>(checksum ^ (data[i] << 8));
      for (int bit = 0; bit < 8; ++bit) {
        checksum = (checksum & 0x8000u) != 0 ? static_cast<uint16_t>((checksum << 1) ^ 0x1021u)
                                             : static_cast<uint16_t>(checksum << 1);
      }
    }
  } else if (kind == CORVEL_CHECKSUM_XOR) {
    // The block check byte travels with its complement, so even no bytes at
    // all give a non-zero word.
    unsigned char block = 0;
    for (uint16_t i = 0; i < length; ++i) {
      block = static_cast<unsigned char>(block ^ data[i]);
    }
    checksum = static_cast<uint16_t>((static_cast<unsigned char>(~block) << 8) | block);
  }
  *result = checksum;
}
