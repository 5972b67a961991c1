// CCorvel: the helper object every PLC driver plug-in creates for one
// operation (a validation, a rebuild, a dialog). It parses and formats
// numbers by notation, converts the communication attribute enumerations to
// and from their attribute file bytes, fills the attribute dialogs' lists and
// shows message boxes that can be switched off per object.
//
// Corvel never shows anything itself: message boxes go to the process-wide
// message sink (corvel/CorvelExports.h).
#pragma once

#include <cstddef>
#include <cstdint>

#include "corvel/CorvelApi.h"
#include "corvel/CorvelCombo.h"
#include "corvel/CorvelExports.h"

// Attribute enumerations. The underlying type is fixed so that a value read
// from a damaged file stays representable; every conversion below is total.
enum BAUD_ENUM : int {
  BAUD_1200 = 0,
  BAUD_2400 = 1,
  BAUD_4800 = 2,
  BAUD_9600 = 3,
  BAUD_19200 = 4,
  BAUD_38400 = 5
};
enum PARITY_ENUM : int { PARITY_NONE = 0, PARITY_ODD = 1, PARITY_EVEN = 2 };
enum RS232_422_485 : int { LINK_RS232 = 0, LINK_RS422 = 1, LINK_RS485 = 2 };
enum STOP_ENUM : int { STOP_ONE = 0, STOP_TWO = 1 };
enum DATA_ENUM : int { DATA_SEVEN = 0, DATA_EIGHT = 1 };
enum CONTROL_RTS : int { CONTROL_RTS_NO = 0, CONTROL_RTS_YES = 1 };
enum REQUIRE_CTS : int { REQUIRE_CTS_NO = 0, REQUIRE_CTS_YES = 1 };
enum PLCCHECKSUM_TYPE : int { CHECKSUM_BCC = 0, CHECKSUM_CRC = 1 };

// Number notation. Any value other than the five below reads as unsigned
// decimal.
enum DATA_TYPE : int {
  DT_SIGNED_DECIMAL = 0,
  DT_UNSIGNED_DECIMAL = 1,
  DT_BCD = 2,
  DT_HEXADECIMAL = 3,
  DT_OCTAL = 4
};
// 0 is a 16-bit value, anything else a 32-bit value.
enum DATA_SIZE : int { DS_16_BIT = 0, DS_32_BIT = 1 };

// CalculateChecksum kinds.
enum { CORVEL_CHECKSUM_CRC16 = 1, CORVEL_CHECKSUM_XOR = 2 };

class CORVEL_API CCorvel {
 public:
  CCorvel();
  CCorvel(const CCorvel& other);
  CCorvel& operator=(const CCorvel& other);
  virtual ~CCorvel();

  // The application type changes the baud rate list: types other than 0 and
  // 1 lack 1200 and 38400.
  void SetAppType(int type) { m_nAppType = type; }
  int GetAppType() const { return m_nAppType; }

  /// When off, OvAfxMessageBox shows nothing and answers CORVEL_IDOK.
  void SetDisplayMessages(bool display) { m_bDisplayMessages = display; }
  bool GetDisplayMessages() const { return m_bDisplayMessages; }

  // Messages. style: CORVEL_MB_PLAIN, CORVEL_MB_ICON_EXCLAMATION or
  // CORVEL_MB_ICON_INFORMATION; helpId: a help context or 0.
  int OvAfxMessageBox(const char* text, unsigned style = CORVEL_MB_PLAIN, unsigned helpId = 0);
  /// The text of a string id from the program's string table.
  int OvAfxMessageBox(unsigned stringId, unsigned style = CORVEL_MB_PLAIN, unsigned helpId = 0);
  /// One of the address error texts every driver shares, with the
  /// exclamation icon: 1 unit, 2 address type, 4 bit, 5 data type, 6 even
  /// and 7 odd word alignment, anything else an invalid address.
  int DisplayDLLErrorStrings(int code);

  // BCD: one decimal digit per nibble, lowest digit in the lowest nibble.
  uint32_t BCDToBinary(uint32_t bcd) const;
  /// Defined for 0 to 99,999,999.
  uint32_t BinaryToBCD(uint32_t value) const;

