// The three DirectLOGIC drivers on the shared memory area engine: grammar
// tables with exact map strings and messages, rebuilds, orders, and round
// trips over the DL330/DL340 map whole and over samples of the others.
// The program hands over only word data type codes (8, 5, 9, 6), so the
// discrete areas are reached here through the export with code 0.
#include <gtest/gtest.h>

#include <cstdio>

#include "corvel/CorvelExports.h"
#include "tests/plugins/GrammarTable.h"

namespace orvane::testing {
namespace {

constexpr unsigned kExcl = CORVEL_MB_ICON_EXCLAMATION;
constexpr int kDiscrete = 0;
constexpr int kWord = 8;

GrammarCase Code(std::string text, int code, int dataType = kWord) {
  return Refuses(std::move(text), {SharedErrorText(code)}, kExcl, dataType);
}
// The number parser's own message, then the shared one.
GrammarCase After(std::string text, std::string parser, int code, int dataType = kWord) {
  return Refuses(std::move(text), {std::move(parser), SharedErrorText(code)}, kExcl, dataType);
}

std::string Octal(unsigned value) {
  char text[16];
  std::snprintf(text, sizeof text, "%o", value);
  return text;
}

// Map string: unit, V-memory word (the binary value of the octal address),
// bit, type code.
INSTANTIATE_TEST_SUITE_P(Calden, DriverGrammar,
                         ::testing::ValuesIn(ForDriver(
                             "Calden",
                             {Accepts("V2000", {1, 0x04, 0x00, 0xFF, 2}, 0, 0),
                              Accepts("v2000", {1, 0x04, 0x00, 0xFF, 2}, 0, 0, 6),
                              Accepts("90-V2000", {90, 0x04, 0x00, 0xFF, 2}, 0, 0),
                              Accepts("1-V37777", {1, 0x3F, 0xFF, 0xFF, 2}, 0, 0),
                              Accepts("V700", {1, 0x01, 0xC0, 0xFF, 2}, 1, 0),
                              Accepts("V41100", {1, 0x42, 0x40, 0xFF, 2}, 1, 0),
                              Accepts("X20", {1, 0x41, 0x01, 0, 0}, 0, 1, kDiscrete),
                              Accepts("X1777", {1, 0x41, 0x3F, 15, 0}, 0, 1, kDiscrete),
                              Accepts("SP777", {1, 0x42, 0x9F, 15, 4}, 1, 1, kDiscrete),
                              Accepts("GY3777", {1, 0x40, 0xFF, 15, 9}, 0, 1, kDiscrete),
                              Accepts("V2000/17", {1, 0x04, 0x00, 15, 2}, 0, 1, kDiscrete),
                              Code("X20", 5),
                              Code("V2000", 3, kDiscrete),
                              Code("V2000/20", 4, kDiscrete),
                              Code("V2000/3", 4),
                              Code("V2000/", 4, kDiscrete),
                              Code("V2000/123", 4, kDiscrete),
                              After("V2000/8", "The number is not an octal value ", 4, kDiscrete),
                              Code("X0/1", 3, kDiscrete),
                              Code("X2000", 3, kDiscrete),
                              Code("V100000", 3),
                              Code("Q100", 2),
                              Code("100", 2),
                              After("V28", "The number is not an octal value", 3),
                              After("V", "The number is not entered ", 3),
                              Code("91-V2000", 1),
                              Code("0-V2000", 1),
                              Code("-V2000", 1),
                              Code("1234-V2000", 1),
                              After("x-V2000", "The number is not a signed value ", 1)})));

// Map string: unit, reference, point or bit, type code, size character.
INSTANTIATE_TEST_SUITE_P(
    Dunmore, DriverGrammar,
    ::testing::ValuesIn(ForDriver(
        "Dunmore",
        {Accepts("R400", {1, 0, 65, 0xFF, 4, '1'}, 0, 0),
         Accepts("IO157", {1, 0, 14, 7, 0, '3'}, 0, 1, kDiscrete),
         Accepts("IO700", {1, 0, 57, 0, 0, '3'}, 0, 1, kDiscrete),
         Accepts("C374", {1, 0, 32, 4, 1, '3'}, 1, 1, kDiscrete),
         Accepts("C373", {1, 0, 32, 3, 1, '3'}, 0, 1, kDiscrete),
         Accepts("SR400", {1, 0, 33, 0, 2, '3'}, 1, 1, kDiscrete),
         Accepts("R0/17", {1, 0, 1, 15, 4, '3'}, 0, 1, kDiscrete),
         Accepts("R36", {1, 0, 31, 0xFF, 4, '3'}, 0, 0),
         // The single registers 37, 77 and 107 end their runs and may be odd.
         Accepts("R37", {1, 0, 32, 0xFF, 4, '3'}, 0, 0),
         Accepts("R77", {1, 0, 64, 0xFF, 4, '3'}, 0, 0),
         Accepts("R107/3", {1, 0, 72, 3, 4, '3'}, 0, 1, kDiscrete),
         Accepts("R600", {1, 0, 1, 0xFF, 4, '1'}, 0, 0),
         Accepts("TCA600", {1, 0, 1, 0xFF, 4, '1'}, 0, 0),
         Accepts("CTA677", {1, 0, 64, 0xFF, 4, '1'}, 0, 0),
         Accepts("R576", {1, 0, 128, 0xFF, 4, '1'}, 1, 0),
         Accepts("90-R770", {90, 0, 157, 0xFF, 4, '1'}, 1, 0), Code("R401", 6), Code("R35", 6),
         Code("R575", 6), Code("R40", 3), Code("IO160", 3, kDiscrete), Code("R600", 5, kDiscrete),
         Code("R0", 3, kDiscrete), Code("R400/1", 3), Code("R400/1", 5, kDiscrete), Code("IO0", 5),
         Code("91-R0", 1), Code("123-R0", 1), Code("0-R0", 1)})));

// Map string: unit, group, reference from the group's base, bit, type code.
INSTANTIATE_TEST_SUITE_P(Fallon, DriverGrammar,
                         ::testing::ValuesIn(ForDriver(
                             "Fallon",
                             {Accepts("V1200", {0xFF, 3, 0x02, 0x81, 0xFF, 2}, 0, 0),
                              Accepts("1-V1200", {1, 3, 0x02, 0x81, 0xFF, 2}, 0, 0),
                              Accepts("247-V1200", {247, 3, 0x02, 0x81, 0xFF, 2}, 0, 0),
                              Accepts("V0", {0xFF, 2, 0, 1, 0xFF, 2}, 1, 0),
                              Accepts("V1177", {0xFF, 2, 0x02, 0x80, 0xFF, 2}, 1, 0),
                              Accepts("V777", {0xFF, 3, 0x02, 0x00, 0xFF, 2}, 0, 0),
                              Accepts("V23416", {0xFF, 3, 0x27, 0x0F, 0xFF, 2}, 0, 0),
                              Accepts("V23417", {0xFF, 3, 0x27, 0x10, 0xFF, 2}, 0, 0),
                              Accepts("V37777", {0xFF, 3, 0x40, 0x00, 0xFF, 2}, 0, 0),
                              Accepts("X0", {0xFF, 1, 0x08, 0x01, 0, 0}, 1, 1, kDiscrete),
                              Accepts("GY0", {0xFF, 0, 0, 1, 0, 9}, 0, 1, kDiscrete),
                              Accepts("C3777", {0xFF, 0, 0x14, 0x00, 0, 3}, 0, 1, kDiscrete),
                              Accepts("V40400/0", {0xFF, 1, 0x08, 0x01, 0, 2}, 1, 1, kDiscrete),
                              Accepts("V40477/17", {0xFF, 1, 0x0C, 0x00, 15, 2}, 1, 1, kDiscrete),
                              Accepts("V40500/1", {0xFF, 0, 0x08, 0x02, 1, 2}, 0, 1, kDiscrete),
                              Code("248-V1200", 1),
                              Code("0-V1200", 1),
                              Code("1000-V1200", 1),
                              Code("V40400", 3),
                              Code("V1200/3", 3),
                              Code("V1200/3", 5, kDiscrete),
                              Code("X0", 5),
                              Code("V50000", 3),
                              Code("Q100", 2)})));

TEST(DirectLogicRebuild, CanonicalTextsAndRefusals) {
  const std::pair<const char*, std::vector<RebuildCase>> drivers[] = {
      {"Calden",
       {
           {{1, 0x04, 0x00, 0xFF, 2}, "V02000", {}},
           {{7, 0x04, 0x00, 12, 2}, "7-V02000/14", {}},
           {{1, 0x41, 0x01, 0, 0}, "X0020", {}},
           {{1, 0x42, 0x9F, 15, 4}, "SP777", {}},
           {{1, 0x41, 0x01, 16, 0}, "", {SharedErrorText(3)}},
           {{1, 0x04, 0x00, 16, 2}, "", {SharedErrorText(3)}},
           {{1, 0x80, 0x00, 0xFF, 2}, "", {SharedErrorText(3)}},
           {{91, 0x04, 0x00, 0xFF, 2}, "", {SharedErrorText(1)}},
           {{1, 0x04, 0x00, 0xFF, 10}, "", {SharedErrorText(2)}},
       }},
      {"Dunmore",
       {
           {{1, 0, 32, 0xFF, 4, '3'}, "R037", {}},
           // The accumulators come back as the registers they are.
           {{1, 0, 1, 0xFF, 4, '1'}, "R600", {}},
           {{1, 0, 14, 7, 0, '3'}, "IO157", {}},
           {{1, 0, 32, 4, 1, '3'}, "C0374", {}},
           // Bits are written back in octal, as they are read.
           {{1, 0, 1, 15, 4, '3'}, "R000/17", {}},
           {{2, 0, 65, 0xFF, 4, '1'}, "2-R400", {}},
           {{1, 0, 2, 0xFF, 4, '3'}, "", {SharedErrorText(3)}},
           {{1, 0, 123, 0xFF, 4, '1'}, "", {SharedErrorText(3)}},
           {{1, 0, 1, 0xFF, 4, 1}, "", {SharedErrorText(3)}},
           {{0, 0, 1, 0xFF, 4, '3'}, "", {SharedErrorText(1)}},
       }},
      {"Fallon",
       {
           {{0xFF, 3, 0x02, 0x81, 0xFF, 2}, "V01200", {}},
           {{0xFF, 1, 0x08, 0x01, 0, 0}, "X0000", {}},
           {{0xFF, 1, 0x08, 0x01, 0, 2}, "V40400/0", {}},
           {{5, 3, 0x27, 0x10, 0xFF, 2}, "5-V23417", {}},
           {{0xFF, 1, 0x08, 0x01, 1, 0}, "", {SharedErrorText(3)}},
           {{0xFF, 3, 0, 1, 0xFF, 2}, "", {SharedErrorText(3)}},
           {{248, 3, 0x02, 0x81, 0xFF, 2}, "", {SharedErrorText(1)}},
       }},
  };
  for (const auto& [name, cases] : drivers) {
    DriverUnderTest driver(name);
    for (const RebuildCase& c : cases) {
      SCOPED_TRACE(name);
      CheckRebuildCase(driver, c);
    }
  }
}

TEST(DirectLogicOrder, EachDriversFields) {
  struct Order {
    const char* driver;
    std::vector<Bytes> ascending;
  };
  const Order orders[] = {
      // Unit, V-memory word, bit; the type code takes no part.
      {"Calden",
       {{1, 0x04, 0x00, 0, 2},
        {1, 0x04, 0x00, 15, 0},
        {1, 0x04, 0x00, 0xFF, 2},
        {1, 0x04, 0x01, 0xFF, 2},
        {2, 0x00, 0x00, 0xFF, 2}}},
      // Unit, reference, type code, point, size: the eight points of one
      // reference, and R0 / R600, are different addresses.
      {"Dunmore",
       {{1, 0, 1, 0, 0, '3'},
        {1, 0, 1, 7, 0, '3'},
        {1, 0, 1, 0xFF, 4, '1'},
        {1, 0, 1, 0xFF, 4, '3'},
        {1, 0, 2, 0, 0, '3'}}},
      // Unit, group, reference, bit.
      {"Fallon",
       {{1, 3, 0x02, 0x81, 0xFF, 2},
        {0xFF, 0, 0, 1, 0, 9},
        {0xFF, 1, 0x08, 0x01, 0, 0},
        {0xFF, 1, 0x08, 0x01, 1, 2},
        {0xFF, 1, 0x08, 0x02, 0, 0}}},
  };
  for (const Order& order : orders) {
    SCOPED_TRACE(order.driver);
    DriverUnderTest driver(order.driver);
    ExpectAscending(driver, order.ascending);
  }
  // Equal addresses compare equal: a timer accumulator is its register.
  DriverUnderTest dunmore("Dunmore");
  const Bytes r600 = {1, 0, 1, 0xFF, 4, '1'};
  EXPECT_EQ(dunmore.Export<PlcCompareFn>(PLC_SYM_COMPARE)(r600.data(), r600.data()), 0);
}

// Every DL330/DL340 address, every bit of the bit registers: the rebuilt
// text reads back as the same map string.
TEST(DirectLogicRoundTrip, TheWholeDunmoreMap) {
  struct Run {
    const char* name;
    unsigned first;
    unsigned last;
    int dataType;
    unsigned step;
    bool bits;
  };
  const Run runs[] = {
      {"IO", 0, 0157, kDiscrete, 1, false},    {"IO", 0700, 0767, kDiscrete, 1, false},
      {"C", 0160, 0377, kDiscrete, 1, false},  {"C", 01000, 01077, kDiscrete, 1, false},
      {"C", 0770, 0777, kDiscrete, 1, false},  {"T", 0600, 0677, kDiscrete, 1, false},
      {"SR", 0400, 0577, kDiscrete, 1, false}, {"CT", 0600, 0677, kDiscrete, 1, false},
      {"R", 0, 036, kWord, 2, true},           {"R", 070, 076, kWord, 2, true},
      {"R", 0100, 0106, kWord, 2, true},       {"R", 037, 037, kWord, 1, true},
      {"R", 077, 077, kWord, 1, true},         {"R", 0107, 0107, kWord, 1, true},
      {"R", 0600, 0677, kWord, 1, false},      {"R", 0400, 0562, kWord, 2, false},
      {"R", 0700, 0766, kWord, 2, false},      {"R", 0574, 0576, kWord, 2, false},
      {"R", 0770, 0776, kWord, 2, false},      {"TCA", 0600, 0677, kWord, 1, false},
      {"CTA", 0600, 0677, kWord, 1, false},
  };
  DriverUnderTest dunmore("Dunmore");
  for (const Run& run : runs) {
    for (unsigned address = run.first; address <= run.last; address += run.step) {
      const std::string text = std::string(run.name) + Octal(address);
      EXPECT_TRUE(RoundTrips(dunmore, text, run.dataType)) << text;
      for (unsigned bit = 0; run.bits && bit < 16; ++bit) {
        EXPECT_TRUE(RoundTrips(dunmore, text + "/" + Octal(bit), kDiscrete)) << text;
      }
    }
  }
}

// The first, last and a spread of addresses of every run of Calden and
// Fallon areas, with and without unit.
TEST(DirectLogicRoundTrip, SamplesOfTheOtherMaps) {
  struct Run {
    const char* name;
    unsigned first;
    unsigned last;
    int dataType;
    const char* bit;  // "" or a "/" bit
  };
  const std::vector<Run> points = {
      {"X", 0, 01777, kDiscrete, ""},  {"Y", 0, 01777, kDiscrete, ""},
      {"C", 0, 03777, kDiscrete, ""},  {"SP", 0, 0777, kDiscrete, ""},
      {"T", 0, 0377, kDiscrete, ""},   {"CT", 0, 0377, kDiscrete, ""},
      {"S", 0, 01777, kDiscrete, ""},  {"GX", 0, 03777, kDiscrete, ""},
      {"GY", 0, 03777, kDiscrete, ""},
  };
  std::vector<Run> calden = points;
  calden.insert(calden.end(), {{"V", 0, 0377, kWord, ""},
                               {"V", 0700, 07777, 5, ""},
                               {"V", 010000, 041077, kWord, ""},
                               {"V", 041100, 041117, kWord, ""},
                               {"V", 041140, 041157, kWord, ""},
                               {"V", 041200, 041237, kWord, ""},
                               {"V", 0700, 041077, kDiscrete, "/17"}});
  std::vector<Run> fallon = points;
  fallon.insert(fallon.end(), {{"V", 0, 0377, kWord, ""},
                               {"V", 0700, 037777, 6, ""},
                               {"V", 040000, 040777, kDiscrete, "/7"},
                               {"V", 041000, 041077, kDiscrete, "/0"},
                               {"V", 041100, 041117, kDiscrete, "/17"},
                               {"V", 041140, 041157, kDiscrete, "/1"},
                               {"V", 041200, 041237, kDiscrete, "/10"}});
  const std::pair<const char*, std::vector<Run>> drivers[] = {{"Calden", calden},
                                                              {"Fallon", fallon}};
  for (const auto& [name, runs] : drivers) {
    DriverUnderTest driver(name);
    for (const Run& run : runs) {
      const unsigned span = run.last - run.first;
      for (unsigned step = 0; step <= 16; ++step) {
        const unsigned address = run.first + span * step / 16;
        for (const char* unit : {"", "7-"}) {
          const std::string text = unit + std::string(run.name) + Octal(address) + run.bit;
          std::string canonical;
          EXPECT_TRUE(RoundTrips(driver, text, run.dataType, &canonical)) << name << " " << text;
        }
      }
    }
  }
}

}  // namespace
}  // namespace orvane::testing
