// The Think & Do driver: map lines and the short form converted to Modbus
// references, the reference check, the rebuild to the short form and the
// order, through the loaded plug-in.
#include <gtest/gtest.h>

#include "corvel/CorvelExports.h"
#include "tests/plugins/GrammarTable.h"

namespace orvane::testing {
namespace {

constexpr unsigned kPlain = CORVEL_MB_PLAIN;
constexpr unsigned kExcl = CORVEL_MB_ICON_EXCLAMATION;
const char* const kMapLine =
    "Error T02_3:  Invalid Address (Not getting correct string from T&D map file).";
const char* const kConversion =
    "Error T02_3:  Invalid Address (Error Converting Think and Do Address to Modbus Address).";
const char* const kIndex = "Error T02_3:  Invalid Address (Invalid Tandry Index).";

// Map string: slave, table, number within the table, bit (0 for none).
INSTANTIATE_TEST_SUITE_P(
    Tandry, DriverGrammar,
    ::testing::ValuesIn(ForDriver(
        "Tandry",
        {Accepts("1-N5", {1, 3, 0x10, 0x0B, 0}, 0, 0), Accepts("1-n5", {1, 3, 0x10, 0x0B, 0}, 0, 0),
         Accepts("1-C0", {1, 3, 0x00, 0x01, 0}, 0, 0),
         Accepts("247-C2047", {247, 3, 0x08, 0x00, 0}, 0, 0),
         Accepts("0-FP1023", {0, 3, 0x0F, 0xFF, 0}, 0, 0),
         Accepts("1-S191", {1, 3, 0x26, 0xED, 0}, 0, 0),
         Accepts("1-O0", {1, 0, 0x00, 0x01, 0}, 0, 1),
         Accepts("1-F4095", {1, 0, 0x20, 0x00, 0}, 0, 1),
         Accepts("1-I6143", {1, 1, 0x18, 0x00, 0}, 1, 1),
         Accepts("Tank,7,5,x", {0, 3, 0x10, 0x0B, 0}, 0, 0),
         Accepts("Tank,5,9,,,,ignored,,", {0, 3, 0x00, 0x0A, 0}, 0, 0),
         // A map line is known by its commas, whatever its tag name holds.
         Accepts("Tank-1,7,5,x", {0, 3, 0x10, 0x0B, 0}, 0, 0),
         Refuses("1-X5", {"Error T02_2:  Invalid Address Type"}, kExcl),
         Refuses("1-N123456", {"Error T02_3:  Invalid Address"}, kExcl),
         Refuses("1-N", {kConversion}, kExcl), Refuses("1-N5x", {kConversion}, kExcl),
         Refuses("x-N5", {kConversion}, kExcl), Refuses("Tank,3,5,x", {kConversion}, kExcl),
         Refuses("Tank,7,5", {kMapLine}, kPlain), Refuses("Tank,7,x,y", {kMapLine}, kPlain),
         Refuses("40001", {kMapLine}, kPlain), Refuses("", {kMapLine}, kPlain),
         // An element past its type's references is refused, not taken as
         // another type's.
         Refuses("1-C2048", {kIndex}, kPlain), Refuses("1-C3000", {kIndex}, kPlain),
         Refuses("1-I6144", {kIndex}, kPlain), Refuses("1-I9000", {kIndex}, kPlain),
         Refuses("1-S192", {kIndex}, kPlain), Refuses("Tank,7,1024,x", {kIndex}, kPlain),
         Refuses("248-N5", {"Error T02_1:  Invalid Station Number"}, kPlain),
         Refuses("1234-N5", {"Error T02_1:  Invalid station number"}, kPlain),
         Refuses(std::string(256, 'x'),
                 {"Error T02_3:  Invalid Address (Length of address string exceeds maximum "
                  "possible address length)"},
                 kPlain)})));

TEST(TandryChecks, TheFlagsAskForAccessAndDataType) {
  DriverUnderTest tandry("Tandry");
  CheckFlagCases(tandry, {{"1-N5", 0, 6, 0},
                          {"1-I5", 0, 0, 2},
                          {"1-I5", 1, 0, 0},
                          {"1-O5", 0, 0, 0},
                          {"1-O5", 0, 8, 5},
                          {"1-C5", 0, 0, 5}});
}

TEST(TandryRebuild, TheShortForm) {
  DriverUnderTest tandry("Tandry");
  const RebuildCase cases[] = {
      {{1, 3, 0x10, 0x0B, 0}, "1-N5", {}},
      {{0xFF, 3, 0x00, 0x01, 0}, "C0", {}},
      {{0, 3, 0x10, 0x0C, 0}, "0-N5", {}},
      {{1, 1, 0x18, 0x00, 0}, "1-I6143", {}},
      {{1, 0, 0x10, 0x01, 0}, "1-F0", {}},
      {{1, 4, 0x00, 0x01, 0}, "", {"Error T02_2:  Invalid Address Type"}},
      {{1, 3, 0x27, 0x01, 0}, "", {"Error T02_3:  Invalid Address "}},
      {{1, 2, 0x00, 0x01, 0}, "", {"Error T02_3:  Invalid Address "}},
      {{1, 0, 0x00, 0x00, 0}, "", {"Error T02_3:  Invalid Address "}},
      {{1, 0, 0x20, 0x01, 0}, "", {"Error T02_3:  Invalid Address "}},
      {{248, 3, 0x10, 0x0B, 0}, "", {"Error T02_1:  Invalid Station Number"}},
  };
  for (const RebuildCase& c : cases) {
    CheckRebuildCase(tandry, c);
  }
}

TEST(TandryOrder, SlaveTableNumberThenBit) {
  DriverUnderTest tandry("Tandry");
  const std::vector<Bytes> ascending = {
      {0, 3, 0x10, 0x0B, 0}, {1, 0, 0x00, 0x01, 0}, {1, 1, 0x00, 0x01, 0}, {1, 3, 0x00, 0x01, 0},
      {1, 3, 0x00, 0x01, 1}, {1, 3, 0x01, 0x00, 0}, {0xFF, 0, 0, 1, 0}};
  ExpectAscending(tandry, ascending);
}

// The first, last and a spread of elements of every data type, in the
// short form and as map lines.
TEST(TandryRoundTrip, EveryDataType) {
  struct Type {
    const char* name;
    int typeIndex;
    unsigned lastElement;
  };
  const Type types[] = {{"O", 4, 4095},   {"F", 2, 4095}, {"I", 1, 6143}, {"C", 5, 2047},
                        {"FP", 19, 1023}, {"N", 7, 1023}, {"S", 22, 191}};
  DriverUnderTest tandry("Tandry");
  for (const Type& type : types) {
    for (unsigned step = 0; step <= 8; ++step) {
      const unsigned element = type.lastElement * step / 8;
      for (const char* slave : {"0-", "1-", "247-"}) {
        const std::string text = slave + std::string(type.name) + std::to_string(element);
        std::string canonical;
        EXPECT_TRUE(RoundTrips(tandry, text, 8, &canonical)) << text;
        EXPECT_EQ(canonical, text);
      }
      const std::string line =
          "Tag," + std::to_string(type.typeIndex) + "," + std::to_string(element) + ",x";
      std::string canonical;
      EXPECT_TRUE(RoundTrips(tandry, line, 8, &canonical)) << line;
      EXPECT_EQ(canonical, "0-" + std::string(type.name) + std::to_string(element));
    }
  }
}

}  // namespace
}  // namespace orvane::testing
