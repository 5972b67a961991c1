// Brisko's address syntax: the DF1 family's, with a station prefix, and
// without output and input files, which the half duplex panel driver cannot
// reach.
#include "plugins/Brisko/Brisko.h"

namespace orvane::brisko {

const df1::Df1Dialect& Dialect() {
  static const df1::Df1Dialect dialect{
      .stationPrefix = true,
      .inputOutputAccepted = false,
      .inputOutputRefused = df1::kInputOutputNotSupported,
  };
  return dialect;
}

}  // namespace orvane::brisko
