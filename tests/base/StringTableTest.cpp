#include "base/StringTable.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(StringTable, TextsKeepTheirEscapesAndSpacing) {
  EXPECT_STREQ(LoadString(strings::kZ002),
               "Error Z002: You are trying to read from an invalid file");
  // The P009 text carries its own quotation marks.
  EXPECT_EQ(std::string(LoadString(strings::kP009)).front(), '"');
  EXPECT_STREQ(LoadString(strings::kP003), "Error P003: Unable to load %s.dll.  ");
  EXPECT_STREQ(LoadString(strings::kNoLocalMessages), "No Local Messages configured\n");
  EXPECT_STREQ(LoadString(99999), "");
}

TEST(StringTable, FormatsLikePrintf) {
  EXPECT_EQ(FormatText(LoadString(strings::kP007), 1, 4),
            "Error P007: PLC dll for this PLC (Manufacturer ID : 1, Model ID : 4)\n"
            "not found in this system");
}

}  // namespace
}  // namespace orvane
