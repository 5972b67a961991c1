// Merrow's address syntax: the DF1 family's without a station prefix (the
// link is point to point), with output and input files, read only, whose
// word may take up to five digits.
#include "plugins/Merrow/Merrow.h"

namespace orvane::merrow {

const df1::Df1Dialect& Dialect() {
  static const df1::Df1Dialect dialect{
      .stationPrefix = false,
      .inputOutputAccepted = true,
      .inputOutputAccess = 1,
      .inputOutputWordDigits = 5,
      .inputOutputWordTooLong = "Error T02_3:  Invalid Address (Invalid flag delimiter)",
      // The word is read in decimal, so it is written back in decimal: an
      // octal word would read back as another word (I:10 as I:012, word 12).
      .inputOutputWord = {10, 3},
      .inputOutputBit = {10, 2},
  };
  return dialect;
}

}  // namespace orvane::merrow
