// Brisko: the Allen-Bradley SLC 500 / MicroLogix driver on DF1 half duplex.
// The pieces its four files give each other.
#pragma once

#include <string>
#include <vector>

#include "corvel/Corvel.h"
#include "plugins/common/df1/Df1Dialect.h"
#include "plugins/common/kit/DriverDefinition.h"

namespace orvane::brisko {

/// Manufacturer 1, model 4 (exports.cpp).
const plugin::DriverIdentity& Identity();

/// The half duplex address syntax (address.cpp).
const df1::Df1Dialect& Dialect();

/// The communication attributes as the dialog edits them (attributes.cpp).
struct PlcAttributes {
  // Offsets 0 to 34 as written: identity, reserved bytes, length, reserved.
  std::vector<unsigned char> header;
  unsigned char reserved34 = 0;
  unsigned char defaultPlcAddress = 1;
  unsigned char stationNumber = 1;
  BAUD_ENUM baudRate = BAUD_19200;
  PARITY_ENUM parity = PARITY_NONE;
  STOP_ENUM stopBits = STOP_ONE;
  DATA_ENUM dataBits = DATA_EIGHT;
  PLCCHECKSUM_TYPE checksum = CHECKSUM_BCC;
  RS232_422_485 link = LINK_RS232;
  CONTROL_RTS controlRts = CONTROL_RTS_NO;
  REQUIRE_CTS requireCts = REQUIRE_CTS_NO;
  unsigned char timeOut = 30;  // tenths of a second
  unsigned char pollTime = 0;  // tenths of a second
};

/// The length of an attribute file.
inline constexpr size_t kAttributeFileLength = 47;

PlcAttributes DefaultAttributes();
/// Takes the attributes from a file's bytes (offsets 34 to 46); the header
/// keeps its defaults. bytes holds at least kAttributeFileLength bytes.
PlcAttributes DecodeAttributes(const CCorvel& corvel, const std::vector<unsigned char>& bytes);
std::vector<unsigned char> EncodeAttributes(const CCorvel& corvel, const PlcAttributes& attributes);
std::vector<unsigned char> DefaultAttributeFile(const CCorvel& corvel);

/// The modal "Allen Bradley SLC 500 Attributes" dialog on an existing file
/// (dialog.cpp).
void RunAttributeDialog(CCorvel& corvel, const std::string& path);

}  // namespace orvane::brisko
