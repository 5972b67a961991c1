// The attribute enumerations and the single bytes that stand for them in
// attribute files. Every conversion is total: a value the table does not
// know converts to the enumeration's fallback, so a damaged file still loads.
#include "corvel/Corvel.h"

namespace {

// 1200, 2400, 4800, 19200 and 38400 keep their value; everything else,
// 9600 included, is 9600.
int BaudValue(int value) {
  switch (value) {
    case BAUD_1200:
    case BAUD_2400:
    case BAUD_4800:
    case BAUD_19200:
    case BAUD_38400:
      return value;
    default:
      return BAUD_9600;
  }
}

// Three-valued enumerations whose fallback is 0.
int ThreeWay(int value) {
  return value == 1 || value == 2 ? value : 0;
}

// Yes/no enumerations whose fallback is 0.
int OneOrZero(int value) {
  return value == 1 ? 1 : 0;
}

}  // namespace

unsigned char CCorvel::ConvertBaudrateEnumtoUnsignedChar(BAUD_ENUM value) const {
  return static_cast<unsigned char>(BaudValue(value));
}
BAUD_ENUM CCorvel::ConvertUnsignedChartoBaudEnum(unsigned char byte) const {
  return static_cast<BAUD_ENUM>(BaudValue(byte));
}

unsigned char CCorvel::ConvertParityEnumtoUnsignedChar(PARITY_ENUM value) const {
  return static_cast<unsigned char>(ThreeWay(value));
}
PARITY_ENUM CCorvel::ConvertUnsignedChartoParityEnum(unsigned char byte) const {
  return static_cast<PARITY_ENUM>(ThreeWay(byte));
}

unsigned char CCorvel::ConvertRS232EnumtoUnsignedChar(RS232_422_485 value) const {
  return static_cast<unsigned char>(ThreeWay(value));
}
RS232_422_485 CCorvel::ConvertUnsignedChartoRS232Enum(unsigned char byte) const {
  return static_cast<RS232_422_485>(ThreeWay(byte));
}

unsigned char CCorvel::ConvertStopEnumtoUnsignedChar(STOP_ENUM value) const {
  return static_cast<unsigned char>(OneOrZero(value));
}
STOP_ENUM CCorvel::ConvertUnsignedChartoStopEnum(unsigned char byte) const {
  return static_cast<STOP_ENUM>(OneOrZero(byte));
}

unsigned char CCorvel::ConvertDataEnumtoUnsignedChar(DATA_ENUM value) const {
  return static_cast<unsigned char>(OneOrZero(value));
}
DATA_ENUM CCorvel::ConvertUnsignedChartoDataEnum(unsigned char byte) const {
  return static_cast<DATA_ENUM>(OneOrZero(byte));
}

unsigned char CCorvel::ConvertControlRTSEnumtoUnsignedChar(CONTROL_RTS value) const {
  return static_cast<unsigned char>(OneOrZero(value));
}
CONTROL_RTS CCorvel::ConvertUnsignedChartoControlRTSEnum(unsigned char byte) const {
  return static_cast<CONTROL_RTS>(OneOrZero(byte));
}

unsigned char CCorvel::ConvertRequireCTSEnumtoUnsignedChar(REQUIRE_CTS value) const {
  return static_cast<unsigned char>(OneOrZero(value));
}
REQUIRE_CTS CCorvel::ConvertUnsignedChartoRequireCTSEnum(unsigned char byte) const {
  return static_cast<REQUIRE_CTS>(OneOrZero(byte));
}

unsigned char CCorvel::ConvertChecksumEnumtoUnsignedChar(PLCCHECKSUM_TYPE value) const {
  return static_cast<unsigned char>(OneOrZero(value));
}
PLCCHECKSUM_TYPE CCorvel::ConvertUnsignedChartoChecksumEnum(unsigned char byte) const {
  return static_cast<PLCCHECKSUM_TYPE>(OneOrZero(byte));
}
