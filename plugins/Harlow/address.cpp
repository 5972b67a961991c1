// Harlow's address syntax: the half duplex driver's without its station
// prefix (the link is point to point). Output and input files stay refused,
// with the half duplex driver's message.
#include "plugins/Harlow/Harlow.h"

namespace orvane::harlow {

const df1::Df1Dialect& Dialect() {
  static const df1::Df1Dialect dialect{
      .stationPrefix = false,
      .inputOutputAccepted = false,
      .inputOutputRefused = df1::kInputOutputNotSupported,
  };
  return dialect;
}

}  // namespace orvane::harlow
