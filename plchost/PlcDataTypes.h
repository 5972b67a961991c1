// The tag data type codes a driver's ValidatePlc takes, their names, and the
// rules both sides of the contract apply to them: which codes a bit, a word
// or a floating point address can hold, and which address access suits the
// access a field needs.
//
// Header only, so that the host and every plug-in share one table without
// either linking the other.
#pragma once

#include <cstddef>
#include <cstdint>

#include "plchost/PlcContract.h"

namespace orvane::plc {

enum DataTypeCode : int32_t {
  DISCRETE = 0,
  SIGNED_INT_8 = 1,
  SIGNED_INT_16 = 2,
  SIGNED_INT_32 = 3,
  UNSIGNED_INT_8 = 4,
  UNSIGNED_INT_16 = 5,
  UNSIGNED_INT_32 = 6,
  BCD_INT_8 = 7,
  BCD_INT_16 = 8,
  BCD_INT_32 = 9,
  FLOATING_PT_32 = 10,
  NOTHING = 11,
  ASCII_STRING = 12,
};

struct DataTypeName {
  DataTypeCode code;
  const char* identifier;
  const char* displayName;
};

/// Every code, in code order.
inline constexpr DataTypeName kDataTypeNames[] = {
    {DISCRETE, "DISCRETE", "Discrete"},
    {SIGNED_INT_8, "SIGNED_INT_8", "Signed 8 bit"},
    {SIGNED_INT_16, "SIGNED_INT_16", "Signed 16 bit"},
    {SIGNED_INT_32, "SIGNED_INT_32", "Signed 32 bit"},
    {UNSIGNED_INT_8, "UNSIGNED_INT_8", "Unsigned 8 bit"},
    {UNSIGNED_INT_16, "UNSIGNED_INT_16", "Unsigned 16 bit"},
    {UNSIGNED_INT_32, "UNSIGNED_INT_32", "Unsigned 32 bit"},
    {BCD_INT_8, "BCD_INT_8", "BCD 8 bit"},
    {BCD_INT_16, "BCD_INT_16", "BCD 16 bit"},
    {BCD_INT_32, "BCD_INT_32", "BCD 32 bit"},
    {FLOATING_PT_32, "FLOATING_PT_32", "FloatingPoint 32 bit"},
    {NOTHING, "NOTHING", "Nothing"},
    {ASCII_STRING, "ASCII_STRING", "String"},
};

inline constexpr int32_t kDataTypeCount = static_cast<int32_t>(std::size(kDataTypeNames));

constexpr bool IsKnownDataType(int32_t code) {
  return code >= 0 && code < kDataTypeCount;
}

/// A single bit holds only a discrete tag.
constexpr bool SuitsBitAddress(int32_t code) {
  return code == DISCRETE;
}

/// A 16-bit word (or a longer register) holds neither a bit, nor a
/// byte-sized value, nor a floating point value; codes outside the table
/// suit nothing.
constexpr bool SuitsWordAddress(int32_t code) {
  switch (code) {
    case DISCRETE:
    case SIGNED_INT_8:
    case UNSIGNED_INT_8:
    case BCD_INT_8:
    case FLOATING_PT_32:
      return false;
    default:
      return IsKnownDataType(code);
  }
}

/// A floating point element holds only a floating point tag.
constexpr bool SuitsFloatAddress(int32_t code) {
  return code == FLOATING_PT_32;
}

/// Whether an address's access (PLC_ACCESS_...) suits the access a field
/// needs: a read-only or write-only field takes read/write addresses and its
/// own kind; any other field only read/write addresses.
constexpr bool AccessSuits(int32_t addressAccess, int32_t wanted) {
  if (wanted == PLC_ACCESS_READ_ONLY || wanted == PLC_ACCESS_WRITE_ONLY) {
    return addressAccess == PLC_ACCESS_READ_WRITE || addressAccess == wanted;
  }
  return addressAccess == PLC_ACCESS_READ_WRITE;
}

}  // namespace orvane::plc
