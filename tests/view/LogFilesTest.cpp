// The log dialogs' rows and the log viewer's text file.
#include "view/LogFiles.h"

#include <gtest/gtest.h>

#include "tests/support/TestPaths.h"

namespace orvane::testing {
namespace {

TEST(LogFiles, AddressLogLinesSplitIntoAtMostThreeFields) {
  const std::vector<std::string> lines = {
      "N7:0\tN7:0\t\t",                                              // converted
      "N7:100\t \tUnable to rebuild the address for the new PLC\t",  // refused
      "B3:2\tB3:2",                                                  // no remark
      "T4:1",                                                        // old address alone
      "\tN7:1\tno old address\t",                                    // left out
      "",                                                            // left out
      "a\tb\tc\td\te",                                               // past the third
  };
  EXPECT_EQ(AddressLogRows(lines),
            (std::vector<AddressLogRow>{
                {"N7:0", "N7:0", ""},
                {"N7:100", " ", "Unable to rebuild the address for the new PLC"},
                {"B3:2", "B3:2", ""},
                {"T4:1", "", ""},
                {"a", "b", "c"},
            }));
  EXPECT_TRUE(AddressLogRows({}).empty());
}

TEST(LogFiles, TheViewerSavesEveryLineOnALineOfItsOwn) {
  EXPECT_EQ(SplitLines("one\ntwo\n\tthree"),
            (std::vector<std::string>{"one\n", "two\n", "\tthree"}));
  EXPECT_TRUE(SplitLines("").empty());
  const auto file = MakeTempDir("log") / "log.txt";
  ASSERT_TRUE(SaveLogLines(file, {"Tag name \"A\" changed to \"B\" for address C1\n", "\tX", ""}));
  EXPECT_EQ(ReadText(file), "Tag name \"A\" changed to \"B\" for address C1\n\tX\n\n");
  // A file where the folder should be.
  EXPECT_FALSE(SaveLogLines(file / "log.txt", {"x"}));
}

}  // namespace
}  // namespace orvane::testing
