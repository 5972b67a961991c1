// The DF1 grammar's dialect parameters, beyond what the half duplex driver
// uses: no station prefix, accepted O and I files with longer words, their
// access, and decimal bits when written back.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "plugins/common/df1/Df1Grammar.h"
#include "tests/corvel/CorvelTestSupport.h"

namespace orvane::testing {
namespace {

df1::Df1Dialect FullDuplexMicroLogix() {
  df1::Df1Dialect dialect;
  dialect.stationPrefix = false;
  dialect.inputOutputAccepted = true;
  dialect.inputOutputAccess = 1;
  dialect.inputOutputWordDigits = 5;
  dialect.inputOutputWordTooLong = "Error T02_3:  Invalid Address (Invalid flag delimiter)";
  dialect.inputOutputWord = {8, 3};
  dialect.inputOutputBit = {10, 2};
  return dialect;
}

df1::Df1Dialect FullDuplexSlc() {
  df1::Df1Dialect dialect;
  dialect.stationPrefix = false;
  dialect.inputOutputRefused = "refused";
  return dialect;
}

class Df1Dialects : public ::testing::Test {
 protected:
  bool Parse(const df1::Df1Dialect& dialect, const char* text, df1::Df1Address& address) {
    const df1::Df1Grammar grammar(dialect);
    return grammar.Parse(corvel_, text, address);
  }
  std::string Format(const df1::Df1Dialect& dialect, df1::Df1Address address) {
    const df1::Df1Grammar grammar(dialect);
    std::string text;
    return grammar.Format(corvel_, address, text) ? text : "(refused)";
  }

  SinkCapture sink_;
  CCorvel corvel_;
};

TEST_F(Df1Dialects, AcceptedInputsAndOutputsHaveNoFileNumberAndTheirOwnAccess) {
  const df1::Df1Dialect dialect = FullDuplexMicroLogix();
  df1::Df1Address address;
  ASSERT_TRUE(Parse(dialect, "I:0/3", address));
  EXPECT_EQ(address.station, df1::kNoStation);
  EXPECT_EQ(address.type, df1::kInput);
  EXPECT_EQ(address.fileNumber, 1);
  EXPECT_EQ(address.bit, 3);
  EXPECT_EQ(address.access, 1);
  ASSERT_TRUE(Parse(dialect, "O:2/15", address));
  EXPECT_EQ(address.fileNumber, 0);
  EXPECT_EQ(address.wordNumber, 2);
  ASSERT_TRUE(Parse(dialect, "I:00255", address));
  EXPECT_EQ(address.wordNumber, 255);

  EXPECT_FALSE(Parse(dialect, "I1:0/0", address));
  EXPECT_FALSE(Parse(dialect, "I:123456", address));
  EXPECT_FALSE(Parse(dialect, "N7:0001", address));
  EXPECT_FALSE(Parse(dialect, "O:256", address));
  EXPECT_EQ(sink_.TakeTexts(),
            (std::vector<std::string>{
                "Error T02_3:  Invalid Address (File numbers are not allowed in I,O,S types)",
                "Error T02_3:  Invalid Address (Invalid flag delimiter)",
                "Error T02_3:  Invalid Address (Invalid flag delimiter).",
                "Error T02_3:  Invalid Address (Invalid word address)."}));
}

TEST_F(Df1Dialects, WithoutStationPrefixADashIsNoSeparator) {
  df1::Df1Address address;
  EXPECT_FALSE(Parse(FullDuplexSlc(), "3-N7:0", address));
  EXPECT_FALSE(Parse(FullDuplexSlc(), "I:0/0", address));
  EXPECT_EQ(
      sink_.TakeTexts(),
      (std::vector<std::string>{"Error T02_3:  Invalid Address (Invalid File type)", "refused"}));
}

TEST_F(Df1Dialects, RebuildFollowsTheDialect) {
  df1::Df1Address input;
  input.station = 5;
  input.type = df1::kInput;
  input.fileNumber = 1;
  input.wordNumber = 10;
  input.bit = 9;
  EXPECT_EQ(Format(FullDuplexMicroLogix(), input), "I:012/09");
  EXPECT_EQ(Format(FullDuplexSlc(), input), "I:012/11");
  df1::Df1Dialect withStation = FullDuplexSlc();
  withStation.stationPrefix = true;
  EXPECT_EQ(Format(withStation, input), "5-I:012/11");
  // A station byte out of range matters only where stations are written.
  input.station = 40;
  EXPECT_EQ(Format(FullDuplexSlc(), input), "I:012/11");
  EXPECT_TRUE(sink_.messages.empty());
}

}  // namespace
}  // namespace orvane::testing
