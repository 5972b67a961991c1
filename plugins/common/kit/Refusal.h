// How a driver turns an address down: one message, then false.
#pragma once

#include "corvel/Corvel.h"

namespace orvane::plugin {

/// One refusal: a text of the driver's own with its icon, or, without a
/// text, one of the error texts every driver shares (DisplayDLLErrorStrings)
/// by its code. A refusal with neither shows nothing: the number parser has
/// already said why.
struct Refusal {
  const char* text = nullptr;
  unsigned style = CORVEL_MB_PLAIN;
  int code = 0;
};

/// A refusal with the shared error text of code.
constexpr Refusal SharedError(int code) {
  return Refusal{nullptr, CORVEL_MB_PLAIN, code};
}

/// Shows the refusal through the operation's CCorvel; always false.
inline bool Refuse(CCorvel& corvel, const Refusal& refusal) {
  if (refusal.text != nullptr) {
    corvel.OvAfxMessageBox(refusal.text, refusal.style, 0);
  } else if (refusal.code != 0) {
    corvel.DisplayDLLErrorStrings(refusal.code);
  }
  return false;
}

inline bool Refuse(CCorvel& corvel, const char* text, unsigned style) {
  return Refuse(corvel, Refusal{text, style, 0});
}

/// The shared error codes (DisplayDLLErrorStrings).
enum SharedErrorCode : int {
  kUnitError = 1,
  kAddressTypeError = 2,
  kAddressError = 3,
  kBitError = 4,
  kDataTypeError = 5,
  kEvenAddressError = 6,
  kOddAddressError = 7,
};

}  // namespace orvane::plugin
