// The two Allen-Bradley DF1 full duplex drivers: the half duplex grammar
// without station prefix; MicroLogix with its output and input files.
#include <gtest/gtest.h>

#include "corvel/CorvelExports.h"
#include "tests/plugins/GrammarTable.h"

namespace orvane::testing {
namespace {

constexpr unsigned kPlain = CORVEL_MB_PLAIN;
constexpr unsigned kExcl = CORVEL_MB_ICON_EXCLAMATION;
const char* const kHalfDuplexOnly =
    "Error T02_3:  Invalid Address (Types I and O are not supported for SLC 500-Half Duplex).";

INSTANTIATE_TEST_SUITE_P(
    Merrow, DriverGrammar,
    ::testing::ValuesIn(ForDriver(
        "Merrow",
        {Accepts("I:0/3", {0xFF, 1, 0, 1, 0, 0, 3}, 1, 1),
         Accepts("O:2/15", {0xFF, 0, 0, 0, 0, 2, 15}, 1, 1),
         Accepts("i:00255", {0xFF, 1, 0, 1, 0, 255, 0xFF}, 1, 0),
         Accepts("N7:0", {0xFF, 7, 0, 7, 0, 0, 0xFF}, 0, 0),
         Accepts("S:1", {0xFF, 2, 0, 2, 0, 1, 0xFF}, 1, 0),
         Accepts("T4:0.DN", {0xFF, 4, 0, 4, 0, 0, 13}, 1, 1),
         Accepts("B3/100", {0xFF, 3, 0, 3, 0, 6, 4}, 0, 1),
         InType(Accepts("F8:0", {0xFF, 8, 0, 8, 0, 0, 0xFF}, 0, 0), 0),
         Refuses("F8:0", {"Orvane does not support floating point address types"}, kPlain),
         Refuses("I1:0/0",
                 {"Error T02_3:  Invalid Address (File numbers are not allowed in I,O,S types)"},
                 kPlain),
         Refuses("I:123456", {"Error T02_3:  Invalid Address (Invalid flag delimiter)"}, kExcl),
         Refuses("N7:1000", {"Error T02_3:  Invalid Address (Invalid flag delimiter)."}, kExcl),
         Refuses("I:256", {"Error T02_3:  Invalid Address (Invalid word address)."}, kExcl),
         Refuses("I:0/16", {"Error T02_4:  Invalid Bit address"}, kPlain),
         Refuses("3-N7:0", {"Error T02_3:  Invalid Address (Invalid File type)"}, kExcl),
         Refuses("N7", {"Error T02_3:  Invalid Address"}, kPlain)})));

INSTANTIATE_TEST_SUITE_P(
    Harlow, DriverGrammar,
    ::testing::ValuesIn(ForDriver(
        "Harlow",
        {Accepts("N7:0", {0xFF, 7, 0, 7, 0, 0, 0xFF}, 0, 0),
         Accepts("t4:0.dn", {0xFF, 4, 0, 4, 0, 0, 13}, 1, 1),
         Accepts("N10:255/15", {0xFF, 7, 0, 10, 0, 255, 15}, 0, 1),
         Refuses("I:0/0", {kHalfDuplexOnly}, kPlain), Refuses("O:0/0", {kHalfDuplexOnly}, kPlain),
         Refuses("3-N7:0", {"Error T02_3:  Invalid Address (Invalid File type)"}, kExcl),
         Refuses("F8:0", {"Orvane does not support floating point address types"}, kPlain)})));

TEST(FullDuplexRebuild, NoStationAndTheDialectsNumbers) {
  // One driver at a time: each takes Corvel's message sink.
  const RebuildCase merrowCases[] = {
      // The station byte never shows on a point to point link.
      {{5, 7, 0, 7, 0, 0, 0xFF}, "N7:0", {}},
      // Output and input words and bits in decimal.
      {{0xFF, 1, 0, 1, 0, 10, 0xFF}, "I:010", {}},
      {{0xFF, 0, 0, 0, 0, 2, 15}, "O:002/15", {}},
      {{0xFF, 9, 0, 7, 0, 0, 0xFF}, "", {"Error T02_3:  Invalid Address (Invalid file type)"}},
  };
  {
    DriverUnderTest merrow("Merrow");
    for (const RebuildCase& c : merrowCases) {
      CheckRebuildCase(merrow, c);
    }
  }
  DriverUnderTest harlow("Harlow");
  CheckRebuildCase(harlow, {{5, 7, 0, 7, 0, 0, 0xFF}, "N7:0", {}});
  CheckRebuildCase(harlow, {{0xFF, 1, 0, 1, 0, 10, 9}, "I:012/11", {}});
}

// Decimal words on the way back: every output and input word reads back
// as itself, and so does a sample of the other types.
TEST(FullDuplexRebuild, MicroLogixTextsRoundTrip) {
  DriverUnderTest merrow("Merrow");
  for (const char* type : {"I", "O"}) {
    for (int word = 0; word < 256; word += 5) {
      for (int bit : {0, 9, 15}) {
        const std::string text =
            std::string(type) + ":" + std::to_string(word) + "/" + std::to_string(bit);
        EXPECT_TRUE(RoundTrips(merrow, text, 8)) << text;
      }
    }
  }
  for (const char* text : {"N7:255", "B3/4095", "T4:9.ACC", "R6:3.FD", "S:7/2", "N200:17/0"}) {
    EXPECT_TRUE(RoundTrips(merrow, text, 8)) << text;
  }
}

}  // namespace
}  // namespace orvane::testing
