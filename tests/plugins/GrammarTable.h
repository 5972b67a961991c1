// Grammar tables for the driver plug-ins: each row an address text with
// what the loaded driver must make of it (its exact map string and fields,
// or its exact messages), and rebuild rows the other way round.
#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "tests/plugins/DriverUnderTest.h"

namespace orvane::testing {

using Bytes = std::vector<unsigned char>;

struct GrammarCase {
  std::string driver;  // set by ForDriver
  std::string text;
  Bytes map;  // empty: refused
  int access = 0;
  int isBit = 0;
  std::vector<std::string> messages;  // refused: every message, in order
  unsigned style = 0;                 // refused: the icon of the last message
  int dataType = 8;                   // BCD 16, the program's most common code
  int applicationType = 2;
};

GrammarCase Accepts(std::string text, Bytes map, int access, int isBit, int dataType = 8);
GrammarCase Refuses(std::string text, std::vector<std::string> messages, unsigned style,
                    int dataType = 8);
/// The same case under another application type.
GrammarCase InType(GrammarCase c, int applicationType);

void PrintTo(const GrammarCase& c, std::ostream* os);

/// One driver's table, for INSTANTIATE_TEST_SUITE_P(Name, DriverGrammar,
/// ::testing::ValuesIn(ForDriver("Name", {...}))).
std::vector<GrammarCase> ForDriver(const char* driver, std::vector<GrammarCase> cases);

/// Loads the case's driver and checks the case.
class DriverGrammar : public ::testing::TestWithParam<GrammarCase> {};

/// Validates c.text and checks everything the case says.
void CheckGrammarCase(DriverUnderTest& driver, const GrammarCase& c);

struct RebuildCase {
  Bytes map;
  std::string text;                   // empty: refused
  std::vector<std::string> messages;  // refused
};

void CheckRebuildCase(DriverUnderTest& driver, const RebuildCase& c);

/// text validates (with dataType) to map; map rebuilds to canonical; and
/// canonical validates to map again, all without a message. Returns whether
/// every step held.
bool RoundTrips(DriverUnderTest& driver, const std::string& text, int dataType,
                std::string* canonical = nullptr);

/// CompareMapStrings orders the maps as listed: -1, 0 and 1 for every pair.
void ExpectAscending(DriverUnderTest& driver, const std::vector<Bytes>& maps);

/// A validation with both check flags set.
struct CheckedCase {
  const char* text;
  int access;
  int dataType;
  int code;  // 0: accepted; else the shared error code shown
};

void CheckFlagCases(DriverUnderTest& driver, const std::vector<CheckedCase>& cases);

/// The texts of the shared error codes (DisplayDLLErrorStrings).
std::string SharedErrorText(int code);

}  // namespace orvane::testing
