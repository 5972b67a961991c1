#include <gtest/gtest.h>

#include "app/verlin/Verlin.h"
#include "plchost/SharedLibrary.h"
#include "tests/support/TestPaths.h"

namespace orvane::testing {
namespace {

TEST(VersionLibrary, ReportsTheConfiguredVersion) {
  SharedLibrary verlin;
  ASSERT_TRUE(verlin.Open((StagedInstallDir() / "libverlin.so").string())) << verlin.Error();
  const auto version = verlin.Function<GetApplicationVersionFn>(VERLIN_SYM_GET_APPLICATION_VERSION);
  ASSERT_NE(version, nullptr);
  EXPECT_STREQ(version(), ORVANE_EXPECTED_VERSION_TEXT);
}

}  // namespace
}  // namespace orvane::testing
