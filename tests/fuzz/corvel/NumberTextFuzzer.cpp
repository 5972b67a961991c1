// Arbitrary texts into Corvel's number parsers, in every notation, 16 and
// 32 bits. A well-formed text (blanks, a minus for signed decimal, digits of
// the notation) is taken only with the value its digits say, and by the
// 16-bit parser exactly when that value is in range. Other texts are
// refused, except where the library is known to take them: a signed
// decimal text with a minus anywhere counts as negative, and a BCD text of
// blanks reads as 0. A refusal shows exactly one message and leaves the
// value alone, and a value taken formats to a text that parses back to it.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

#include "corvel/Corvel.h"
#include "corvel/CorvelExports.h"

namespace {

int messages = 0;

int Count(const char*, unsigned, unsigned, void*) {
  ++messages;
  return CORVEL_IDOK;
}

struct Reading {
  bool negative = false;
  unsigned long long magnitude = 0;  // saturates
};

int DigitValue(char c, DATA_TYPE type) {
  const int base = type == DT_HEXADECIMAL ? 16 : type == DT_OCTAL ? 8 : 10;
  int value = -1;
  if (c >= '0' && c <= '9') {
    value = c - '0';
  } else if (c >= 'a' && c <= 'f') {
    value = c - 'a' + 10;
  } else if (c >= 'A' && c <= 'F') {
    value = c - 'A' + 10;
  }
  return value < base ? value : -1;
}

// The text as the notation's grammar reads it; nothing when it is none.
std::optional<Reading> Read(const std::string& text, DATA_TYPE type) {
  size_t at = text.find_first_not_of(" \t\n\r\v\f");
  if (at == std::string::npos) {
    return std::nullopt;
  }
  Reading reading;
  if (type == DT_SIGNED_DECIMAL && text[at] == '-') {
    reading.negative = true;
    ++at;
  }
  if (at == text.size()) {
    return std::nullopt;
  }
  const unsigned base = type == DT_HEXADECIMAL ? 16
                        : type == DT_OCTAL     ? 8
                        : type == DT_BCD       ? 16
                                               : 10;
  for (; at < text.size(); ++at) {
    const int digit = DigitValue(text[at], type);
    if (digit < 0) {
      return std::nullopt;
    }
    // BCD packs each decimal digit into a nibble.
    if (reading.magnitude > (~0ull - 15) / base) {
      reading.magnitude = ~0ull;
    } else {
      reading.magnitude = reading.magnitude * base + static_cast<unsigned>(digit);
    }
  }
  return reading;
}

// The value a reading stands for in a width, or nothing when out of range.
std::optional<uint32_t> ValueOf(const Reading& reading, DATA_TYPE type, bool wide) {
  const unsigned long long m = reading.magnitude;
  if (type == DT_SIGNED_DECIMAL) {
    const unsigned long long limit = wide ? 0x80000000ull : 0x8000ull;
    if (reading.negative ? m > limit : m >= limit) {
      return std::nullopt;
    }
    const long long value =
        reading.negative ? -static_cast<long long>(m) : static_cast<long long>(m);
    return wide ? static_cast<uint32_t>(static_cast<int32_t>(value))
                : static_cast<uint16_t>(static_cast<int16_t>(value));
  }
  const unsigned long long limit =
      type == DT_BCD ? (wide ? 0x99999999ull : 0x9999ull) : (wide ? 0xFFFFFFFFull : 0xFFFFull);
  if (m > limit) {
    return std::nullopt;
  }
  return static_cast<uint32_t>(m);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  CorvelSetMessageSink(&Count, nullptr);
  return 0;
}

// Input: the notation, then the text.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) {
    return 0;
  }
  const auto type = static_cast<DATA_TYPE>(data[0] % 6);  // the five notations and one unknown
  const DATA_TYPE known =
      type >= DT_SIGNED_DECIMAL && type <= DT_OCTAL ? type : DT_UNSIGNED_DECIMAL;
  std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
  text = text.substr(0, text.find('\0'));
  CCorvel corvel;
  const std::optional<Reading> reading = Read(text, known);

  // The texts the library takes though they are not well-formed.
  const bool blanks = !text.empty() && text.find_first_not_of(" \t\n\r\v\f") == std::string::npos;
  const bool tolerated = known == DT_SIGNED_DECIMAL || (known == DT_BCD && blanks);

  messages = 0;
  uint16_t narrow = 0xA5A5;
  const bool narrowTaken = corvel.StringtoValue(text.c_str(), &narrow, type, nullptr);
  const std::optional<uint32_t> narrowExpected =
      reading ? ValueOf(*reading, known, false) : std::nullopt;
  const bool narrowRight = reading ? narrowTaken == narrowExpected.has_value() &&
                                         (!narrowTaken || narrow == *narrowExpected)
                                   : !narrowTaken || tolerated;
  if (!narrowRight || messages != (narrowTaken ? 0 : 1) || (!narrowTaken && narrow != 0xA5A5)) {
    std::abort();
  }

  messages = 0;
  uint32_t wide = 0xA5A5A5A5;
  const bool wideTaken = corvel.StringtoLongValue(text.c_str(), &wide, type, nullptr);
  const std::optional<uint32_t> wideExpected =
      reading ? ValueOf(*reading, known, true) : std::nullopt;
  const bool wideRight = !wideTaken || (reading ? wideExpected == wide : tolerated);
  if (!wideRight || messages != (wideTaken ? 0 : 1) || (!wideTaken && wide != 0xA5A5A5A5)) {
    std::abort();
  }

  char buffer[16] = {};
  if (narrowTaken && known != DT_SIGNED_DECIMAL) {
    corvel.ValuetoString(buffer, sizeof buffer, narrow, type);
    uint16_t again = 0;
    if (!corvel.StringtoValue(buffer, &again, type, nullptr) || again != narrow) {
      std::abort();
    }
  }
  if (wideTaken) {
    corvel.LongValuetoString(buffer, sizeof buffer, wide, type);
    uint32_t again = 0;
    if (!corvel.StringtoLongValue(buffer, &again, type, nullptr) || again != wide) {
      std::abort();
    }
  }
  return 0;
}