  /// CORVEL_CHECKSUM_CRC16: CRC-16/XMODEM (polynomial 0x1021, initial 0),
  /// high CRC byte in the high byte. CORVEL_CHECKSUM_XOR: the XOR of all
  /// bytes in the low byte, its complement in the high byte. A CRC over no
  /// bytes, and any other kind, give 0.
  void CalculateChecksum(unsigned char kind, const unsigned char* data, uint16_t length,
                         uint16_t* result) const;

  // Enumeration <-> attribute file byte.
  unsigned char ConvertBaudrateEnumtoUnsignedChar(BAUD_ENUM value) const;
  BAUD_ENUM ConvertUnsignedChartoBaudEnum(unsigned char byte) const;
  unsigned char ConvertParityEnumtoUnsignedChar(PARITY_ENUM value) const;
  PARITY_ENUM ConvertUnsignedChartoParityEnum(unsigned char byte) const;
  unsigned char ConvertStopEnumtoUnsignedChar(STOP_ENUM value) const;
  STOP_ENUM ConvertUnsignedChartoStopEnum(unsigned char byte) const;
  unsigned char ConvertDataEnumtoUnsignedChar(DATA_ENUM value) const;
  DATA_ENUM ConvertUnsignedChartoDataEnum(unsigned char byte) const;
  unsigned char ConvertRS232EnumtoUnsignedChar(RS232_422_485 value) const;
  RS232_422_485 ConvertUnsignedChartoRS232Enum(unsigned char byte) const;
  unsigned char ConvertControlRTSEnumtoUnsignedChar(CONTROL_RTS value) const;
  CONTROL_RTS ConvertUnsignedChartoControlRTSEnum(unsigned char byte) const;
  unsigned char ConvertRequireCTSEnumtoUnsignedChar(REQUIRE_CTS value) const;
  REQUIRE_CTS ConvertUnsignedChartoRequireCTSEnum(unsigned char byte) const;
  unsigned char ConvertChecksumEnumtoUnsignedChar(PLCCHECKSUM_TYPE value) const;
  PLCCHECKSUM_TYPE ConvertUnsignedChartoChecksumEnum(unsigned char byte) const;

  // List fillers: each empties the list, appends its entries and selects
  // nothing.
  void InsertParityinCombo(CCorvelCombo& combo) const;
  void InsertStopbitsinCombo(CCorvelCombo& combo) const;
  void InsertDatabitsInCombo(CCorvelCombo& combo) const;
  void InsertChecksumTypeInCombo(CCorvelCombo& combo) const;
  void InsertRS232422485inComboBox(CCorvelCombo& combo) const;

  /// Fills the baud rate list for this object's application type and
  /// selects baud (the third entry when baud is not listed).
  void InsertAndSelectBaudrateinCombo(CCorvelCombo& combo, BAUD_ENUM baud);
  /// The selected baud rate (the first entry's when nothing is selected);
  /// BAUD_19200 when the text is no baud rate.
  BAUD_ENUM GetBaudrateFromCombo(const CCorvelCombo& combo) const;
  /// Kept for the drivers that call it after filling the list; the list is
  /// already right for the application type.
  void RemoveUnwantedBaudRates(CCorvelCombo& combo) const;

  /// The most characters a value takes in a notation.
  int MaxNumberDigits(DATA_TYPE type, DATA_SIZE size) const;
  /// Formats into buffer (capacity bytes including the NUL; truncated to
  /// fit). 13 bytes always suffice.
  void ValuetoString(char* buffer, size_t capacity, uint16_t value, DATA_TYPE type) const;
  void LongValuetoString(char* buffer, size_t capacity, uint32_t value, DATA_TYPE type) const;
  /// Parses a 16-bit value. On failure shows one message (information icon)
  /// and leaves *value untouched. name takes no part.
  bool StringtoValue(const char* text, uint16_t* value, DATA_TYPE type, const char* name);
  /// Parses a 32-bit value, like StringtoValue.
  bool StringtoLongValue(const char* text, uint32_t* value, DATA_TYPE type, const char* name);

  /// Whether the addresses of the second PLC can be converted to the first.
  bool IsPLCConvertible(unsigned char firstManufacturer, unsigned char firstModel,
                        unsigned char secondManufacturer, unsigned char secondModel) const;

 private:
  int32_t m_nAppType;
  bool m_bDisplayMessages;
};
