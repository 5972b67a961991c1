// Harlow's address syntax: the half duplex driver's without its station
// prefix (the link is point to point). Output and input files stay refused,
// with the half duplex driver's message.
#include "plugins/Harlow/Harlow.h"

namespace orvane::harlow {

const df1::Df1Dialect& Dialect() {
  static const df1::Df1Dialect dialect = [] {
    df1::Df1Dialect d;
    d.stationPrefix = false;
    d.inputOutputAccepted = false;
    d.inputOutputRefused =
        "Error T02_3:  Invalid Address (Types I and O are not supported for SLC 500-Half "
        "Duplex).";
    d.inputOutputWord = {8, 3};
    d.inputOutputBit = {8, 2};
    return d;
  }();
  return dialect;
}

}  // namespace orvane::harlow
