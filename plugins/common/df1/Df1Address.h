// Allen-Bradley DF1 addresses: data file types, sub-element mnemonics and the
// 7-byte map string the panel reads.
//
// Map string: byte 0 station (255 without one), byte 1 type index, bytes 2-3
// file number and 4-5 word number (high byte first), byte 6 the bit (0..15),
// the sub-element of a timer, counter or control, or 255 for neither.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace orvane::df1 {

/// Type index = position of the type letter in kTypeLetters.
enum AddressType : unsigned char {
  kOutput = 0,
  kInput = 1,
  kStatus = 2,
  kBit = 3,
  kTimer = 4,
  kCounter = 5,
  kControl = 6,
  kInteger = 7,
  kFloat = 8,
};

inline constexpr char kTypeLetters[] = "OISBTCRNF";
inline constexpr unsigned char kTypeCount = 9;
inline constexpr unsigned char kNoStation = 255;
inline constexpr unsigned char kNoBit = 255;
inline constexpr unsigned char kHighestStation = 31;
inline constexpr size_t kMapLength = 7;

/// Every type's default file number equals its index (O0, I1, S2 ... F8).
inline uint16_t DefaultFileNumber(unsigned char type) {
  return type;
}

/// O, I and S name their file by letter alone.
inline bool HasImplicitFile(unsigned char type) {
  return type == kOutput || type == kInput || type == kStatus;
}

inline bool IsInputOutput(unsigned char type) {
  return type == kOutput || type == kInput;
}

/// Timers, counters and controls address a sub-element after a ".".
inline bool HasSubElements(unsigned char type) {
  return type == kTimer || type == kCounter || type == kControl;
}

/// The file numbers a typed file may carry: its default or 9..255.
inline bool IsValidFileNumber(unsigned char type, unsigned fileNumber) {
  return fileNumber == DefaultFileNumber(type) || (fileNumber >= 9 && fileNumber <= 255);
}

/// A parsed address: the map string's fields plus what ValidatePlc reports.
struct Df1Address {
  unsigned char station = kNoStation;
  unsigned char type = kInteger;
  uint16_t fileNumber = 0;
  uint16_t wordNumber = 0;
  unsigned char bit = kNoBit;
  int32_t access = 0;
  int32_t isBit = 0;
};

std::array<unsigned char, kMapLength> EncodeMapString(const Df1Address& address);
/// The map string's fields; access and is bit are left at 0.
Df1Address DecodeMapString(const unsigned char* mapString);
/// Station, type, file, word, bit, each unsigned: -1, 0 or 1.
int CompareMapStrings(const unsigned char* a, const unsigned char* b);

/// A sub-element of a timer, counter or control: its mnemonic and the value
/// the map string's bit byte holds. Flags are single bits (values 8..15),
/// words are the preset/accumulator pair (0 and 1).
struct SubElement {
  const char* mnemonic;
  unsigned char value;
  bool isFlag;
};

/// The sub-element named by an upper-case mnemonic, flags looked up first.
std::optional<SubElement> FindSubElement(unsigned char type, const char* mnemonic);
/// The sub-element a bit byte stands for.
std::optional<SubElement> SubElementOf(unsigned char type, unsigned char value);

}  // namespace orvane::df1
