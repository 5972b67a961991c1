// Checking a DF1 address text. The rules run in a fixed order and the first
// one broken decides the message, so a user always sees the same complaint
// for the same text.
#include "plugins/common/df1/Df1Grammar.h"

#include <cctype>
#include <cstring>

#include "plugins/common/df1/Df1DataTypes.h"
#include "plugins/common/kit/AcceptedAddress.h"
#include "plugins/common/kit/Refusal.h"
#include "plugins/common/kit/StationPrefix.h"

namespace orvane::df1 {
namespace {

constexpr size_t npos = std::string::npos;

// Texts this long never name an address; checked before anything else.
constexpr size_t kLongestText = 15;
// The file and word numbers are at most three digits.
constexpr size_t kNumberDigits = 3;

constexpr unsigned kPlain = CORVEL_MB_PLAIN;
constexpr unsigned kExclamation = CORVEL_MB_ICON_EXCLAMATION;
constexpr unsigned kInformation = CORVEL_MB_ICON_INFORMATION;

using plugin::Refuse;

// Numbers inside an address are unsigned decimal; a bad one is reported by
// the number parser itself.
bool ReadNumber(CCorvel& corvel, const std::string& text, uint16_t& value) {
  return corvel.StringtoValue(text.c_str(), &value, DT_UNSIGNED_DECIMAL, "error_string");
}

std::string UpperCase(std::string text) {
  for (char& c : text) {
    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  }
  return text;
}

}  // namespace

const plugin::StationRule& StationRule() {
  static const plugin::StationRule rule{
      .longest = 2,
      .notation = DT_UNSIGNED_DECIMAL,
      .minimum = 0,
      .maximum = kHighestStation,
      .none = kNoStation,
      .badLength = {"Error T02_3:  Invalid Address (Invalid Slave Address).", kExclamation},
      .notANumber = {},
      .outOfRange = {"Error T02_3:  Invalid Address (Invalid Slave Address; check the range (1 - "
                     "31)).",
                     kExclamation},
  };
  return rule;
}

bool Df1Grammar::Parse(CCorvel& corvel, const std::string& text, Df1Address& address) const {
  Df1Address parsed;
  if (text.size() > kLongestText) {
    return Refuse(corvel, "Error T02_3:  Invalid Address", kInformation);
  }

  // Station prefix: "3-N7:0".
  std::string proper = text;
  if (dialect_.stationPrefix &&
      !plugin::ReadStationPrefix(corvel, StationRule(), text, parsed.station, proper)) {
    return false;
  }

  if (proper.size() < 3) {
    return Refuse(corvel, "Error T02_3:  Invalid Address", kPlain);
  }
  const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(proper[0])));
  const char* found = letter != '\0' ? std::strchr(kTypeLetters, letter) : nullptr;
  if (found == nullptr) {
    return Refuse(corvel, "Error T02_3:  Invalid Address (Invalid File type)", kExclamation);
  }
  const auto type = static_cast<unsigned char>(found - kTypeLetters);
  parsed.type = type;
  const bool inputOutput = IsInputOutput(type);
  if (inputOutput && !dialect_.inputOutputAccepted) {
    return Refuse(corvel, dialect_.inputOutputRefused, kPlain);
  }
  // The panel's firmware has no floating point values behind a multiplexer.
  if (type == kFloat && corvel.GetAppType() != 0) {
    return Refuse(corvel, "Orvane does not support floating point address types", kPlain);
  }

  // Delimiters: ":" before the word, "/" before a bit, "." before a
  // sub-element.
  const size_t colon = proper.find(':');
  const size_t slash = proper.find('/');
  const size_t dot = proper.find('.');
  const size_t last = proper.size() - 1;
  if (type != kBit && colon == npos) {
    return Refuse(corvel, "Error T02_3:  Invalid address", kExclamation);
  }
  const bool subElements = HasSubElements(type);
  if (subElements) {
    if (slash != npos || dot == npos) {
      return Refuse(corvel, "Error T02_4:  Invalid bit address", kExclamation);
    }
    if (dot < colon || colon == last || dot == last) {
      return Refuse(corvel, "Error T02_3:  Invalid address", kExclamation);
    }
  } else {
    if (dot != npos) {
      return Refuse(corvel, "Error T02_3:  Invalid Address (Invalid flag delimiter)", kExclamation);
    }
    const bool slashBeforeColon = slash != npos && colon != npos && slash < colon;
    if (slashBeforeColon || colon == last || slash == last) {
      return Refuse(corvel, "Error T02_3:  Invalid Address.", kExclamation);
    }
  }

  // File number.
  if (HasImplicitFile(type)) {
    if (colon > 1) {
      return Refuse(corvel,
                    "Error T02_3:  Invalid Address (File numbers are not allowed in I,O,S types)",
                    kPlain);
    }
    parsed.fileNumber = DefaultFileNumber(type);
  } else {
    const size_t fileEnd = colon != npos ? colon : (slash != npos ? slash : proper.size());
    const std::string fileText = proper.substr(1, fileEnd - 1);
    if (fileText.size() > kNumberDigits) {
      return Refuse(corvel, "Error T02_3:  Invalid Address ", kExclamation);
    }
    uint16_t file = 0;
    if (!ReadNumber(corvel, fileText, file)) {
      return false;
    }
    if (!IsValidFileNumber(type, file)) {
      return Refuse(corvel, "Error T02_3:  Invalid Address (Invalid file number)", kExclamation);
    }
    parsed.fileNumber = file;
  }

  // Word number.
  if (colon != npos) {
    const size_t wordEnd = subElements ? dot : (slash != npos ? slash : proper.size());
    const std::string wordText = proper.substr(colon + 1, wordEnd - colon - 1);
    const size_t longest = inputOutput ? dialect_.inputOutputWordDigits : kNumberDigits;
    if (wordText.size() > longest) {
      return Refuse(corvel,
                    inputOutput ? dialect_.inputOutputWordTooLong
                                : "Error T02_3:  Invalid Address (Invalid flag delimiter).",
                    kExclamation);
    }
    uint16_t word = 0;
    if (!ReadNumber(corvel, wordText, word)) {
      return false;
    }
    if (word > 255) {
      return Refuse(corvel, "Error T02_3:  Invalid Address (Invalid word address).", kExclamation);
    }
    parsed.wordNumber = word;
  }

  if (slash != npos) {
    uint16_t bit = 0;
    if (!ReadNumber(corvel, proper.substr(slash + 1), bit)) {
      return false;
    }
    parsed.isBit = 1;
    if (bit > 15) {
      // A bit file may be addressed as one long run of bits: B3/100 is word
      // 6, bit 4.
      if (type != kBit || parsed.wordNumber != 0) {
        return Refuse(corvel, "Error T02_4:  Invalid Bit address", kPlain);
      }
      if (bit / 16 > 255) {
        return Refuse(corvel, "Error T02_4:  Invalid bit address", kExclamation);
      }
      parsed.wordNumber = static_cast<uint16_t>(bit / 16);
      bit = static_cast<uint16_t>(bit % 16);
    }
    parsed.bit = static_cast<unsigned char>(bit);
  } else if (dot != npos) {
    const std::string mnemonic = UpperCase(proper.substr(dot + 1));
    std::optional<SubElement> element;
    if (mnemonic.size() <= 3) {
      element = FindSubElement(type, mnemonic.c_str());
    }
    if (!element) {
      return Refuse(corvel, "Error T02_3:  Invalid Address (Invalid flag delimiter).",
                    kExclamation);
    }
    parsed.isBit = element->isFlag ? 1 : 0;
    parsed.bit = element->value;
  }

  // Status files and the flags of timers, counters and controls belong to
  // the PLC: the panel may only read them.
  if (type == kStatus || (subElements && parsed.isBit != 0)) {
    parsed.access = 1;
  } else if (inputOutput) {
    parsed.access = dialect_.inputOutputAccess;
  }
  address = parsed;
  return true;
}

bool Df1Grammar::Validate(CCorvel& corvel, const plugin::AddressRequest& request,
                          PlcAddress& out) const {
  Df1Address address;
  if (!Parse(corvel, request.text, address)) {
    return false;
  }
  if (!plugin::PassesRequestedChecks(corvel, request, address.access,
                                     SuitsDataType(address, request.dataType))) {
    return false;
  }
  plugin::FillAccepted(out, EncodeMapString(address), address.access, address.isBit);
  out.type = address.type;
  out.fileNumber = address.fileNumber;
  out.wordNumber = address.wordNumber;
  out.bit = address.bit;
  return true;
}

int Df1Grammar::Compare(const unsigned char* a, const unsigned char* b) const {
  return CompareMapStrings(a, b);
}

}  // namespace orvane::df1
