#include "plugins/common/modbus/ModbusReference.h"

#include <cstring>

#include "plugins/common/kit/Refusal.h"

namespace orvane::modbus {
namespace {

using plugin::Refuse;

constexpr unsigned kPlain = CORVEL_MB_PLAIN;

bool AllDigits(const std::string& text) {
  if (text.empty()) {
    return false;
  }
  for (const char c : text) {
    if (c < '0' || c > '9') {
      return false;
    }
  }
  return true;
}

}  // namespace

const plugin::StationRule& SlaveRule() {
  static const plugin::StationRule rule{
      .longest = 3,
      .notation = DT_UNSIGNED_DECIMAL,
      .minimum = 0,
      .maximum = 247,
      .none = kNoSlave,
      .badLength = {"Error T02_1:  Invalid station number", kPlain},
      .notANumber = {},
      .outOfRange = {"Error T02_1:  Invalid Station Number", kPlain},
  };
  return rule;
}

bool IsReferenceNumber(unsigned char table, uint32_t number) {
  if (table == kHoldingRegisters) {
    // The map string holds the number in two bytes.
    return number >= 1 && number <= 0xFFFF;
  }
  return number >= 1 && number <= 8192;
}

bool ReadModbusReference(CCorvel& corvel, const std::string& text, ModbusReference& reference) {
  ModbusReference read;
  std::string rest;
  if (!plugin::ReadStationPrefix(corvel, SlaveRule(), text, read.slave, rest)) {
    return false;
  }
  const size_t slash = rest.find('/');
  std::string number = rest.substr(0, slash);
  if (number.size() < 5) {
    number.insert(0, 5 - number.size(), '0');
  }
  const char* table = std::strchr(kTableDigits, number[0]);
  if (table == nullptr) {
    return Refuse(corvel, "Error T02_3:  Invalid Address", kPlain);
  }
  read.table = static_cast<unsigned char>(table - kTableDigits);

  if (slash != std::string::npos) {
    // The bit follows the reference's five or six digits.
    if (number.size() > 6) {
      return Refuse(corvel, "Error T02_4:  Invalid Address", kPlain);
    }
    const std::string bit = rest.substr(slash + 1);
    const bool registers = read.table == kInputRegisters || read.table == kHoldingRegisters;
    if (bit.size() >= 3 || !registers || !AllDigits(bit) || std::stoi(bit) > 15) {
      return Refuse(corvel, "Error T02_4:  Invalid bit address", kPlain);
    }
    read.hasBit = true;
    read.bit = static_cast<unsigned char>(std::stoi(bit));
  }

  if (number.size() >= 7 || !AllDigits(number)) {
    return Refuse(corvel, "Error T02_3:  Invalid address", kPlain);
  }
  uint32_t value = 0;
  if (number.size() == 6) {
    // Six digits number the holding registers above 9999: 410000.
    if (read.table != kHoldingRegisters) {
      return Refuse(corvel, "Error T02_2:  Invalid Address Type", kPlain);
    }
    value = static_cast<uint32_t>(std::stoul(number.substr(1)));
  } else {
    value = static_cast<uint32_t>(std::stoul(number)) % 10000;
  }
  if (!IsReferenceNumber(read.table, value)) {
    return Refuse(corvel, "Error T02_3:  Invalid address", kPlain);
  }
  read.number = static_cast<uint16_t>(value);
  reference = read;
  return true;
}

}  // namespace orvane::modbus
