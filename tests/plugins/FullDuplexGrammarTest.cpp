// The two Allen-Bradley DF1 full duplex drivers: the half duplex grammar
// without station prefix; MicroLogix with its output and input files.
#include <gtest/gtest.h>

#include <algorithm>

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

// Decimal words on the way back: every MicroLogix output and input word
// reads back as itself.
TEST(FullDuplexRebuild, MicroLogixInputsAndOutputsRoundTrip) {
  DriverUnderTest merrow("Merrow");
  for (const char* type : {"I", "O"}) {
    for (int word = 0; word < 256; ++word) {
      const std::string text =
          std::string(type) + ":" + std::to_string(word) + "/" + std::to_string(word % 16);
      EXPECT_TRUE(RoundTrips(merrow, text, 8)) << text;
    }
  }
}

// A generated sample of every type's file, word, bit and sub-element, on
// the three DF1 drivers (with and without a station where there is one).
TEST(FullDuplexRebuild, Df1SamplesRoundTrip) {
  const char* const tails[] = {"", "/0", "/15"};
  const char* const elements[] = {".PRE", ".ACC", ".DN"};
  for (const char* name : {"Brisko", "Harlow", "Merrow"}) {
    DriverUnderTest driver(name);
    for (int word = 0; word < 256; word += 51) {
      const std::string w = std::to_string(word);
      for (const char* tail : tails) {
        for (const std::string& text :
             {"N7:" + w + tail, "N" + std::to_string(std::min(9 + word, 255)) + ":" + w + tail,
              "B3:" + w + tail, "S:" + w + tail}) {
          EXPECT_TRUE(RoundTrips(driver, text, 8)) << name << " " << text;
          if (std::string(name) == "Brisko") {
            EXPECT_TRUE(RoundTrips(driver, "31-" + text, 8)) << text;
          }
        }
      }
      for (const char* element : elements) {
        for (const char* file : {"T4:", "C5:", "T200:"}) {
          const std::string text = file + w + element;
          EXPECT_TRUE(RoundTrips(driver, text, 8)) << name << " " << text;
        }
      }
      EXPECT_TRUE(RoundTrips(driver, "R6:" + w + ".POS", 8)) << name;
      EXPECT_TRUE(RoundTrips(driver, "B3/" + std::to_string(word * 16 + 5), 8)) << name;
    }
  }
}

}  // namespace
}  // namespace orvane::testing
