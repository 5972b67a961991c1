// Brisko's address syntax: the DF1 family's, with a station prefix, and
// without output and input files, which the half duplex panel driver cannot
// reach.
#include "plugins/Brisko/Brisko.h"

namespace orvane::brisko {

const df1::Df1Dialect& Dialect() {
  static const df1::Df1Dialect dialect = [] {
    df1::Df1Dialect d;
    d.stationPrefix = true;
    d.inputOutputAccepted = false;
    d.inputOutputRefused =
        "Error T02_3:  Invalid Address (Types I and O are not supported for SLC 500-Half "
        "Duplex).";
    // A map string of another DF1 driver may still carry an O or I address;
    // it is written back with octal words and bits.
    d.inputOutputWord = {8, 3};
    d.inputOutputBit = {8, 2};
    return d;
  }();
  return dialect;
}

}  // namespace orvane::brisko
