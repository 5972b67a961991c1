// Brisko's attribute file: the shared 34-byte header, then 13 bytes.
//
//   34 reserved (kept as read)    41 checksum type (0 BCC, 1 CRC)
//   35 default PLC address        42 RS 485 selected (0 no, 1 yes)
//   36 station number             43 control RTS
//   37 baud rate                  44 require CTS
//   38 parity (0 none, 2 even)    45 time-out, tenths of a second
//   39 stop bits (0 one, 1 two)   46 poll time, tenths of a second
//   40 data bits (always 1, eight)
#include "plugins/Brisko/Brisko.h"
#include "plugins/common/kit/AttributeFile.h"

namespace orvane::brisko {
namespace {

constexpr size_t kBodyLength = kAttributeFileLength - plugin::kAttributeBodyOffset;

enum Offset : size_t {
  kReserved34 = 34,
  kDefaultPlcAddress = 35,
  kStationNumber = 36,
  kBaudRate = 37,
  kParity = 38,
  kStopBits = 39,
  kDataBits = 40,
  kChecksum = 41,
  kLink = 42,
  kControlRts = 43,
  kRequireCts = 44,
  kTimeOut = 45,
  kPollTime = 46,
};

}  // namespace

PlcAttributes DefaultAttributes() {
  PlcAttributes attributes;
  attributes.header = plugin::AttributeFileHeader(Identity(), kBodyLength);
  return attributes;
}

PlcAttributes DecodeAttributes(const CCorvel& corvel, const std::vector<unsigned char>& bytes) {
  PlcAttributes attributes = DefaultAttributes();
  attributes.reserved34 = bytes[kReserved34];
  attributes.defaultPlcAddress = bytes[kDefaultPlcAddress];
  attributes.stationNumber = bytes[kStationNumber];
  attributes.baudRate = corvel.ConvertUnsignedChartoBaudEnum(bytes[kBaudRate]);
  attributes.parity = corvel.ConvertUnsignedChartoParityEnum(bytes[kParity]);
  attributes.stopBits = corvel.ConvertUnsignedChartoStopEnum(bytes[kStopBits]);
  attributes.dataBits = corvel.ConvertUnsignedChartoDataEnum(bytes[kDataBits]);
  attributes.checksum = corvel.ConvertUnsignedChartoChecksumEnum(bytes[kChecksum]);
  attributes.link = corvel.ConvertUnsignedChartoRS232Enum(bytes[kLink]);
  attributes.controlRts = corvel.ConvertUnsignedChartoControlRTSEnum(bytes[kControlRts]);
  attributes.requireCts = corvel.ConvertUnsignedChartoRequireCTSEnum(bytes[kRequireCts]);
  attributes.timeOut = bytes[kTimeOut];
  attributes.pollTime = bytes[kPollTime];
  return attributes;
}

std::vector<unsigned char> EncodeAttributes(const CCorvel& corvel,
                                            const PlcAttributes& attributes) {
  std::vector<unsigned char> bytes = attributes.header;
  bytes.resize(kAttributeFileLength, 0);
  bytes[kReserved34] = attributes.reserved34;
  bytes[kDefaultPlcAddress] = attributes.defaultPlcAddress;
  bytes[kStationNumber] = attributes.stationNumber;
  bytes[kBaudRate] = corvel.ConvertBaudrateEnumtoUnsignedChar(attributes.baudRate);
  bytes[kParity] = corvel.ConvertParityEnumtoUnsignedChar(attributes.parity);
  bytes[kStopBits] = corvel.ConvertStopEnumtoUnsignedChar(attributes.stopBits);
  bytes[kDataBits] = corvel.ConvertDataEnumtoUnsignedChar(attributes.dataBits);
  bytes[kChecksum] = corvel.ConvertChecksumEnumtoUnsignedChar(attributes.checksum);
  bytes[kLink] = corvel.ConvertRS232EnumtoUnsignedChar(attributes.link);
  bytes[kControlRts] = corvel.ConvertControlRTSEnumtoUnsignedChar(attributes.controlRts);
  bytes[kRequireCts] = corvel.ConvertRequireCTSEnumtoUnsignedChar(attributes.requireCts);
  bytes[kTimeOut] = attributes.timeOut;
  bytes[kPollTime] = attributes.pollTime;
  return bytes;
}

std::vector<unsigned char> DefaultAttributeFile(const CCorvel& corvel) {
  return EncodeAttributes(corvel, DefaultAttributes());
}

}  // namespace orvane::brisko
