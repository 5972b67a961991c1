#include <gtest/gtest.h>

#include <string>

#include "tests/support/RunProgram.h"

namespace orvane {
namespace {

using testing::RunCli;

TEST(PortCli, ListsThePortsPresent) {
  const auto result = RunCli({"port", "list"});
  EXPECT_EQ(result.exitStatus, 0) << result.err;
  // One line per port, each naming a device path.
  size_t lineStart = 0;
  while (lineStart < result.out.size()) {
    const size_t lineEnd = result.out.find('\n', lineStart);
    ASSERT_NE(lineEnd, std::string::npos);
    EXPECT_NE(result.out.substr(lineStart, lineEnd - lineStart).find(" /dev/"), std::string::npos)
        << result.out;
    lineStart = lineEnd + 1;
  }
  EXPECT_EQ(result.err, "");
}

TEST(PortCli, UsageErrors) {
  for (const auto& args : std::vector<std::vector<std::string>>{
           {"port"}, {"port", "scan"}, {"port", "list", "extra"}, {"port", "list", "--all"}}) {
    const auto result = RunCli(args);
    EXPECT_EQ(result.exitStatus, 2) << ::testing::PrintToString(args);
  }
}

}  // namespace
}  // namespace orvane
