// A Modbus reference as text, "1-44107" or "40001/3": an optional slave and
// "-", the reference in the usual 0xxxx / 1xxxx / 3xxxx / 4xxxx numbering
// (4xxxxx for holding registers above 9999), and for registers an optional
// "/" bit. The Think & Do driver converts its addresses into this form and
// checks them here.
#pragma once

#include <cstdint>
#include <string>

#include "corvel/Corvel.h"
#include "plugins/common/kit/StationPrefix.h"

namespace orvane::modbus {

/// The first digit of a reference; its position is the table index.
inline constexpr char kTableDigits[] = "0134";

enum ModbusTable : unsigned char {
  kCoils = 0,
  kDiscreteInputs = 1,
  kInputRegisters = 2,
  kHoldingRegisters = 3,
};

inline constexpr unsigned char kNoSlave = 255;

struct ModbusReference {
  unsigned char slave = kNoSlave;
  unsigned char table = kCoils;
  uint16_t number = 0;  // within the table, from 1
  bool hasBit = false;
  unsigned char bit = 0;
};

/// The slave before the "-": 0..247, at most three characters; 255 (no
/// slave) without prefix.
const plugin::StationRule& SlaveRule();

/// Checks a reference text; false after one message.
bool ReadModbusReference(CCorvel& corvel, const std::string& text, ModbusReference& reference);

/// Whether a number lies in its table: 1..8192 for coils, inputs and input
/// registers, 1..65535 for holding registers.
bool IsReferenceNumber(unsigned char table, uint32_t number);

}  // namespace orvane::modbus
