#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "corvel/Corvel.h"
#include "tests/corvel/CorvelTestSupport.h"

namespace orvane::testing {
namespace {

// An expected failure names its message; a success its value.
struct ParseCase {
  int type;
  const char* text;
  uint32_t value;
  const char* message;  // nullptr: the text parses to value
};

void PrintTo(const ParseCase& c, std::ostream* os) {
  *os << "type " << c.type << " text \"" << (c.text ? c.text : "(null)") << "\"";
}

constexpr uint32_t kUntouched = 0xABCD;

class StringtoValueTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(StringtoValueTest, ParsesOrReportsOnce) {
  const ParseCase& c = GetParam();
  SinkCapture sink;
  CCorvel corvel;
  uint16_t value = kUntouched;
  const bool ok = corvel.StringtoValue(c.text, &value, static_cast<DATA_TYPE>(c.type), "x");
  if (c.message == nullptr) {
    EXPECT_TRUE(ok);
    EXPECT_EQ(value, c.value);
    EXPECT_TRUE(sink.messages.empty());
  } else {
    EXPECT_FALSE(ok);
    EXPECT_EQ(value, kUntouched);
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].text, c.message);
    EXPECT_EQ(sink.messages[0].style, unsigned{CORVEL_MB_ICON_INFORMATION});
  }
}

INSTANTIATE_TEST_SUITE_P(
    Notations, StringtoValueTest,
    ::testing::Values(ParseCase{0, "-32768", 0x8000, nullptr},
                      ParseCase{0, "32767", 0x7FFF, nullptr}, ParseCase{0, "  12", 12, nullptr},
                      ParseCase{0, "-0", 0, nullptr},
                      ParseCase{0, "32768", 0, "The number is out of range. "},
                      ParseCase{0, "-32769", 0, "The number is out of range. "},
                      // A minus anywhere makes the value count as negative.
                      ParseCase{0, "5-3", 0, "The number is out of range. "},
                      ParseCase{0, "-", 0, "The number is an empty string "},
                      ParseCase{0, "", 0, "The number is an empty string "},
                      ParseCase{0, nullptr, 0, "The number is an empty string "},
                      ParseCase{0, "12a", 0, "The number is not a signed value "},
                      ParseCase{0, "-1 2", 0, "The number is not a signed value "},
                      ParseCase{0, "   ", 0, "The number is not a signed value "},
                      ParseCase{2, "9999", 0x9999, nullptr}, ParseCase{2, "0012", 0x12, nullptr},
                      ParseCase{2, "  ", 0, nullptr},
                      ParseCase{2, "10000", 0, "The number is out of range. "},
                      ParseCase{2, "12a", 0, "The number is not a BCD value "},
                      ParseCase{3, "ffFF", 0xFFFF, nullptr},
                      ParseCase{3, "10000", 0, "The number is out of range."},
                      ParseCase{3, "12g", 0, "The number is not a hex value "},
                      ParseCase{3, "  ", 0, "The number is not a Hex value "},
                      ParseCase{4, "177777", 0xFFFF, nullptr}, ParseCase{4, " 17", 15, nullptr},
                      ParseCase{4, "200000", 0, "The number is out of range."},
                      ParseCase{4, "8", 0, "The number is not an octal value "},
                      ParseCase{1, "65535", 65535, nullptr},
                      ParseCase{1, "65536", 0, "The number is out of range."},
                      ParseCase{1, "99999999999999999999999", 0, "The number is out of range."},
                      ParseCase{1, "-1", 0, "The number is not an unsigned value "},
                      ParseCase{1, " ", 0, "The number is not an unsigned value "},
                      // Unknown notations read as unsigned decimal.
                      ParseCase{9, "12", 12, nullptr},
                      ParseCase{9, "C", 0, "The number is not an unsigned value "}));

class StringtoLongValueTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(StringtoLongValueTest, ParsesOrReportsOnce) {
  const ParseCase& c = GetParam();
  SinkCapture sink;
  CCorvel corvel;
  uint32_t value = kUntouched;
  const bool ok = corvel.StringtoLongValue(c.text, &value, static_cast<DATA_TYPE>(c.type), "x");
  if (c.message == nullptr) {
    EXPECT_TRUE(ok);
    EXPECT_EQ(value, c.value);
    EXPECT_TRUE(sink.messages.empty());
  } else {
    EXPECT_FALSE(ok);
    EXPECT_EQ(value, kUntouched);
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].text, c.message);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Notations, StringtoLongValueTest,
    ::testing::Values(ParseCase{0, "-2147483648", 0x80000000u, nullptr},
                      ParseCase{0, "2147483647", 0x7FFFFFFF, nullptr},
                      ParseCase{0, "-1", 0xFFFFFFFFu, nullptr},
                      ParseCase{0, "2147483648", 0, "The number is out of range"},
                      ParseCase{0, "-2147483649", 0, "The number is out of range"},
                      ParseCase{0, "12345678901", 0, "The number is out of range"},
                      ParseCase{0, "-12345678901", 0, "The number is out of range"},
                      ParseCase{0, "1a", 0, "The number is not a signed value "},
                      ParseCase{0, "-", 0, "The number is not entered "},
                      ParseCase{0, "", 0, "The number is not entered "},
                      ParseCase{2, "99999999", 0x99999999u, nullptr},
                      ParseCase{2, "1234", 0x1234, nullptr},
                      ParseCase{2, "123456789", 0, "The number is out of range"},
                      ParseCase{2, "12a", 0, "The number is not a BCD value "},
                      ParseCase{3, "FFFFFFFF", 0xFFFFFFFFu, nullptr},
                      ParseCase{3, "100000000", 0, "The number is out of range"},
                      ParseCase{3, "12g", 0, "The number is not a hex value ."},
                      ParseCase{3, " ", 0, "The number is not a hex value "},
                      ParseCase{4, "37777777777", 0xFFFFFFFFu, nullptr},
                      ParseCase{4, "40000000000", 0, "The number is out of range"},
                      ParseCase{4, "777777777777", 0, "The number is out of range"},
                      ParseCase{4, "8", 0, "The number is not an octal value"},
                      ParseCase{4, " ", 0, "The number is not an octal value "},
                      ParseCase{1, "4294967295", 0xFFFFFFFFu, nullptr},
                      ParseCase{1, "4294967296", 0, "The number is out of range"},
                      ParseCase{1, "10000000000", 0, "The number is out of range"},
                      ParseCase{1, "1x", 0, "The number is not an unsigned value"},
                      ParseCase{1, " ", 0, "The number is not an unsigned value"}));

struct FormatCase {
  int type;
  uint32_t value;
  const char* text;
};

TEST(ValuetoString, FormatsEachNotationFromAnUnsignedWord) {
  const FormatCase cases[] = {{0, 0xFFFF, "65535"}, {2, 0x1234, "1234"}, {3, 0xABCD, "ABCD"},
                              {4, 8, "10"},         {1, 65535, "65535"}, {7, 5, "5"}};
  const CCorvel corvel;
  for (const FormatCase& c : cases) {
    char buffer[16] = {};
    corvel.ValuetoString(buffer, sizeof buffer, static_cast<uint16_t>(c.value),
                         static_cast<DATA_TYPE>(c.type));
    EXPECT_STREQ(buffer, c.text) << "type " << c.type;
  }
}

TEST(LongValuetoString, FormatsEachNotationAndSignedAsTwosComplement) {
  const FormatCase cases[] = {{0, 0xFFFFFFFFu, "-1"},          {0, 0x7FFFFFFF, "2147483647"},
                              {3, 0xDEADBEEFu, "DEADBEEF"},    {2, 0x99999999u, "99999999"},
                              {4, 0xFFFFFFFFu, "37777777777"}, {1, 0xFFFFFFFFu, "4294967295"}};
  const CCorvel corvel;
  for (const FormatCase& c : cases) {
    char buffer[16] = {};
    corvel.LongValuetoString(buffer, sizeof buffer, c.value, static_cast<DATA_TYPE>(c.type));
    EXPECT_STREQ(buffer, c.text) << "type " << c.type;
  }
}

TEST(ValuetoString, NeverWritesPastTheBuffer) {
  const CCorvel corvel;
  char buffer[4] = {'x', 'x', 'x', 'x'};
  corvel.LongValuetoString(buffer, 3, 4294967295u, DT_UNSIGNED_DECIMAL);
  EXPECT_STREQ(buffer, "42");
  EXPECT_EQ(buffer[3], 'x');
}

TEST(MaxNumberDigits, CoversEveryNotationAndSize) {
  const CCorvel corvel;
  const int expected[5][2] = {{5, 10}, {5, 10}, {4, 8}, {4, 8}, {6, 11}};
  for (int type = 0; type < 5; ++type) {
    EXPECT_EQ(corvel.MaxNumberDigits(static_cast<DATA_TYPE>(type), DS_16_BIT), expected[type][0]);
    EXPECT_EQ(corvel.MaxNumberDigits(static_cast<DATA_TYPE>(type), static_cast<DATA_SIZE>(7)),
              expected[type][1]);
  }
}

}  // namespace
}  // namespace orvane::testing
