// Brisko's address grammar, through the loaded plug-in: every accepted text
// with its exact map string, every refused one with its exact message.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "corvel/CorvelExports.h"
#include "tests/plugins/DriverUnderTest.h"

namespace orvane::testing {
namespace {

using Bytes = std::vector<unsigned char>;

struct GrammarCase {
  const char* text;
  int applicationType;
  Bytes map;            // empty: refused
  int access;           // accepted ones
  int isBit;            // accepted ones
  const char* message;  // refused ones
  unsigned style;       // refused ones
};

GrammarCase Accepts(const char* text, Bytes map, int access, int isBit, int type = 0) {
  return GrammarCase{text, type, std::move(map), access, isBit, "", 0};
}
GrammarCase Refuses(const char* text, const char* message, unsigned style, int type = 0) {
  return GrammarCase{text, type, {}, 0, 0, message, style};
}

void PrintTo(const GrammarCase& c, std::ostream* os) {
  *os << '"' << c.text << "\" type " << c.applicationType;
}

constexpr unsigned kPlain = CORVEL_MB_PLAIN;
constexpr unsigned kExcl = CORVEL_MB_ICON_EXCLAMATION;
constexpr unsigned kInfo = CORVEL_MB_ICON_INFORMATION;

class BriskoGrammar : public ::testing::TestWithParam<GrammarCase> {};

TEST_P(BriskoGrammar, AcceptsWithItsMapStringOrRefusesWithOneMessage) {
  const GrammarCase& c = GetParam();
  DriverUnderTest brisko;
  brisko.Export<PlcSetApplicationTypeFn>(PLC_SYM_SET_APP_TYPE)(c.applicationType);
  PlcAddress record = SentinelRecord();
  const bool valid = brisko.Validate(c.text, record);
  if (c.map.empty()) {
    EXPECT_FALSE(valid);
    EXPECT_TRUE(IsSentinel(record)) << "a refused text leaves the record alone";
    ASSERT_EQ(brisko.messages.size(), 1u);
    EXPECT_EQ(brisko.messages[0].text, c.message);
    EXPECT_EQ(brisko.messages[0].style, c.style);
    return;
  }
  ASSERT_TRUE(valid) << (brisko.messages.empty() ? "" : brisko.messages[0].text);
  EXPECT_TRUE(brisko.messages.empty());
  EXPECT_EQ(record.access, c.access);
  EXPECT_EQ(record.isBit, c.isBit);
  EXPECT_EQ(record.valid, 1);
  EXPECT_EQ(record.type, c.map[1]);
  EXPECT_EQ(record.fileNumber, (c.map[2] << 8) | c.map[3]);
  EXPECT_EQ(record.wordNumber, (c.map[4] << 8) | c.map[5]);
  EXPECT_EQ(record.bit, c.map[6]);
  EXPECT_EQ(brisko.TakeMap(record), c.map);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, BriskoGrammar,
    ::testing::Values(
        Accepts("N7:0", {0xFF, 7, 0, 7, 0, 0, 0xFF}, 0, 0),
        Accepts("n7:0", {0xFF, 7, 0, 7, 0, 0, 0xFF}, 0, 0),
        Accepts("3-N7:10/15", {3, 7, 0, 7, 0, 10, 15}, 0, 1),
        Accepts("0-N7:0", {0, 7, 0, 7, 0, 0, 0xFF}, 0, 0),
        Accepts("31-N9:255", {31, 7, 0, 9, 0, 255, 0xFF}, 0, 0),
        Accepts("N255:0", {0xFF, 7, 0, 255, 0, 0, 0xFF}, 0, 0),
        Accepts("B3/100", {0xFF, 3, 0, 3, 0, 6, 4}, 0, 1),
        Accepts("B3:0/100", {0xFF, 3, 0, 3, 0, 6, 4}, 0, 1),
        Accepts("B3/4095", {0xFF, 3, 0, 3, 0, 255, 15}, 0, 1),
        Accepts("B10", {0xFF, 3, 0, 10, 0, 0, 0xFF}, 0, 0),
        Accepts("B3:0/0000000015", {0xFF, 3, 0, 3, 0, 0, 15}, 0, 1),
        Accepts("S:1", {0xFF, 2, 0, 2, 0, 1, 0xFF}, 1, 0),
        Accepts("S:1/3", {0xFF, 2, 0, 2, 0, 1, 3}, 1, 1),
        Accepts("t4:2.acc", {0xFF, 4, 0, 4, 0, 2, 1}, 0, 0),
        Accepts("T4:2.PRE", {0xFF, 4, 0, 4, 0, 2, 0}, 0, 0),
        Accepts("T4:2.dn", {0xFF, 4, 0, 4, 0, 2, 13}, 1, 1),
        Accepts("T4:0.EN", {0xFF, 4, 0, 4, 0, 0, 15}, 1, 1),
        Accepts("C5:0.OV", {0xFF, 5, 0, 5, 0, 0, 12}, 1, 1),
        Accepts("C5:0.un", {0xFF, 5, 0, 5, 0, 0, 11}, 1, 1),
        Accepts("C5:1.ACC", {0xFF, 5, 0, 5, 0, 1, 1}, 0, 0),
        Accepts("R6:3.FD", {0xFF, 6, 0, 6, 0, 3, 8}, 1, 1),
        Accepts("R6:3.IN", {0xFF, 6, 0, 6, 0, 3, 9}, 1, 1),
        Accepts("R6:3.LEN", {0xFF, 6, 0, 6, 0, 3, 0}, 0, 0),
        Accepts("R6:3.POS", {0xFF, 6, 0, 6, 0, 3, 1}, 0, 0),
        Accepts("F8:0", {0xFF, 8, 0, 8, 0, 0, 0xFF}, 0, 0),
        Refuses("F8:0", "Orvane does not support floating point address types", kPlain, 2),
        Refuses("F8:0", "Orvane does not support floating point address types", kPlain, 1),
        Refuses("N7:0/1xxxxxxxxxx", "Error T02_3:  Invalid Address", kInfo),
        Refuses("123-N7:0/1234567", "Error T02_3:  Invalid Address", kInfo),
        Refuses("", "Error T02_3:  Invalid Address", kPlain),
        Refuses("N7", "Error T02_3:  Invalid Address", kPlain),
        Refuses("3-N7", "Error T02_3:  Invalid Address", kPlain),
        Refuses("32-N7:0",
                "Error T02_3:  Invalid Address (Invalid Slave Address; check the range (1 - 31)).",
                kExcl),
        Refuses("123-N7:0", "Error T02_3:  Invalid Address (Invalid Slave Address).", kExcl),
        Refuses("-N7:0", "Error T02_3:  Invalid Address (Invalid Slave Address).", kExcl),
        Refuses("x-N7:0", "The number is not an unsigned value ", kInfo),
        Refuses("X7:0", "Error T02_3:  Invalid Address (Invalid File type)", kExcl),
        Refuses("I:1/0",
                "Error T02_3:  Invalid Address (Types I and O are not supported for SLC "
                "500-Half Duplex).",
                kPlain),
        Refuses("O:0/0",
                "Error T02_3:  Invalid Address (Types I and O are not supported for SLC "
                "500-Half Duplex).",
                kPlain),
        Refuses("N7/100", "Error T02_3:  Invalid address", kExcl),
        Refuses("T4:0", "Error T02_4:  Invalid bit address", kExcl),
        Refuses("T4:0/1", "Error T02_4:  Invalid bit address", kExcl),
        Refuses("T4.0:1", "Error T02_3:  Invalid address", kExcl),
        Refuses("T4:1.", "Error T02_3:  Invalid address", kExcl),
        Refuses("T4:0.XX", "Error T02_3:  Invalid Address (Invalid flag delimiter).", kExcl),
        Refuses("T4:0.CU", "Error T02_3:  Invalid Address (Invalid flag delimiter).", kExcl),
        Refuses("T4:0.ACCX", "Error T02_3:  Invalid Address (Invalid flag delimiter).", kExcl),
        Refuses("T4:.ACC", "The number is an empty string ", kInfo),
        Refuses("N7:0.1", "Error T02_3:  Invalid Address (Invalid flag delimiter)", kExcl),
        Refuses("N7/1:0", "Error T02_3:  Invalid Address.", kExcl),
        Refuses("N7:", "Error T02_3:  Invalid Address.", kExcl),
        Refuses("N7:0/", "Error T02_3:  Invalid Address.", kExcl),
        Refuses("N8:0", "Error T02_3:  Invalid Address (Invalid file number)", kExcl),
        Refuses("N256:0", "Error T02_3:  Invalid Address (Invalid file number)", kExcl),
        Refuses("T7:0.ACC", "Error T02_3:  Invalid Address (Invalid file number)", kExcl),
        Refuses("N1000:0", "Error T02_3:  Invalid Address ", kExcl),
        Refuses("N:0", "The number is an empty string ", kInfo),
        Refuses("S2:1",
                "Error T02_3:  Invalid Address (File numbers are not allowed in I,O,S types)",
                kPlain),
        Refuses("N7:256", "Error T02_3:  Invalid Address (Invalid word address).", kExcl),
        Refuses("N7:1000", "Error T02_3:  Invalid Address (Invalid flag delimiter).", kExcl),
        Refuses("N7:0/16", "Error T02_4:  Invalid Bit address", kPlain),
        Refuses("B3:1/100", "Error T02_4:  Invalid Bit address", kPlain),
        Refuses("B3/4096", "Error T02_4:  Invalid bit address", kExcl),
        Refuses("N7:0/x", "The number is not an unsigned value ", kInfo)));

// The data type check is off in the program's calls; a caller that asks
// for it gets the data type rules.
TEST(BriskoDataTypeCheck, AddressesMustSuitTheDataType) {
  struct Case {
    const char* text;
    int dataType;
    bool suits;
  };
  const Case cases[] = {
      {"T4:0.DN", 0, true},   {"T4:0.DN", 8, false}, {"T4:0.ACC", 0, false},
      {"T4:0.ACC", 1, false}, {"T4:0.ACC", 2, true}, {"T4:0.ACC", 10, false},
      {"C5:0.UN", 0, true},   {"R6:0.FD", 5, false}, {"F8:0", 10, true},
      {"F8:0", 8, false},     {"F8:0/1", 0, true},   {"F8:0/1", 10, false},
      {"N7:0/1", 0, true},    {"N7:0/1", 5, false},  {"N7:0", 12, true},
      {"N7:0", 4, false},     {"S:0", 7, false},     {"B3:0", 99, false},
  };
  DriverUnderTest brisko;
  const auto validate = brisko.Export<PlcValidateFn>(PLC_SYM_VALIDATE);
  for (const Case& c : cases) {
    PlcAddress record = SentinelRecord();
    const bool valid = validate(&record, c.text, 0, c.dataType, 0, 1) != 0;
    EXPECT_EQ(valid, c.suits) << c.text << " as " << c.dataType;
    if (valid) {
      brisko.TakeMap(record);
    } else {
      EXPECT_TRUE(IsSentinel(record));
      EXPECT_EQ(brisko.TakeTexts(),
                std::vector<std::string>{"Error T02_7:  Address type does not match Tag data "
                                         "type, or the address is invalid."});
    }
  }
}

TEST(BriskoAccessCheck, ReadOnlyAddressesRefuseOtherAccessWhenAsked) {
  DriverUnderTest brisko;
  const auto validate = brisko.Export<PlcValidateFn>(PLC_SYM_VALIDATE);
  PlcAddress record = SentinelRecord();
  EXPECT_FALSE(validate(&record, "S:1", 0, 8, 1, 0));
  EXPECT_EQ(brisko.TakeTexts(), std::vector<std::string>{"Error T02_2:  Invalid Address Type."});
  ASSERT_TRUE(validate(&record, "S:1", 1, 8, 1, 0));
  brisko.TakeMap(record);
  ASSERT_TRUE(validate(&record, "N7:0", 2, 8, 1, 0));
  brisko.TakeMap(record);
  // Without the flag the access is reported, not checked.
  ASSERT_TRUE(validate(&record, "S:1", 0, 8, 0, 0));
  EXPECT_EQ(record.access, 1);
  brisko.TakeMap(record);
}

}  // namespace
}  // namespace orvane::testing
