// Writing a DF1 map string back as text, in the one canonical spelling: upper
// case, no leading zeros, the long bit form of a bit file split into word
// and bit ("B3/100" comes back as "B3:6/4").
#include <cstdio>

#include "plugins/common/df1/Df1Grammar.h"
#include "plugins/common/kit/Refusal.h"

namespace orvane::df1 {
namespace {

using plugin::Refuse;

std::string Number(unsigned value, NumberFormat format) {
  char digits[16] = {};
  std::snprintf(digits, sizeof digits, format.base == 8 ? "%0*o" : "%0*u", format.width, value);
  return digits;
}

constexpr NumberFormat kDecimal = {10, 0};

}  // namespace

bool Df1Grammar::Format(CCorvel& corvel, Df1Address& address, std::string& text) const {
  std::string out;
  if (dialect_.stationPrefix &&
      !plugin::WriteStationPrefix(corvel, StationRule(), address.station,
                                  {"Error T02_1:  Invalid Station Address", CORVEL_MB_PLAIN},
                                  out)) {
    return false;
  }
  const unsigned char type = address.type;
  if (type >= kTypeCount) {
    return Refuse(corvel, "Error T02_3:  Invalid Address (Invalid file type)",
                  CORVEL_MB_ICON_EXCLAMATION);
  }
  out += kTypeLetters[type];
  if (type == kFloat && corvel.GetAppType() != 0) {
    return Refuse(corvel, "Orvane does not support floating point address types", CORVEL_MB_PLAIN);
  }
  const bool implicitFile = HasImplicitFile(type);
  const bool fileOk = implicitFile ? address.fileNumber == DefaultFileNumber(type)
                                   : IsValidFileNumber(type, address.fileNumber);
  if (!fileOk) {
    return Refuse(corvel, "Error T02_3:  Invalid Address (Invalid file number).",
                  CORVEL_MB_ICON_EXCLAMATION);
  }
  if (!implicitFile) {
    out += Number(address.fileNumber, kDecimal);
  }
  if (address.wordNumber > 255) {
    return Refuse(corvel, "Error T02_3:  Invalid Address (Invalid word address)",
                  CORVEL_MB_ICON_EXCLAMATION);
  }
  const bool inputOutput = IsInputOutput(type);
  out += ':';
  out += Number(address.wordNumber, inputOutput ? dialect_.inputOutputWord : kDecimal);

  int32_t isBit = address.bit <= 15 ? 1 : 0;
  if (HasSubElements(type)) {
    const std::optional<SubElement> element = SubElementOf(type, address.bit);
    if (!element) {
      return Refuse(corvel, "Error T02_3:  Invalid Address.", CORVEL_MB_ICON_EXCLAMATION);
    }
    out += ".";
    out += element->mnemonic;
    // The preset and accumulator are words, as when the text was validated.
    isBit = element->isFlag ? 1 : 0;
  } else if (address.bit <= 15) {
    out += '/';
    out += Number(address.bit, inputOutput ? dialect_.inputOutputBit : kDecimal);
  }
  address.isBit = isBit;
  text = out;
  return true;
}

bool Df1Grammar::Rebuild(CCorvel& corvel, PlcAddress& address, std::string& text) const {
  Df1Address fields = DecodeMapString(address.mapString);
  if (!Format(corvel, fields, text)) {
    return false;
  }
  address.isBit = fields.isBit;
  return true;
}

}  // namespace orvane::df1
