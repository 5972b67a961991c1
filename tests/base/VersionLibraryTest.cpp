#include <gtest/gtest.h>

#include "base/ProgramVersion.h"
#include "base/SharedLibrary.h"
#include "tests/support/TestPaths.h"
#include "verlin/Verlin.h"

namespace orvane::testing {
namespace {

TEST(VersionLibrary, ReportsTheConfiguredVersion) {
  SharedLibrary verlin;
  ASSERT_TRUE(verlin.Open((StagedInstallDir() / "libverlin.so").string())) << verlin.Error();
  const auto version = verlin.Function<GetApplicationVersionFn>(VERLIN_SYM_GET_APPLICATION_VERSION);
  ASSERT_NE(version, nullptr);
  EXPECT_STREQ(version(), ORVANE_EXPECTED_VERSION_TEXT);
}

TEST(VersionLibrary, TheProgramFallsBackOnItsBuildVersion) {
  const ProgramVersion loaded = LoadProgramVersion(StagedInstallDir() / "libverlin.so");
  EXPECT_EQ(loaded.text, ORVANE_EXPECTED_VERSION_TEXT);
  EXPECT_TRUE(loaded.fromLibrary);
  const ProgramVersion fallback = LoadProgramVersion(MakeTempDir("no-verlin") / "libverlin.so");
  EXPECT_EQ(fallback.text, ORVANE_EXPECTED_PROJECT_VERSION);
  EXPECT_FALSE(fallback.fromLibrary);
}

}  // namespace
}  // namespace orvane::testing
