#include "tests/plugins/GrammarTable.h"

#include <gtest/gtest.h>

#include <utility>

namespace orvane::testing {

GrammarCase Accepts(std::string text, Bytes map, int access, int isBit, int dataType) {
  GrammarCase c;
  c.text = std::move(text);
  c.map = std::move(map);
  c.access = access;
  c.isBit = isBit;
  c.dataType = dataType;
  return c;
}

GrammarCase Refuses(std::string text, std::vector<std::string> messages, unsigned style,
                    int dataType) {
  GrammarCase c;
  c.text = std::move(text);
  c.messages = std::move(messages);
  c.style = style;
  c.dataType = dataType;
  return c;
}

GrammarCase InType(GrammarCase c, int applicationType) {
  c.applicationType = applicationType;
  return c;
}

void PrintTo(const GrammarCase& c, std::ostream* os) {
  *os << c.driver << " \"" << c.text << "\" code " << c.dataType << " type " << c.applicationType;
}

std::vector<GrammarCase> ForDriver(const char* driver, std::vector<GrammarCase> cases) {
  for (GrammarCase& c : cases) {
    c.driver = driver;
  }
  return cases;
}

TEST_P(DriverGrammar, AcceptsWithItsMapStringOrRefusesWithItsMessages) {
  DriverUnderTest driver(GetParam().driver);
  CheckGrammarCase(driver, GetParam());
}

void CheckGrammarCase(DriverUnderTest& driver, const GrammarCase& c) {
  SCOPED_TRACE(::testing::PrintToString(c));
  driver.SetApplicationType(c.applicationType);
  driver.messages.clear();
  PlcAddress record = SentinelRecord();
  const bool valid = driver.Validate(c.text, record, 0, c.dataType);
  if (c.map.empty()) {
    EXPECT_FALSE(valid);
    EXPECT_TRUE(IsSentinel(record)) << "a refused text leaves the record alone";
    if (valid) {
      driver.TakeMap(record, driver.MapLength());
    }
    std::vector<std::string> texts;
    for (const ShownMessage& message : driver.messages) {
      texts.push_back(message.text);
    }
    EXPECT_EQ(texts, c.messages);
    if (!driver.messages.empty()) {
      EXPECT_EQ(driver.messages.back().style, c.style);
    }
    return;
  }
  ASSERT_TRUE(valid) << (driver.messages.empty() ? "" : driver.messages[0].text);
  EXPECT_TRUE(driver.messages.empty());
  EXPECT_EQ(record.access, c.access);
  EXPECT_EQ(record.isBit, c.isBit);
  EXPECT_EQ(record.valid, 1);
  EXPECT_EQ(driver.TakeMap(record, driver.MapLength()), c.map);
}

void CheckRebuildCase(DriverUnderTest& driver, const RebuildCase& c) {
  SCOPED_TRACE(c.text);
  driver.messages.clear();
  bool ok = false;
  const std::string text = driver.Rebuild(c.map, ok);
  EXPECT_EQ(text, c.text);
  EXPECT_EQ(ok, !c.text.empty());
  std::vector<std::string> texts;
  for (const ShownMessage& message : driver.messages) {
    texts.push_back(message.text);
  }
  EXPECT_EQ(texts, c.messages);
}

bool RoundTrips(DriverUnderTest& driver, const std::string& text, int dataType,
                std::string* canonical) {
  const size_t length = driver.MapLength();
  driver.messages.clear();
  PlcAddress record = SentinelRecord();
  if (!driver.Validate(text, record, 0, dataType)) {
    ADD_FAILURE() << text << " refused";
    return false;
  }
  const Bytes map = driver.TakeMap(record, length);
  bool ok = false;
  const std::string rebuilt = driver.Rebuild(map, ok);
  if (!ok) {
    ADD_FAILURE() << text << " does not rebuild";
    return false;
  }
  PlcAddress again = SentinelRecord();
  if (!driver.Validate(rebuilt, again, 0, dataType)) {
    ADD_FAILURE() << text << " rebuilds to " << rebuilt << ", which is refused";
    return false;
  }
  const Bytes map2 = driver.TakeMap(again, length);
  if (map2 != map) {
    ADD_FAILURE() << text << " rebuilds to " << rebuilt << ", which names another address";
    return false;
  }
  if (canonical != nullptr) {
    *canonical = rebuilt;
  }
  return driver.messages.empty();
}

void ExpectAscending(DriverUnderTest& driver, const std::vector<Bytes>& maps) {
  const auto compare = driver.Export<PlcCompareFn>(PLC_SYM_COMPARE);
  for (size_t i = 0; i < maps.size(); ++i) {
    for (size_t j = 0; j < maps.size(); ++j) {
      EXPECT_EQ(compare(maps[i].data(), maps[j].data()), i < j ? -1 : (i > j ? 1 : 0))
          << i << " vs " << j;
    }
  }
}

void CheckFlagCases(DriverUnderTest& driver, const std::vector<CheckedCase>& cases) {
  for (const CheckedCase& c : cases) {
    driver.messages.clear();
    PlcAddress record = SentinelRecord();
    const bool valid = driver.ValidateWith(c.text, record, c.access, c.dataType, true, true);
    EXPECT_EQ(valid, c.code == 0) << c.text;
    if (valid) {
      driver.TakeMap(record, driver.MapLength());
      EXPECT_TRUE(driver.messages.empty()) << c.text;
    } else {
      EXPECT_TRUE(IsSentinel(record)) << c.text;
      EXPECT_EQ(driver.TakeTexts(), std::vector<std::string>{SharedErrorText(c.code)}) << c.text;
    }
  }
}

std::string SharedErrorText(int code) {
  switch (code) {
    case 1:
      return "Error T02_1:  Invalid Unit Number.";
    case 2:
      return "Error T02_2:  Invalid Address Type.";
    case 4:
      return "Error T02_4:  Invalid Bit Number.";
    case 5:
      return "Error T02_7:  Address type does not match Tag data type, or the address is invalid.";
    case 6:
      return "Error T02_5:  Address is not Word Aligned (Even address is required).";
    case 7:
      return "Error T02_6:  Address is not Word Aligned (Odd address is required).";
    default:
      return "Error T02_3:  Invalid Address.";
  }
}

}  // namespace orvane::testing
