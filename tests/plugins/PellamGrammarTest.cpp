// The Mitsubishi FX driver: its device table through the loaded plug-in,
// the rebuild and order, and every device of every row round trip.
#include <gtest/gtest.h>

#include <cstdio>

#include "corvel/CorvelExports.h"
#include "tests/plugins/GrammarTable.h"

namespace orvane::testing {
namespace {

constexpr unsigned kExcl = CORVEL_MB_ICON_EXCLAMATION;
constexpr unsigned kInfo = CORVEL_MB_ICON_INFORMATION;

GrammarCase Fails(std::string text, const char* message) {
  return Refuses(std::move(text), {message}, kExcl);
}

// Map string: station, type index, register address, bit, device number.
INSTANTIATE_TEST_SUITE_P(Pellam, DriverGrammar,
                         ::testing::ValuesIn(ForDriver(
                             "Pellam",
                             {Accepts("D100", {0xFF, 7, 0x10, 0xC8, 0xFF, 0x00, 0x64}, 0, 0),
                              Accepts("d511", {0xFF, 7, 0x13, 0xFE, 0xFF, 0x01, 0xFF}, 0, 0),
                              Accepts("D8000", {0xFF, 8, 0x0E, 0x00, 0xFF, 0x1F, 0x40}, 1, 0),
                              Accepts("X17", {0xFF, 0, 0x00, 0x80, 15, 0x04, 0x0F}, 1, 1),
                              Accepts("Y177", {0xFF, 1, 0x00, 0xAE, 15, 0x05, 0x7F}, 1, 1),
                              Accepts("T255", {0xFF, 2, 0x09, 0xFE, 0xFF, 0x06, 0xFF}, 1, 0),
                              Accepts("T.5", {0xFF, 3, 0x00, 0xC0, 5, 0x06, 0x05}, 1, 1),
                              Accepts("C199", {0xFF, 4, 0x0B, 0x8E, 0xFF, 0x00, 0xC7}, 1, 0),
                              Accepts("C210", {0xFF, 5, 0x0C, 0x28, 0xFF, 0x00, 0xD2}, 1, 0),
                              Accepts("C.255", {0xFF, 6, 0x01, 0xDE, 15, 0x0E, 0xFF}, 1, 1),
                              Accepts("S999", {0xFF, 9, 0x00, 0x7C, 7, 0x03, 0xE7}, 0, 1),
                              Accepts("M100", {0xFF, 10, 0x01, 0x0C, 4, 0x08, 0x64}, 0, 1),
                              Accepts("M8002", {0xFF, 11, 0x01, 0xE0, 2, 0x0F, 0x02}, 1, 1),
                              Accepts("M8255", {0xFF, 11, 0x01, 0xFE, 15, 0x0F, 0xFF}, 1, 1),
                              // The five characters are counted after the station.
                              Accepts("1-D100", {1, 7, 0x10, 0xC8, 0xFF, 0x00, 0x64}, 0, 0),
                              Accepts("32-M8255", {32, 11, 0x01, 0xFE, 15, 0x0F, 0xFF}, 1, 1),
                              Fails("D800", "Error T02_2:  Invalid Address Type."),
                              Fails("D512", "Error T02_2:  Invalid Address Type."),
                              Fails("Q5", "Error T02_2:  Invalid Address Type."),
                              Fails("X18", "Error T02_3:  Invalid Address"),
                              Fails("X200", "Error T02_3:  Invalid Address"),
                              Fails("D", "Error T02_3:  Invalid Address."),
                              Fails("D1x", "Error T02_3:  Invalid Address."),
                              Fails("D100000", "Error T02_3:  Invalid Address"),
                              Fails("1-D10000", "Error T02_3:  Invalid Address"),
                              Fails("33-D0", "Error T02_1:  Invalid station address"),
                              Fails("0-D0", "Error T02_1:  Invalid station address"),
                              Fails("123-D0", "Error T02_1:  Invalid station address"),
                              Fails("-D0", "Error T02_1:  Invalid station address"),
                              Refuses("x-D0", {"The number is not an unsigned value "}, kInfo)})));

TEST(PellamChecks, TheFlagsAskForAccessAndDataType) {
  DriverUnderTest pellam("Pellam");
  CheckFlagCases(pellam, {{"D100", 0, 8, 0},
                          {"D8000", 0, 8, 2},
                          {"D8000", 1, 8, 0},
                          {"X17", 1, 0, 0},
                          {"X17", 1, 8, 5},
                          {"D100", 0, 0, 5},
                          {"C210", 1, 6, 0},
                          {"D100", 2, 1, 5}});
}

TEST(PellamRebuild, DeviceNumbersComeBackAsTheirNames) {
  DriverUnderTest pellam("Pellam");
  const RebuildCase cases[] = {
      {{0xFF, 7, 0x10, 0xC8, 0xFF, 0x00, 0x64}, "D100", {}},
      {{1, 0, 0x00, 0x80, 15, 0x04, 0x0F}, "1-X17", {}},
      {{0xFF, 11, 0x01, 0xE0, 2, 0x0F, 0x02}, "M8002", {}},
      {{0xFF, 3, 0x00, 0xC0, 5, 0x06, 0x05}, "T.5", {}},
      {{33, 7, 0x10, 0xC8, 0xFF, 0x00, 0x64}, "", {"Error T02_1:  Invalid station address"}},
      {{0, 7, 0x10, 0xC8, 0xFF, 0x00, 0x64}, "", {"Error T02_1:  Invalid station address"}},
      {{0xFF, 12, 0, 0, 0xFF, 0, 0}, "", {"Error T02_2:  Invalid Address Type."}},
      {{0xFF, 10, 0x01, 0x00, 0, 0x0F, 0x00}, "", {"Error T02_3:  Invalid address"}},
      {{0xFF, 7, 0x00, 0x00, 0xFF, 0x02, 0x00}, "", {"Error T02_3:  Invalid address"}},
      {{0xFF, 0, 0x00, 0x80, 0, 0x03, 0xFF}, "", {"Error T02_3:  Invalid address"}},
  };
  for (const RebuildCase& c : cases) {
    CheckRebuildCase(pellam, c);
  }
}

TEST(PellamOrder, StationTypeRegisterThenBit) {
  DriverUnderTest pellam("Pellam");
  // The device number takes no part.
  const std::vector<Bytes> ascending = {
      {1, 9, 0, 0, 0, 0, 0},       {0xFF, 0, 0, 0x80, 0, 9, 9},       {0xFF, 0, 0, 0x80, 1, 0, 0},
      {0xFF, 0, 0, 0x82, 0, 0, 0}, {0xFF, 7, 0x10, 0xC8, 0xFF, 0, 0},
  };
  ExpectAscending(pellam, ascending);
}

TEST(PellamRoundTrip, EveryDevice) {
  struct Row {
    const char* name;
    unsigned first;
    unsigned last;
    bool octal;
  };
  const Row rows[] = {{"X", 0, 0177, true},  {"Y", 0, 0177, true},     {"T", 0, 255, false},
                      {"T.", 0, 255, false}, {"C", 0, 255, false},     {"C.", 0, 255, false},
                      {"D", 0, 511, false},  {"D", 8000, 8255, false}, {"S", 0, 999, false},
                      {"M", 0, 1023, false}, {"M", 8000, 8255, false}};
  DriverUnderTest pellam("Pellam");
  for (const Row& row : rows) {
    for (unsigned number = row.first; number <= row.last; ++number) {
      char digits[8];
      std::snprintf(digits, sizeof digits, row.octal ? "%o" : "%u", number);
      const std::string text = row.name + std::string(digits);
      std::string canonical;
      EXPECT_TRUE(RoundTrips(pellam, text, 8, &canonical)) << text;
      EXPECT_EQ(canonical, text);
      if (number % 64 == 0) {
        EXPECT_TRUE(RoundTrips(pellam, "32-" + text, 8)) << text;
      }
    }
  }
}

}  // namespace
}  // namespace orvane::testing
