#include "cli/Arguments.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orvane::cli {
namespace {

const std::vector<OptionSpec> kSpecs = {{"--plc", true, false, ""},
                                        {"-o", true, false, "--output"},
                                        {"--raw", false, false, ""},
                                        {"--tag", true, true, ""}};

TEST(Arguments, ParsesEverySpelling) {
  const Arguments args(
      {"N7:0", "--plc=1:4", "-o", "x.atr", "--raw", "--tag", "a", "--tag=b", "--", "--raw", "-x"},
      kSpecs);
  EXPECT_EQ(args.Value("--plc"), "1:4");
  EXPECT_EQ(args.Required("-o"), "x.atr");
  EXPECT_TRUE(args.Has("--raw"));
  EXPECT_EQ(args.Values("--tag"), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(args.Positional(), (std::vector<std::string>{"N7:0", "--raw", "-x"}));
  EXPECT_EQ(Arguments({"--output", "y"}, kSpecs).Value("-o"), "y");
  // A lone "-" and an empty text are positional.
  EXPECT_EQ(Arguments({"-", ""}, kSpecs).Positional(), (std::vector<std::string>{"-", ""}));
}

TEST(Arguments, RefusesBadCommandLines) {
  const std::vector<std::vector<std::string>> bad = {
      {"--unknown"}, {"--plc"}, {"--plc", "1", "--plc", "2"}, {"--raw=1"}, {"-q"}};
  for (const auto& line : bad) {
    EXPECT_THROW(Arguments(line, kSpecs), UsageError) << line[0];
  }
  const Arguments none({}, kSpecs);
  EXPECT_THROW(none.Required("--plc"), UsageError);
  EXPECT_FALSE(none.Integer("--plc", 0, 3).has_value());
}

TEST(Arguments, IntegersWithinTheirRange) {
  EXPECT_EQ(Arguments({"--plc", "3"}, kSpecs).Integer("--plc", 0, 3), 3);
  EXPECT_EQ(Arguments({"--plc", "0x10"}, kSpecs).Integer("--plc", 0, 99), 16);
  EXPECT_THROW(Arguments({"--plc", "4"}, kSpecs).Integer("--plc", 0, 3), UsageError);
  EXPECT_THROW(Arguments({"--plc", "-1"}, kSpecs).Integer("--plc", 0, 3), UsageError);
  EXPECT_THROW(Arguments({"--plc", "2x"}, kSpecs).Integer("--plc", 0, 3), UsageError);
}

TEST(ParseNumber, WholeNumbersOnly) {
  EXPECT_EQ(ParseNumber("42"), 42);
  EXPECT_EQ(ParseNumber("-7"), -7);
  EXPECT_EQ(ParseNumber("0xff"), 255);
  for (const char* text : {"", " 1", "+1", "1 ", "0x", "12a", "99999999999999999999"}) {
    EXPECT_FALSE(ParseNumber(text).has_value()) << text;
  }
}

}  // namespace
}  // namespace orvane::cli
