// Numbers in the notations a PLC address or value may use: their widths,
// formatting and parsing. The parsers report a bad text with exactly one
// message (information icon) and leave the output untouched.
#include <cerrno>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "corvel/Corvel.h"

namespace {

// The 32-bit maxima as text, compared character by character with texts of
// the same length.
constexpr const char* kMaxUnsigned = "4294967295";
constexpr const char* kMaxOctal = "37777777777";
constexpr const char* kMaxBcd = "99999999";
constexpr const char* kMaxSignedPositive = "2147483647";
constexpr const char* kMinSignedNegative = "-2147483648";

// Any notation the library does not know reads as unsigned decimal.
DATA_TYPE Normalised(DATA_TYPE type) {
  switch (type) {
    case DT_SIGNED_DECIMAL:
    case DT_BCD:
    case DT_HEXADECIMAL:
    case DT_OCTAL:
      return type;
    default:
      return DT_UNSIGNED_DECIMAL;
  }
}

const char* SkipBlanks(const char* text) {
  while (*text == ' ' || *text == '\t' || *text == '\n' || *text == '\r' || *text == '\v' ||
         *text == '\f') {
    ++text;
  }
  return text;
}

bool IsDecimalDigit(char c) {
  return c >= '0' && c <= '9';
}
bool IsOctalDigit(char c) {
  return c >= '0' && c <= '7';
}
bool IsHexDigit(char c) {
  return IsDecimalDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

bool All(const char* text, bool (*accepted)(char)) {
  for (; *text != '\0'; ++text) {
    if (!accepted(*text)) {
      return false;
    }
  }
  return true;
}

// Reads an unsigned number in base; false when no digit could be read.
// Values beyond 64 bits saturate, which every caller treats as out of range.
bool ReadUnsigned(const char* text, int base, unsigned long long* value) {
  char* end = nullptr;
  errno = 0;
  const unsigned long long read = std::strtoull(text, &end, base);
  if (end == text) {
    return false;
  }
  *value = read;
  return true;
}

// Packs decimal digits four bits each, most significant first. false when
// the packed value passes limit (the text is then out of range).
bool PackBcd(const char* digits, unsigned long long limit, unsigned long long* packed) {
  unsigned long long value = 0;
  for (; *digits != '\0'; ++digits) {
    value = (value << 4) | static_cast<unsigned>(*digits - '0');
    if (value > limit) {
      return false;
    }
  }
  *packed = value;
  return true;
}

// For texts at the limit length: greater than the limit text, character by
// character.
bool BeyondLimit(const char* text, const char* limit) {
  return std::strlen(text) == std::strlen(limit) && std::strcmp(text, limit) > 0;
}

}  // namespace

int CCorvel::MaxNumberDigits(DATA_TYPE type, DATA_SIZE size) const {
  const bool wide = size != DS_16_BIT;
  switch (Normalised(type)) {
    case DT_SIGNED_DECIMAL:
    case DT_UNSIGNED_DECIMAL:
      return wide ? 10 : 5;
    case DT_BCD:
    case DT_HEXADECIMAL:
      return wide ? 8 : 4;
    case DT_OCTAL:
      return wide ? 11 : 6;
  }
  return wide ? 10 : 5;
}

void CCorvel::ValuetoString(char* buffer, size_t capacity, uint16_t value, DATA_TYPE type) const {
  if (buffer == nullptr || capacity == 0) {
    return;
  }
  // The value arrives as an unsigned 16-bit number whatever the notation, so
  // signed decimal shows 0xFFFF as 65535.
  const unsigned wide = value;
  switch (Normalised(type)) {
    case DT_SIGNED_DECIMAL:
      std::snprintf(buffer, capacity, "%i", static_cast<int>(wide));
      break;
    case DT_BCD:
    case DT_HEXADECIMAL:
      std::snprintf(buffer, capacity, "%X", wide);
      break;
    case DT_OCTAL:
      std::snprintf(buffer, capacity, "%o", wide);
      break;
    default:
      std::snprintf(buffer, capacity, "%u", wide);
      break;
  }
}

void CCorvel::LongValuetoString(char* buffer, size_t capacity, uint32_t value,
                                DATA_TYPE type) const {
  if (buffer == nullptr || capacity == 0) {
    return;
  }
  switch (Normalised(type)) {
    case DT_SIGNED_DECIMAL:
      // The 32 bits are a two's complement value: 0xFFFFFFFF shows as -1.
      std::snprintf(buffer, capacity, "%" PRIi32, static_cast<int32_t>(value));
      break;
    case DT_BCD:
    case DT_HEXADECIMAL:
      std::snprintf(buffer, capacity, "%" PRIX32, value);
      break;
    case DT_OCTAL:
      std::snprintf(buffer, capacity, "%" PRIo32, value);
      break;
    default:
      std::snprintf(buffer, capacity, "%" PRIu32, value);
      break;
  }
}

bool CCorvel::StringtoValue(const char* text, uint16_t* value, DATA_TYPE type,
                            const char* /*name*/) {
  const auto fail = [this](const char* message) {
    OvAfxMessageBox(message, CORVEL_MB_ICON_INFORMATION, 0);
    return false;
  };
  if (text == nullptr || *text == '\0' || std::strcmp(text, "-") == 0) {
    return fail("The number is an empty string ");
  }
  unsigned long long number = 0;
  switch (Normalised(type)) {
    case DT_SIGNED_DECIMAL: {
      const char* minus = std::strchr(text, '-');
      const char* digits = minus != nullptr ? minus + 1 : SkipBlanks(text);
      if (!All(digits, IsDecimalDigit)) {
        return fail("The number is not a signed value ");
      }
      char* end = nullptr;
      errno = 0;
      const long long signedNumber = std::strtoll(text, &end, 10);
      if (end == text) {
        return fail("The number is not a signed value ");
      }
      const bool inRange = minus != nullptr ? signedNumber >= -32768 && signedNumber <= 0
                                            : signedNumber >= 0 && signedNumber <= 32767;
      if (!inRange) {
        return fail("The number is out of range. ");
      }
      *value = static_cast<uint16_t>(static_cast<int16_t>(signedNumber));
      return true;
    }
    case DT_BCD: {
      const char* digits = SkipBlanks(text);
      if (!All(digits, IsDecimalDigit)) {
        return fail("The number is not a BCD value ");
      }
      if (!PackBcd(digits, 0x9999, &number)) {
        return fail("The number is out of range. ");
      }
      *value = static_cast<uint16_t>(number);
      return true;
    }
    case DT_HEXADECIMAL: {
      const char* digits = SkipBlanks(text);
      if (!All(digits, IsHexDigit)) {
        return fail("The number is not a hex value ");
      }
      if (!ReadUnsigned(digits, 16, &number)) {
        return fail("The number is not a Hex value ");
      }
      break;
    }
    case DT_OCTAL: {
      const char* digits = SkipBlanks(text);
      if (!All(digits, IsOctalDigit) || !ReadUnsigned(digits, 8, &number)) {
        return fail("The number is not an octal value ");
      }
      break;
    }
    default: {
      const char* digits = SkipBlanks(text);
      if (!All(digits, IsDecimalDigit) || !ReadUnsigned(digits, 10, &number)) {
        return fail("The number is not an unsigned value ");
      }
      break;
    }
  }
  if (number > 65535) {
    return fail("The number is out of range.");
  }
  *value = static_cast<uint16_t>(number);
  return true;
}

bool CCorvel::StringtoLongValue(const char* text, uint32_t* value, DATA_TYPE type,
                                const char* /*name*/) {
  const auto fail = [this](const char* message) {
    OvAfxMessageBox(message, CORVEL_MB_ICON_INFORMATION, 0);
    return false;
  };
  if (text == nullptr || *text == '\0' || std::strcmp(text, "-") == 0) {
    return fail("The number is not entered ");
  }
  // The length rules count the whole text, leading blanks included.
  const size_t length = std::strlen(text);
  unsigned long long number = 0;
  switch (Normalised(type)) {
    case DT_SIGNED_DECIMAL: {
      const char* minus = std::strchr(text, '-');
      if (minus != nullptr) {
        if (!All(minus + 1, IsDecimalDigit)) {
          return fail("The number is not a signed value ");
        }
        if (length > 11 || BeyondLimit(text, kMinSignedNegative)) {
          return fail("The number is out of range");
        }
      } else {
        if (!All(SkipBlanks(text), IsDecimalDigit)) {
          return fail("The number is not a signed value ");
        }
        if (length > 10 || BeyondLimit(text, kMaxSignedPositive)) {
          return fail("The number is out of range");
        }
      }
      char* end = nullptr;
      errno = 0;
      const long long signedNumber = std::strtoll(text, &end, 10);
      if (end == text) {
        return fail("The number is not a signed value ");
      }
      // The length rules keep every text inside 32 bits; the conversion is
      // guarded all the same.
      if (signedNumber < INT32_MIN || signedNumber > INT32_MAX) {
        return fail("The number is out of range");
      }
      *value = static_cast<uint32_t>(static_cast<int32_t>(signedNumber));
      return true;
    }
    case DT_BCD: {
      if (length >= 9) {
        return fail("The number is out of range");
      }
      const char* digits = SkipBlanks(text);
      if (!All(digits, IsDecimalDigit)) {
        return fail("The number is not a BCD value ");
      }
      if (BeyondLimit(text, kMaxBcd) || !PackBcd(digits, 0x99999999ull, &number)) {
        return fail("The number is out of range");
      }
      *value = static_cast<uint32_t>(number);
      return true;
    }
    case DT_HEXADECIMAL: {
      // Eight hexadecimal digits always fit: the length rule is the bound.
      if (length >= 9) {
        return fail("The number is out of range");
      }
      const char* digits = SkipBlanks(text);
      if (!All(digits, IsHexDigit)) {
        return fail("The number is not a hex value .");
      }
      if (!ReadUnsigned(digits, 16, &number)) {
        return fail("The number is not a hex value ");
      }
      break;
    }
    case DT_OCTAL: {
      if (length >= 12) {
        return fail("The number is out of range");
      }
      const char* digits = SkipBlanks(text);
      if (!All(digits, IsOctalDigit)) {
        return fail("The number is not an octal value");
      }
      if (BeyondLimit(text, kMaxOctal)) {
        return fail("The number is out of range");
      }
      if (!ReadUnsigned(digits, 8, &number)) {
        return fail("The number is not an octal value ");
      }
      break;
    }
    default: {
      if (length > 10) {
        return fail("The number is out of range");
      }
      const char* digits = SkipBlanks(text);
      if (!All(digits, IsDecimalDigit)) {
        return fail("The number is not an unsigned value");
      }
      if (BeyondLimit(text, kMaxUnsigned)) {
        return fail("The number is out of range");
      }
      if (!ReadUnsigned(digits, 10, &number)) {
        return fail("The number is not an unsigned value");
      }
      break;
    }
  }
  *value = static_cast<uint32_t>(number);
  return true;
}
