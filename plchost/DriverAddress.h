// One PLC address as the host keeps it: the driver's map string copied into
// storage of the host's own, and the fields ValidatePlc reported.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "plchost/PlcContract.h"

namespace orvane {

struct DriverAddress {
  /// The map string; only the first mapLength bytes are the driver's, the
  /// rest stays zero so a driver reading its full map length from a short
  /// or empty address never reads past the storage.
  std::array<unsigned char, PLC_MAP_STRING_CAPACITY> map{};
  int mapLength = 0;
  int32_t access = 0;
  int32_t isBit = 0;
  int32_t valid = 0;
  int32_t type = 0;
  uint16_t fileNumber = 0;
  uint16_t wordNumber = 0;
  unsigned char bit = 255;

  /// The contract record for a driver call. It points into this object's
  /// map: keep the object alive and in place while the record is used.
  PlcAddress Record();

  /// Takes every field of a contract record except its map string, which
  /// the caller copies with the length it trusts.
  void TakeFields(const PlcAddress& record);

  /// The map string in use as upper-case hexadecimal bytes separated by
  /// blanks ("FF 07 00 07 00 00 FF").
  std::string MapText() const;
};

}  // namespace orvane
